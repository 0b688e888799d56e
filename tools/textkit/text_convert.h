// Character-set conversion and line-end normalisation for the payload texts.
#pragma once
#include <cstddef>
#include <string>

// Converts `in` from one iconv character set to another. False when a character has no
// counterpart or the bytes are not valid in the source set.
bool ConvertEncoding(const char* toCode, const char* fromCode, const std::string& in, std::string& out);

// Every line ended by CR LF, the last one included; lone LF and CR LF both count as a line end.
std::string WithCrLfLines(const std::string& text);

// Byte length of the longest line, line ends excluded.
std::size_t LongestLineBytes(const std::string& text);
