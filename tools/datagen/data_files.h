// The product's sample data files: GBK-to-Big5 table, hanzi pinyin, pinyin index, phrases.
#pragma once
#include <string>
#include <vector>

struct HanziReading {
  unsigned code;        // GB2312 code, lead byte * 256 + trail byte
  std::string pinyin;   // ASCII syllable with its tone digit, e.g. "que4"
};

struct PhraseReading {
  std::string phrase;   // GB2312 bytes
  std::string pinyin;   // syllables separated by single spaces
};

constexpr std::size_t PinyinFieldBytes = 8;

// Lines "<hanzi> <syllable>" (readings) or "<phrase> <syllable> <syllable>..." (phrases) of
// UTF-8 text; '#' starts a comment line. False with `error` set for a line that does not parse
// or has a character outside GB2312.
bool ParseReadings(const std::string& utf8, std::vector<HanziReading>& readings, std::string& error);
bool ParsePhrases(const std::string& utf8, std::vector<PhraseReading>& phrases, std::string& error);

// gbk2b5.bin: for each GBK lead 0x81-0xFE and trail 0x40-0xFE, the Big5 code of the same
// character (lead byte first), or 0 0.
std::string BuildGbkToBig5Table();
// ch2py.bin: 10-byte records sorted by code: code (lead, trail), pinyin NUL-padded to 8 bytes.
std::string BuildHanziPinyinTable(std::vector<HanziReading> readings);
// CH2PYPZ1.BIN: "V0.1", syllable count (16-bit LE), then per syllable in order: the syllable
// NUL-padded to 8 bytes, its hanzi count (16-bit LE) and their codes (lead, trail).
std::string BuildPinyinIndex(const std::vector<HanziReading>& readings);
// CH2PYPZ2.BIN: "V0.1", phrase count (16-bit LE), then per phrase: the phrase and its pinyin,
// each NUL-terminated.
std::string BuildPhraseTable(const std::vector<PhraseReading>& phrases);
