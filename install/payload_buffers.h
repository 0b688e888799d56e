// The work buffers the payload items are inflated into: the readers' capacities, which the build
// checks every item against before embedding it.
#pragma once

constexpr unsigned long FontBufferSize = 307200;           // start-up: the glyph font
constexpr unsigned long FontImageBytes = 141312;           // the font image fills exactly this much
constexpr unsigned long LicenceBufferSize = 65536;         // each licence text
constexpr unsigned long LicenceTextCapacity = LicenceBufferSize - 1;  // room left for the NUL
constexpr unsigned long CatalogueBufferSize = 1048576;     // every installed file in turn
constexpr unsigned long PackageBufferSize = 12582912;      // the speech-runtime package
