/* Fixture texts of the wizard test program (see extra.cmake). */
#ifndef WIZARD_FIXTURE_IDS_H
#define WIZARD_FIXTURE_IDS_H
#define FixtureEnglishLicence "English licence\r\nsecond line\r\n"
/* The font fixture is 141,312 bytes of 'U' (0x55): ink and background alternate. */
#define FixtureFontByte 0x55
#endif
