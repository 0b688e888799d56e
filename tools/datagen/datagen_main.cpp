// vocalith_datagen: writes one of the product's sample data files.
//   vocalith_datagen gbk2b5 OUTPUT
//   vocalith_datagen ch2py|pinyin-index READINGS.txt OUTPUT
//   vocalith_datagen phrases PHRASES.txt OUTPUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "data_files.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "vocalith_datagen: %s\n", message.c_str());
  return 1;
}

bool ReadText(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return static_cast<bool>(in) || in.eof();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kind = argc > 1 ? argv[1] : "";
  std::string bytes;
  const char* output = nullptr;
  if (kind == "gbk2b5" && argc == 3) {
    bytes = BuildGbkToBig5Table();
    output = argv[2];
  } else if ((kind == "ch2py" || kind == "pinyin-index" || kind == "phrases") && argc == 4) {
    std::string source, error;
    if (!ReadText(argv[2], source)) return Fail(std::string("cannot read ") + argv[2]);
    if (kind == "phrases") {
      std::vector<PhraseReading> phrases;
      if (!ParsePhrases(source, phrases, error)) return Fail(std::string(argv[2]) + ": " + error);
      bytes = BuildPhraseTable(phrases);
    } else {
      std::vector<HanziReading> readings;
      if (!ParseReadings(source, readings, error)) return Fail(std::string(argv[2]) + ": " + error);
      bytes = kind == "ch2py" ? BuildHanziPinyinTable(readings) : BuildPinyinIndex(readings);
    }
    output = argv[3];
  } else {
    return Fail("usage: vocalith_datagen gbk2b5 OUTPUT | ch2py|pinyin-index|phrases SOURCE OUTPUT");
  }
  std::ofstream out(output, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) return Fail(std::string("cannot write ") + output);
  return 0;
}
