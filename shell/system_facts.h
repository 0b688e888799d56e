// The facts the start-up records about the running Windows, decided from the raw query results.
#pragma once

struct SystemQueries {
    bool VersionRead;  // GetVersionExA succeeded
    unsigned long PlatformId;
    unsigned long MajorVersion;
    bool CodePageRead;  // GetCPInfo succeeded
    unsigned int MaxCharSize;
    unsigned short LanguageId;
};

struct SystemFacts {
    int PlatformIsNt;
    int MajorVersionIs3;
    int SystemChinese;  // 0 not Chinese, 1 Simplified, 2 Traditional
};

SystemFacts DecideSystemFacts(const SystemQueries& queries);
