/* Items of the payload-store test program (see payload_fixtures.rc and extra.cmake). */
#ifndef PAYLOAD_FIXTURE_IDS_H
#define PAYLOAD_FIXTURE_IDS_H
#define FixtureExactItem 501
#define FixtureExactLength 4096ul
#define FixtureDamagedItem 502
#define FixtureEnglishItem 503
#define FixtureEnglishText "stored under language 1033"
#define FixtureMissingItem 599
#endif
