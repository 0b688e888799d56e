/* Resource ids of the dialogs test program's own templates. */
#ifndef DIALOGS_FIXTURE_IDS_H
#define DIALOGS_FIXTURE_IDS_H

/* A stand-in for the wizard: the controls the install command and the folder chooser use. */
#define IDD_TEST_WIZARD 900

#endif
