// The UILanguage update of the product's settings file: finding the key line and writing the result.
#include "install/settings_file.h"


namespace {

constexpr char KeyText[] = "UILanguage=";
constexpr std::size_t KeyLength = sizeof KeyText - 1;

// Closes the stream when it goes out of scope.
class OpenFile {
public:
    OpenFile(const char* path, const char* mode) : file_(std::fopen(path, mode)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (file_) std::fclose(file_);
    }
    std::FILE* Get() const { return file_; }
    // Closes now; false when buffered bytes could not be written.
    bool Close()
    {
        std::FILE* file = file_;
        file_ = nullptr;
        return std::fclose(file) == 0;
    }

private:
    std::FILE* file_;
};

// Copies up to `count` bytes (all that is left when count is negative); false on a read or write error
// or when the source ends early.
bool CopyBytes(std::FILE* from, std::FILE* to, long count)
{
    char chunk[256];
    while (count != 0) {
        const std::size_t want = count < 0 || count > static_cast<long>(sizeof chunk) ? sizeof chunk
                                                                                     : static_cast<std::size_t>(count);
        const std::size_t got = std::fread(chunk, 1, want, from);
        if (got > 0 && std::fwrite(chunk, 1, got, to) != got) return false;
        if (count > 0) count -= static_cast<long>(got);
        if (got < want) return count <= 0 && !std::ferror(from);
    }
    return true;
}

// Scans the whole file; false on a read error, which ends the update without writing.
bool FindUiLanguageValue(std::FILE* file, UiLanguageLineFinder& finder)
{
    char chunk[256];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        for (std::size_t i = 0; i < got; ++i) {
            if (finder.Feed(chunk[i])) return true;
        }
    }
    if (std::ferror(file)) return false;
    finder.Finish();
    return true;
}

}  // namespace

bool UiLanguageLineFinder::Feed(char byte)
{
    const long here = offset_++;
    switch (state_) {
    case State::LineStart:
        if (byte == ' ' || byte == '\t' || byte == '\n') return false;
        state_ = State::Key;
        matched_ = 0;
        [[fallthrough]];
    case State::Key:
        if (byte == KeyText[matched_]) {
            if (++matched_ == KeyLength) {
                state_ = State::Value;
                valueStart_ = here + 1;
            }
        } else {
            state_ = byte == '\n' ? State::LineStart : State::OtherLine;
        }
        return false;
    case State::OtherLine:
        if (byte == '\n') state_ = State::LineStart;
        return false;
    case State::Value:
        if (byte != '\r' && byte != '\n') return false;
        valueEnd_ = here;
        state_ = State::Done;
        return true;
    case State::Done:
        return true;
    }
    return false;
}

void UiLanguageLineFinder::Finish()
{
    if (state_ != State::Value) return;
    valueEnd_ = offset_;
    state_ = State::Done;
}

int WriteUpdatedSettings(const char* path, const char* updatedPath, int value)
{
    OpenFile source(path, "rb");
    if (!source.Get()) return 0;
    UiLanguageLineFinder finder;
    if (!FindUiLanguageValue(source.Get(), finder)) return 0;
    if (std::fseek(source.Get(), 0, SEEK_SET) != 0) return 0;

    OpenFile updated(updatedPath, "wb");
    if (!updated.Get()) return 0;
    if (finder.Found()) {
        // The whole old value goes, whatever its length; the line end and the rest stay as they were.
        if (!CopyBytes(source.Get(), updated.Get(), finder.ValueStart())) return 0;
        if (std::fprintf(updated.Get(), "%d", value) < 0) return 0;
        if (std::fseek(source.Get(), finder.ValueEnd(), SEEK_SET) != 0) return 0;
        if (!CopyBytes(source.Get(), updated.Get(), -1)) return 0;
    } else {
        if (!CopyBytes(source.Get(), updated.Get(), -1)) return 0;
        if (std::fprintf(updated.Get(), "\r\n[Config]\r\nUILanguage=%d\r\n\r\n", value) < 0) return 0;
    }
    return updated.Close() ? 1 : 0;
}
