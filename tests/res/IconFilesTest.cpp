// The committed .ico files, as generated from res/icons: sizes, colour depth,
// palette, transparency and the colours each picture may use.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kTransparent = -1;

struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    int colorCount = 0;
    std::array<std::uint32_t, 16> palette{}; // 0xRRGGBB
    std::vector<std::vector<int>> pixels;    // palette index, or kTransparent; top row first
};

class Bytes {
public:
    explicit Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            throw std::runtime_error("cannot read " + path);
        }
        data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    unsigned U8(std::size_t at) const {
        if (at >= data_.size()) {
            throw std::runtime_error("icon file too short");
        }
        return static_cast<unsigned char>(data_[at]);
    }
    unsigned U16(std::size_t at) const { return U8(at) | U8(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::size_t Size() const { return data_.size(); }

private:
    std::vector<char> data_;
};

IconImage ReadImage(const Bytes& file, std::size_t entry) {
    IconImage image;
    image.width = static_cast<int>(file.U8(entry));
    image.height = static_cast<int>(file.U8(entry + 1));
    image.colorCount = static_cast<int>(file.U8(entry + 2));
    image.bitCount = static_cast<int>(file.U16(entry + 6));
    const std::size_t bytes = file.U32(entry + 8);
    const std::size_t at = file.U32(entry + 12);
    EXPECT_LE(at + bytes, file.Size());
    EXPECT_EQ(file.U32(at), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(file.U32(at + 4), static_cast<std::uint32_t>(image.width));
    EXPECT_EQ(file.U32(at + 8), static_cast<std::uint32_t>(image.height * 2)) << "colour + mask";
    EXPECT_EQ(file.U16(at + 14), static_cast<unsigned>(image.bitCount));
    if (image.bitCount != 4) {
        return image;
    }
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t quad = at + 40 + 4 * i;
        image.palette[i] = file.U8(quad + 2) << 16 | file.U8(quad + 1) << 8 | file.U8(quad);
    }
    const std::size_t colourRow = static_cast<std::size_t>((image.width * 4 + 31) / 32 * 4);
    const std::size_t maskRow = static_cast<std::size_t>((image.width + 31) / 32 * 4);
    const std::size_t colourBits = at + 40 + 64;
    const std::size_t maskBits = colourBits + colourRow * static_cast<std::size_t>(image.height);
    EXPECT_EQ(40 + 64 + (colourRow + maskRow) * static_cast<std::size_t>(image.height), bytes);
    for (int y = image.height - 1; y >= 0; --y) { // bottom-up
        const std::size_t row = static_cast<std::size_t>(image.height - 1 - y);
        std::vector<int> line;
        for (int x = 0; x < image.width; ++x) {
            const std::size_t col = static_cast<std::size_t>(x);
            const unsigned mask = file.U8(maskBits + row * maskRow + col / 8) >> (7 - col % 8) & 1u;
            const unsigned pair = file.U8(colourBits + row * colourRow + col / 2);
            const int index = static_cast<int>(col % 2 == 0 ? pair >> 4 : pair & 0xFu);
            line.push_back(mask != 0 ? kTransparent : index);
        }
        image.pixels.insert(image.pixels.begin(), line);
    }
    return image;
}

std::vector<IconImage> ReadIcon(const std::string& name) {
    const Bytes file(std::string(KESTROW_RES_DIR) + "/" + name);
    EXPECT_EQ(file.U16(0), 0u);
    EXPECT_EQ(file.U16(2), 1u) << "icon, not cursor";
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < file.U16(4); ++i) {
        images.push_back(ReadImage(file, 6 + 16 * i));
    }
    return images;
}

std::set<int> ColoursUsed(const IconImage& image) {
    std::set<int> used;
    for (const auto& row : image.pixels) {
        used.insert(row.begin(), row.end());
    }
    return used;
}

constexpr std::array<std::uint32_t, 16> kVgaPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kBlack = 0;
constexpr int kDarkGreen = 2;
constexpr int kLightGrey = 7;
constexpr int kRed = 9;

struct IconCase {
    const char* file;
    std::vector<int> sizes;
    std::set<int> colours; // palette indices and kTransparent
};

TEST(IconFiles, SizesDepthAndColours) {
    const IconCase cases[] = {
        // Green disc with the open numeral, red arrow, transparent around them.
        {"Kestrow.ico", {32, 16}, {kTransparent, kDarkGreen, kRed}},
        // Black line drawings on an opaque light grey.
        {"SkewHorz.ico", {32}, {kBlack, kLightGrey}},
        {"SkewVert.ico", {32}, {kBlack, kLightGrey}},
    };
    for (const IconCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<IconImage> images = ReadIcon(c.file);
        ASSERT_EQ(images.size(), c.sizes.size());
        for (std::size_t i = 0; i < images.size(); ++i) {
            const IconImage& image = images[i];
            SCOPED_TRACE(image.width);
            EXPECT_EQ(image.width, c.sizes[i]);
            EXPECT_EQ(image.height, c.sizes[i]);
            ASSERT_EQ(image.bitCount, 4);
            EXPECT_EQ(image.colorCount, 16);
            EXPECT_EQ(image.palette, kVgaPalette);
            EXPECT_EQ(ColoursUsed(image), c.colours);
        }
    }
}

TEST(IconFiles, ApplicationIconHasTransparentCornersAndOpenNumeral) {
    for (const IconImage& image : ReadIcon("Kestrow.ico")) {
        SCOPED_TRACE(image.width);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.height));
        const std::size_t last = static_cast<std::size_t>(image.width - 1);
        EXPECT_EQ(image.pixels[0][0], kTransparent);
        EXPECT_EQ(image.pixels[last][0], kTransparent);
        EXPECT_EQ(image.pixels[last][last], kTransparent);
        // Some pixel inside the disc's rows is open: the numeral.
        const std::size_t mid = last / 2 + 1;
        const auto& row = image.pixels[mid];
        const auto firstGreen = std::find(row.begin(), row.end(), kDarkGreen);
        const auto lastGreen = std::find(row.rbegin(), row.rend(), kDarkGreen).base();
        ASSERT_NE(firstGreen, row.end());
        EXPECT_NE(std::find(firstGreen, lastGreen, kTransparent), lastGreen);
    }
}

} // namespace
