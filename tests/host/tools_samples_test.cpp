// Sample payload generators: text conversion, data file formats and the PNG encoder.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "canvas.h"
#include "data_files.h"
#include "text_convert.h"

namespace {

TEST(PayloadText, LinesEndInCrLfTheLastOneToo) {
  struct Case {
    const char* in;
    const char* out;
  } const cases[] = {
      {"", ""}, {"a", "a\r\n"}, {"a\nb", "a\r\nb\r\n"}, {"a\r\nb\r\n", "a\r\nb\r\n"}, {"\n\n", "\r\n\r\n"},
      {"a\r\n\nb\n", "a\r\n\r\nb\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.out, WithCrLfLines(c.in)) << c.in;
  EXPECT_EQ(5u, LongestLineBytes("ab\r\nabcde\r\nabc"));
  EXPECT_EQ(0u, LongestLineBytes("\r\n\r\n"));
}

TEST(PayloadText, ConvertsToGb2312AndRefusesWhatItCannotHold) {
  std::string out;
  ASSERT_TRUE(ConvertEncoding("GB2312", "UTF-8", u8"确认 OK", out));
  EXPECT_EQ(std::string("\xC8\xB7\xC8\xCF OK"), out);
  const std::string euro = u8"\u20ac";  // outside GB2312
  EXPECT_FALSE(ConvertEncoding("GB2312", "UTF-8", euro, out));
  EXPECT_FALSE(ConvertEncoding("ASCII", "UTF-8", u8"caf\u00e9", out));
  EXPECT_FALSE(ConvertEncoding("GB2312", "UTF-8", "\xC8", out));  // truncated UTF-8
}

TEST(PayloadData, GbkToBig5TableMapsSharedCharactersOnly) {
  const std::string table = BuildGbkToBig5Table();
  ASSERT_EQ(48132u, table.size());
  const auto entry = [&](unsigned code) {
    const std::size_t at = 2 * (191 * ((code >> 8) - 0x81) + ((code & 0xFF) - 0x40));
    return table.substr(at, 2);
  };
  EXPECT_EQ(std::string("\xA4\x40"), entry(0xD2BB));         // 一
  EXPECT_EQ(std::string("\xA4\xA4"), entry(0xD6D0));         // 中
  EXPECT_EQ(std::string("\0\0", 2), entry(0xB9FA));          // 国: Big5 has only 國
  EXPECT_EQ(std::string("\0\0", 2), entry(0x817F));          // not a GBK code
}

TEST(PayloadData, ReadingsParseAndBadLinesAreNamed) {
  std::vector<HanziReading> readings;
  std::string error;
  ASSERT_TRUE(ParseReadings(u8"# comment\n确 que4\n\n啊 a1\r\n", readings, error)) << error;
  ASSERT_EQ(2u, readings.size());
  EXPECT_EQ(0xC8B7u, readings[0].code);
  EXPECT_EQ("que4", readings[0].pinyin);

  for (const char* bad : {u8"啊", u8"啊 A1", u8"啊 a", u8"啊 a6", u8"啊啊 a1", u8"\u20ac a1", u8"啊 a1 b2"}) {
    EXPECT_FALSE(ParseReadings(std::string(u8"确 que4\n") + bad, readings, error)) << bad;
    EXPECT_EQ(0u, error.rfind("line 2: ", 0)) << error;
  }
  std::vector<PhraseReading> phrases;
  ASSERT_TRUE(ParsePhrases(u8"银行 yin2 hang2\n", phrases, error)) << error;
  EXPECT_EQ("yin2 hang2", phrases[0].pinyin);
  EXPECT_FALSE(ParsePhrases(u8"银行 yin2\n", phrases, error));
}

TEST(PayloadData, TablesFollowTheirDocumentedLayout) {
  const std::vector<HanziReading> readings = {{0xC8B7, "que4"}, {0xB0A1, "a1"}, {0xB0A2, "a1"}};
  EXPECT_EQ(std::string("\xB0\xA1" "a1\0\0\0\0\0\0" "\xB0\xA2" "a1\0\0\0\0\0\0" "\xC8\xB7" "que4\0\0\0\0", 30),
            BuildHanziPinyinTable(readings));
  EXPECT_EQ(std::string("V0.1\x02\x00" "a1\0\0\0\0\0\0\x02\x00\xB0\xA1\xB0\xA2" "que4\0\0\0\0\x01\x00\xC8\xB7", 32),
            BuildPinyinIndex(readings));
  EXPECT_EQ(std::string("V0.1\x01\x00\xD2\xF8\xD0\xD0\0yin2 hang2\0", 22),
            BuildPhraseTable({{"\xD2\xF8\xD0\xD0", "yin2 hang2"}}));
}

std::uint32_t BigEndian(const std::string& s, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at]) << 24 | static_cast<unsigned char>(s[at + 1]) << 16 |
                                    static_cast<unsigned char>(s[at + 2]) << 8 | static_cast<unsigned char>(s[at + 3]));
}

TEST(PayloadPictures, PngChunksCarryValidCrcsAndThePixels) {
  Canvas canvas(3, 2, {10, 20, 30});
  canvas.FillRect(1, 1, 1, 1, {200, 100, 50});
  const std::string png = EncodePng(canvas);
  ASSERT_EQ(0u, png.rfind(std::string("\x89PNG\r\n\x1a\n", 8), 0));

  std::string idat;
  std::string types;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = BigEndian(png, at);
    const std::string body = png.substr(at + 4, 4 + length);
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())),
              BigEndian(png, at + 8 + length)) << body.substr(0, 4);
    types += body.substr(0, 4);
    if (body.compare(0, 4, "IHDR") == 0) {
      EXPECT_EQ(3u, BigEndian(body, 4));
      EXPECT_EQ(2u, BigEndian(body, 8));
    }
    if (body.compare(0, 4, "IDAT") == 0) idat = body.substr(4);
    at += 12 + length;
  }
  EXPECT_EQ("IHDRIDATIEND", types);

  std::string raw(64, '\0');
  uLongf length = static_cast<uLongf>(raw.size());
  ASSERT_EQ(Z_OK, uncompress(reinterpret_cast<Bytef*>(raw.data()), &length,
                             reinterpret_cast<const Bytef*>(idat.data()), static_cast<uLong>(idat.size())));
  raw.resize(length);
  EXPECT_EQ(std::string("\0\x0A\x14\x1E\x0A\x14\x1E\x0A\x14\x1E" "\0\x0A\x14\x1E\xC8\x64\x32\x0A\x14\x1E", 20), raw);
}

TEST(PayloadPictures, IconHoldsOneOpaque32BitImage) {
  Canvas canvas(32, 32, {0, 128, 128});
  canvas.FillRect(0, 31, 1, 1, {1, 2, 3});  // bottom-left: the first pixel stored
  const std::string ico = EncodeIco(canvas);
  ASSERT_EQ(22u + 40u + 32u * 32u * 4u + 4u * 32u, ico.size());
  EXPECT_EQ(std::string("\0\0\1\0\1\0\x20\x20\0\0\1\0\x20\0", 14), ico.substr(0, 14));
  EXPECT_EQ(std::string("\x28\0\0\0\x20\0\0\0\x40\0\0\0\1\0\x20\0", 16), ico.substr(22, 16));
  EXPECT_EQ(std::string("\3\2\1\xFF\x80\x80\0\xFF", 8), ico.substr(62, 8));
}

}  // namespace
