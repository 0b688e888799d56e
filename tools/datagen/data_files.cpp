// Builders of the product's sample data files from small reading tables kept as UTF-8 text.
#include "data_files.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "text_convert.h"

namespace {

constexpr char Version[] = "V0.1";

void AppendLittle16(std::string& out, std::size_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void AppendCode(std::string& out, unsigned code) {
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

void AppendPinyinField(std::string& out, const std::string& pinyin) {
  out += pinyin;
  out.append(PinyinFieldBytes - pinyin.size(), '\0');
}

bool IsSyllable(const std::string& word) {
  if (word.size() < 2 || word.size() >= PinyinFieldBytes) return false;
  if (word.back() < '1' || word.back() > '5') return false;
  return std::all_of(word.begin(), word.end() - 1, [](char c) { return c >= 'a' && c <= 'z'; });
}

// Splits the data lines (comments and blank lines dropped) into words, converting the first
// word to GB2312. False with `error` naming the line when it cannot.
template <typename Visit>
bool ForEachLine(const std::string& utf8, std::string& error, Visit visit) {
  std::istringstream in(utf8);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string text, gb, syllable;
    std::vector<std::string> syllables;
    words >> text;
    while (words >> syllable) syllables.push_back(syllable);
    const bool syllablesOk = !syllables.empty() && std::all_of(syllables.begin(), syllables.end(), IsSyllable);
    if (!syllablesOk || !ConvertEncoding("GB2312", "UTF-8", text, gb) || gb.size() < 2 || gb.size() % 2 != 0 ||
        !visit(gb, syllables)) {
      error = "line " + std::to_string(number) + ": " + line;
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseReadings(const std::string& utf8, std::vector<HanziReading>& readings, std::string& error) {
  readings.clear();
  return ForEachLine(utf8, error, [&](const std::string& gb, const std::vector<std::string>& syllables) {
    if (gb.size() != 2 || syllables.size() != 1) return false;
    readings.push_back({static_cast<unsigned>(static_cast<unsigned char>(gb[0]) << 8 | static_cast<unsigned char>(gb[1])),
                        syllables[0]});
    return true;
  });
}

bool ParsePhrases(const std::string& utf8, std::vector<PhraseReading>& phrases, std::string& error) {
  phrases.clear();
  return ForEachLine(utf8, error, [&](const std::string& gb, const std::vector<std::string>& syllables) {
    if (gb.size() / 2 != syllables.size()) return false;
    std::string pinyin;
    for (const std::string& s : syllables) pinyin += (pinyin.empty() ? "" : " ") + s;
    phrases.push_back({gb, pinyin});
    return true;
  });
}

std::string BuildGbkToBig5Table() {
  std::string table;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      std::string big5;
      if (trail != 0x7F && ConvertEncoding("BIG5", "GBK", gbk, big5) && big5.size() == 2) {
        table += big5;
      } else {
        table.append(2, '\0');
      }
    }
  }
  return table;
}

std::string BuildHanziPinyinTable(std::vector<HanziReading> readings) {
  std::sort(readings.begin(), readings.end(), [](const HanziReading& a, const HanziReading& b) { return a.code < b.code; });
  std::string table;
  for (const HanziReading& r : readings) {
    AppendCode(table, r.code);
    AppendPinyinField(table, r.pinyin);
  }
  return table;
}

std::string BuildPinyinIndex(const std::vector<HanziReading>& readings) {
  std::map<std::string, std::vector<unsigned>> bySyllable;
  for (const HanziReading& r : readings) bySyllable[r.pinyin].push_back(r.code);
  std::string index(Version);
  AppendLittle16(index, bySyllable.size());
  for (auto& [syllable, codes] : bySyllable) {
    std::sort(codes.begin(), codes.end());
    AppendPinyinField(index, syllable);
    AppendLittle16(index, codes.size());
    for (const unsigned code : codes) AppendCode(index, code);
  }
  return index;
}

std::string BuildPhraseTable(const std::vector<PhraseReading>& phrases) {
  std::string table(Version);
  AppendLittle16(table, phrases.size());
  for (const PhraseReading& p : phrases) {
    table += p.phrase;
    table += '\0';
    table += p.pinyin;
    table += '\0';
  }
  return table;
}
