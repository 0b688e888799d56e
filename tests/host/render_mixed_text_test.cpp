// The walk over mixed text: widths, pen positions and which bytes go through the font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/mixed_text.h"

namespace {

struct Operation {
    char Kind;  // 'B' single byte drawn, 'G' glyph cell copied
    int X, Y;
    int Byte;
    int Page, CellX, CellY;
    bool operator==(const Operation& o) const {
        return Kind == o.Kind && X == o.X && Y == o.Y && Byte == o.Byte && Page == o.Page && CellX == o.CellX &&
               CellY == o.CellY;
    }
};

std::ostream& operator<<(std::ostream& out, const Operation& o) {
    return out << o.Kind << "(" << o.X << "," << o.Y << ") byte " << o.Byte << " cell " << o.Page << ":" << o.CellX
               << "," << o.CellY;
}

Operation Byte(int x, int y, char byte) { return {'B', x, y, static_cast<unsigned char>(byte), 0, 0, 0}; }
Operation Glyph(int x, int y, std::uint16_t code) {
    const GlyphLocation at = LocateGlyph(code);
    return {'G', x, y, 0, at.Page, at.X, at.Y};
}

// Single bytes are as wide as their value's last digit plus 3, except 'x', which cannot be measured.
class RecordingDevice final : public MixedTextDevice {
public:
    static int WidthOf(char byte) { return byte == 'x' ? 0 : static_cast<unsigned char>(byte) % 10 + 3; }
    int MeasureByte(char byte) override {
        Measured.push_back(byte);
        return WidthOf(byte);
    }
    void DrawByte(int x, int y, char byte) override { Drawn.push_back(Byte(x, y, byte)); }
    void CopyGlyph(int x, int y, GlyphLocation cell) override {
        Drawn.push_back({'G', x, y, 0, cell.Page, cell.X, cell.Y});
    }
    std::string Measured;
    std::vector<Operation> Drawn;
};

TEST(MixedText, ChineseThenLatin) {
    const char* text = "下一步 Next";
    RecordingDevice device;
    const int latin = RecordingDevice::WidthOf(' ') + RecordingDevice::WidthOf('N') + RecordingDevice::WidthOf('e') +
                      RecordingDevice::WidthOf('x') + RecordingDevice::WidthOf('t');
    EXPECT_EQ(MeasureMixedWidth(device, text), 48 + latin);
    EXPECT_EQ(device.Measured, " Next");

    RecordingDevice drawing;
    EXPECT_EQ(DrawMixedWidth(drawing, 10, 20, text), 48 + latin);
    const int space = RecordingDevice::WidthOf(' '), n = RecordingDevice::WidthOf('N'), e = RecordingDevice::WidthOf('e');
    const std::vector<Operation> expected = {
        Glyph(10, 20, 0xCFC2), Glyph(26, 20, 0xD2BB), Glyph(42, 20, 0xB2BD),
        Byte(58, 21, ' '), Byte(58 + space, 21, 'N'), Byte(58 + space + n, 21, 'e'),
        Byte(58 + space + n + e, 21, 'x'), Byte(58 + space + n + e, 21, 't'),  // 'x' advances 0
    };
    EXPECT_EQ(drawing.Drawn, expected);
}

// The last lead byte pairs with the terminator; the bytes stored after it are never looked at.
TEST(MixedText, TrailingLeadBytePairsWithTheTerminator) {
    const char text[] = {'A', '\xB0', '\0', 'Z', '\xB0', 'Z', '\0'};
    RecordingDevice device;
    EXPECT_EQ(MeasureMixedWidth(device, text), RecordingDevice::WidthOf('A') + 16);
    EXPECT_EQ(device.Measured, "A");
    EXPECT_EQ(DrawMixedWidth(device, 0, 0, text), RecordingDevice::WidthOf('A') + 16);
    const std::vector<Operation> expected = {Byte(0, 1, 'A'), Glyph(RecordingDevice::WidthOf('A'), 0, 0xB000)};
    EXPECT_EQ(device.Drawn, expected);
}

// High bytes are glyphs on every code page: an accented Latin-1 letter takes the next byte along.
TEST(MixedText, HighBytesNeverGoThroughTheFont) {
    for (int high = 0x80; high <= 0xFF; ++high) {
        const char text[] = {static_cast<char>(high), 'a', 'b', '\0'};
        RecordingDevice device;
        EXPECT_EQ(MeasureMixedWidth(device, text), 16 + RecordingDevice::WidthOf('b'));
        EXPECT_EQ(DrawMixedWidth(device, 5, 7, text), 16 + RecordingDevice::WidthOf('b'));
        EXPECT_EQ(device.Measured, "bb") << high;
        const std::vector<Operation> expected = {Glyph(5, 7, static_cast<std::uint16_t>(high << 8 | 'a')),
                                                 Byte(21, 8, 'b')};
        EXPECT_EQ(device.Drawn, expected) << high;
    }
}

TEST(MixedText, EmptyAndNullTextsDrawNothing) {
    for (const char* text : {"", static_cast<const char*>(nullptr)}) {
        RecordingDevice device;
        EXPECT_EQ(MeasureMixedWidth(device, text), 0);
        EXPECT_EQ(DrawMixedWidth(device, 3, 4, text), 0);
        EXPECT_TRUE(device.Measured.empty());
        EXPECT_TRUE(device.Drawn.empty());
    }
}

TEST(MixedText, WholeCharacterLengthDropsASplitPair) {
    struct Case {
        const char* Text;
        int Length;
        int Whole;
    };
    const Case cases[] = {
        {"abcdef", 4, 4},
        {"ab\xB0\xA1" "cd", 3, 2},   // cut between lead and trail
        {"ab\xB0\xA1" "cd", 4, 4},   // cut after the pair
        {"\xB0\xA1\xB0\xA1", 3, 2},
        {"a\xB0\xA1\xB0\xA1", 4, 3},
        {"\x80\xFF" "a", 1, 0},      // any high byte leads, also 0x80 and 0xFF trails
        {"\x41\x80\x41", 2, 1},
        {"", 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(WholeCharacterLength(c.Text, c.Length), c.Whole) << c.Text;
}

}  // namespace
