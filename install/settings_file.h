// The UILanguage update of the product's settings file: finding the key line and writing the result.
#pragma once
#include <cstddef>
#include <cstdio>

constexpr const char* SettingsFileName = "OmniroUI.ini";

// Where the value of the first line whose key is UILanguage lies: from just after "=" to the line end.
class UiLanguageLineFinder {
public:
    // Feeds the file's next byte; returns true once the value's end is known.
    bool Feed(char byte);
    // The file ended: a value that runs to the end ends there.
    void Finish();
    bool Found() const { return state_ == State::Done; }
    long ValueStart() const { return valueStart_; }
    long ValueEnd() const { return valueEnd_; }

private:
    enum class State { LineStart, Key, OtherLine, Value, Done };
    State state_ = State::LineStart;
    std::size_t matched_ = 0;
    long offset_ = 0;
    long valueStart_ = 0;
    long valueEnd_ = 0;
};

// Writes the settings file at `path` to `updatedPath` with UILanguage set to `value`: the value of the
// first UILanguage line replaced, or, without such a line, a [Config] section with the key appended.
// 1 when updatedPath holds the whole result; 0 when `path` cannot be read or the result not written.
int WriteUpdatedSettings(const char* path, const char* updatedPath, int value);
