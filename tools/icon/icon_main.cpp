// Draws the setup's icon, a speech bubble with a sound level on a blue disc, as a 32 and 16 pixel .ico.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Colour {
    double R, G, B, A;
};

// Coverage of one shape at a point of the unit square (0..1 both ways, y down).
bool InDisc(double x, double y)
{
    const double dx = x - 0.5, dy = y - 0.5;
    return dx * dx + dy * dy <= 0.47 * 0.47;
}

bool InBubble(double x, double y)
{
    const double dx = (x - 0.5) / 0.33, dy = (y - 0.44) / 0.24;
    if (dx * dx + dy * dy <= 1.0) return true;
    // The tail: a triangle under the bubble's left half.
    return y >= 0.6 && y <= 0.8 && x >= 0.3 && x <= 0.45 - (y - 0.6) * 0.6;
}

bool InLevelBars(double x, double y)
{
    static const double heights[] = {0.10, 0.20, 0.28, 0.16, 0.08};
    for (int i = 0; i < 5; ++i) {
        const double left = 0.33 + i * 0.07;
        const double half = heights[i] / 2;
        if (x >= left && x < left + 0.045 && y >= 0.44 - half && y <= 0.44 + half) return true;
    }
    return false;
}

Colour ColourAt(double x, double y)
{
    const Colour blue{0x1E, 0x5A, 0xA8, 255};
    const Colour white{255, 255, 255, 255};
    if (!InDisc(x, y)) return {0, 0, 0, 0};
    if (InLevelBars(x, y)) return blue;
    if (InBubble(x, y)) return white;
    return blue;
}

// One image: BITMAPINFOHEADER, bottom-up BGRA pixels, then the AND mask.
std::vector<uint8_t> DrawImage(int size)
{
    constexpr int Samples = 4;
    std::vector<uint8_t> out;
    auto put32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&out](uint16_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    const int maskStride = ((size + 31) / 32) * 4;
    put32(40);
    put32(static_cast<uint32_t>(size));
    put32(static_cast<uint32_t>(size * 2));  // colour rows and mask rows
    put16(1);
    put16(32);
    put32(0);
    put32(static_cast<uint32_t>(size * size * 4 + maskStride * size));
    put32(0);
    put32(0);
    put32(0);
    put32(0);

    std::vector<uint8_t> mask(static_cast<size_t>(maskStride * size), 0);
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            Colour sum{0, 0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const Colour c = ColourAt((column + (sx + 0.5) / Samples) / size, (row + (sy + 0.5) / Samples) / size);
                    sum.R += c.R * c.A;
                    sum.G += c.G * c.A;
                    sum.B += c.B * c.A;
                    sum.A += c.A;
                }
            }
            const double alpha = sum.A / (Samples * Samples);
            const double weight = sum.A > 0 ? sum.A : 1;
            out.push_back(static_cast<uint8_t>(std::lround(sum.B / weight)));
            out.push_back(static_cast<uint8_t>(std::lround(sum.G / weight)));
            out.push_back(static_cast<uint8_t>(std::lround(sum.R / weight)));
            out.push_back(static_cast<uint8_t>(std::lround(alpha)));
            if (alpha < 128) {
                const int maskRow = size - 1 - row;
                mask[static_cast<size_t>(maskRow * maskStride + column / 8)] |= static_cast<uint8_t>(0x80 >> (column % 8));
            }
        }
    }
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vocalith_icon OUTPUT.ico\n");
        return 2;
    }
    const int sizes[] = {32, 16};
    std::vector<std::vector<uint8_t>> images;
    for (const int size : sizes) images.push_back(DrawImage(size));

    std::vector<uint8_t> file = {0, 0, 1, 0, static_cast<uint8_t>(images.size()), 0};
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const uint32_t length = static_cast<uint32_t>(images[i].size());
        const uint8_t entry[16] = {static_cast<uint8_t>(sizes[i]), static_cast<uint8_t>(sizes[i]), 0, 0, 1, 0, 32, 0,
                                   static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                                   static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24),
                                   static_cast<uint8_t>(offset), static_cast<uint8_t>(offset >> 8),
                                   static_cast<uint8_t>(offset >> 16), static_cast<uint8_t>(offset >> 24)};
        file.insert(file.end(), entry, entry + 16);
        offset += length;
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

    FILE* output = std::fopen(argv[1], "wb");
    if (!output) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), output) == file.size();
    if (std::fclose(output) != 0 || !written) {
        std::fprintf(stderr, "vocalith_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
