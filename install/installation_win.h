// The installation sequence over the payload catalogue.
#pragma once

// 1 = success (the font file was written), 0 = failure.
int RunInstallation();
