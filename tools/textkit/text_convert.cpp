// iconv conversion and line-end handling shared by the payload generators.
#include "text_convert.h"

#include <cerrno>
#include <iconv.h>

namespace {

class IconvHandle {
public:
  IconvHandle(const char* toCode, const char* fromCode) : cd_(iconv_open(toCode, fromCode)) {}
  ~IconvHandle() {
    if (Valid()) iconv_close(cd_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return cd_; }

private:
  iconv_t cd_;
};

}  // namespace

bool ConvertEncoding(const char* toCode, const char* fromCode, const std::string& in, std::string& out) {
  IconvHandle cd(toCode, fromCode);
  if (!cd.Valid()) return false;
  std::string input = in;
  char* src = input.data();
  std::size_t srcLeft = input.size();
  out.clear();
  char chunk[4096];
  for (;;) {
    char* dst = chunk;
    std::size_t dstLeft = sizeof chunk;
    const std::size_t rc = iconv(cd.Get(), srcLeft ? &src : nullptr, &srcLeft, &dst, &dstLeft);
    out.append(chunk, sizeof chunk - dstLeft);
    if (rc != static_cast<std::size_t>(-1)) {
      if (srcLeft == 0) break;
      continue;
    }
    if (errno != E2BIG) return false;
  }
  return true;
}

std::string WithCrLfLines(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  if (!out.empty() && (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0)) out += "\r\n";
  return out;
}

std::size_t LongestLineBytes(const std::string& text) {
  std::size_t longest = 0;
  std::size_t current = 0;
  for (const char c : text) {
    if (c == '\n' || c == '\r') {
      current = 0;
      continue;
    }
    if (++current > longest) longest = current;
  }
  return longest;
}
