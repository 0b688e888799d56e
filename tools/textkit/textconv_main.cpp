// vocalith_textconv: turns a UTF-8 source text into a payload text with CR LF lines.
//   vocalith_textconv [--charset NAME] [--max-line BYTES] INPUT OUTPUT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "text_convert.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "vocalith_textconv: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string charset;
  std::size_t maxLine = 0;
  int arg = 1;
  for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
    if (std::strcmp(argv[arg], "--charset") == 0) {
      charset = argv[arg + 1];
    } else if (std::strcmp(argv[arg], "--max-line") == 0) {
      maxLine = std::strtoul(argv[arg + 1], nullptr, 10);
    } else {
      return Fail(std::string("unknown option ") + argv[arg]);
    }
  }
  if (argc - arg != 2) return Fail("usage: vocalith_textconv [--charset NAME] [--max-line BYTES] INPUT OUTPUT");
  const char* input = argv[arg];
  const char* output = argv[arg + 1];

  std::ifstream in(input, std::ios::binary);
  if (!in) return Fail(std::string("cannot read ") + input);
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  const std::string lines = WithCrLfLines(source);
  std::string text = lines;
  if (!charset.empty() && !ConvertEncoding(charset.c_str(), "UTF-8", lines, text))
    return Fail(std::string(input) + ": not convertible to " + charset);
  const std::size_t longest = LongestLineBytes(text);
  if (maxLine != 0 && longest > maxLine) {
    std::ostringstream message;
    message << input << ": a line of " << longest << " bytes, at most " << maxLine << " allowed";
    return Fail(message.str());
  }

  std::ofstream out(output, std::ios::binary);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) return Fail(std::string("cannot write ") + output);
  return 0;
}
