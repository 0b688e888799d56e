// The payload packer: zlib streams that inflate back, and the size rule of each item's reader.
#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

#include "payload_capacity.h"
#include "zlib_pack.h"

namespace {

std::vector<unsigned char> Inflate(const std::vector<unsigned char>& stream, std::size_t capacity) {
  std::vector<unsigned char> out(capacity + 1);
  uLongf length = static_cast<uLongf>(out.size());
  EXPECT_EQ(Z_OK, uncompress(out.data(), &length, stream.data(), static_cast<uLong>(stream.size())));
  out.resize(length);
  return out;
}

TEST(PayloadPacker, StreamsInflateBackWithTheMaximumCompressionHeader) {
  std::vector<unsigned char> noise(300000);
  unsigned state = 12345;
  for (unsigned char& b : noise) b = static_cast<unsigned char>((state = state * 1103515245u + 12345u) >> 24);
  const std::vector<std::vector<unsigned char>> inputs = {
      {}, {'M', 'Z'}, std::vector<unsigned char>(141312, 0xFF), noise};
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.size());
    std::vector<unsigned char> stream;
    ASSERT_TRUE(CompressPayload(input, stream));
    ASSERT_GE(stream.size(), 6u);
    EXPECT_EQ(0x78, stream[0]);
    EXPECT_EQ(0xDA, stream[1]);
    EXPECT_EQ(input, Inflate(stream, input.size()));
  }
}

TEST(PayloadPacker, EachItemIsHeldToItsReadersCapacity) {
  struct Case {
    unsigned item;
    std::uint64_t size;
    bool fits;
  } const cases[] = {
      {200, 1048576, true},      {200, 1048577, false},     {109, 0, true},
      {109, 1048577, false},     {120, 1048576, true},      {124, 65535, true},
      {124, 65536, false},       {161, 65535, true},        {161, 65536, false},
      {1029, 12582912, true},    {1029, 12582913, false},   {1029, 2000000, true},
      {110, 141312, true},       {110, 141311, false},      {110, 141313, false},
      {110, 0, false},           {228, 20000000, true},     {235, 20000000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "item " << c.item << ", " << c.size << " bytes");
    EXPECT_EQ(c.fits, CheckPayloadSize(c.item, "file", c.size).empty());
  }
}

TEST(PayloadPacker, RefusalNamesTheItemAndTheFile) {
  const std::string font = CheckPayloadSize(110, "ChnBmp.bin", 141311);
  EXPECT_NE(std::string::npos, font.find("110")) << font;
  EXPECT_NE(std::string::npos, font.find("\"ChnBmp.bin\"")) << font;
  EXPECT_NE(std::string::npos, font.find("141311")) << font;
  const std::string licence = CheckPayloadSize(161, "license_en.txt", 65536);
  EXPECT_NE(std::string::npos, licence.find("license_en.txt")) << licence;
  EXPECT_NE(std::string::npos, licence.find("65535")) << licence;
}

TEST(PayloadPacker, CatalogueComesFromTheItemList) {
  const unsigned catalogue[] = {200, 201, 202, 203, 192, 177, 196, 120, 110,
                                197, 198, 199, 204, 205, 119, 109, 124, 161};
  for (const unsigned item : catalogue) EXPECT_TRUE(IsCatalogueItem(item)) << item;
  for (const unsigned item : {1029u, 228u, 235u, 0u, 103u}) EXPECT_FALSE(IsCatalogueItem(item)) << item;
}

}  // namespace
