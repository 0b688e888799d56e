// The e2e scenarios, selected by name on the driver's command line.
#pragma once

struct Scenario {
    const char* Name;
    bool (*Run)();
};

// Ends with a null name.
extern const Scenario Scenarios[];
