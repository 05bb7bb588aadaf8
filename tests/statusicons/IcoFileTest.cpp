// The .ico writer: its directory, its bitmaps and their masks, read back
// byte by byte.
#include <gtest/gtest.h>

#include <QImage>
#include <stdexcept>
#include <vector>

#include "IcoFile.h"
#include "IcoReader.h"

namespace fq {
namespace {

using test::IcoBitmap;
using test::IcoDirectory;
using test::ReadIcoBitmap;
using test::ReadIcoDirectory;

// Every pixel different in each channel, the left quarter fully transparent
// and the next column half transparent, so that swapped channels, rows or
// columns, or a lost alpha show.
QImage Pattern(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int alpha = x < size / 4 ? 0 : x == size / 4 ? 128 : 255;
            image.setPixel(x, y, qRgba((x * 7 + y) % 256, (y * 13 + 5) % 256, (x * 3 + y * 5 + 9) % 256, alpha));
        }
    }
    return image;
}

TEST(IcoFile, DirectoryListsTheImagesInOrderWithTheirPlaceInTheFile) {
    const QByteArray file = IcoFileBytes({Pattern(16), Pattern(32), Pattern(48)});
    const IcoDirectory directory = ReadIcoDirectory(file);
    EXPECT_EQ(directory.reserved, 0);
    EXPECT_EQ(directory.type, 1);
    ASSERT_EQ(directory.entries.size(), 3u);

    std::uint32_t expectedOffset = 6 + 3 * 16;
    const int sides[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        const test::IcoEntry& entry = directory.entries[i];
        SCOPED_TRACE(sides[i]);
        EXPECT_EQ(entry.width, sides[i]);
        EXPECT_EQ(entry.height, sides[i]);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitCount, 32);
        EXPECT_EQ(entry.offset, expectedOffset);
        const std::uint32_t maskBytes = (sides[i] + 31) / 32 * 4 * sides[i];
        EXPECT_EQ(entry.size, 40u + 4u * sides[i] * sides[i] + maskBytes);
        expectedOffset += entry.size;
    }
    EXPECT_EQ(expectedOffset, static_cast<std::uint32_t>(file.size()));
}

TEST(IcoFile, BitmapsHoldEveryPixelWithItsAlphaAndAMaskOfTheTransparentOnes) {
    const std::vector<QImage> images = {Pattern(16), Pattern(33), Pattern(48)};
    const QByteArray file = IcoFileBytes(images);
    const IcoDirectory directory = ReadIcoDirectory(file);
    ASSERT_EQ(directory.entries.size(), images.size());

    for (std::size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        SCOPED_TRACE(side);
        const IcoBitmap bitmap = ReadIcoBitmap(file, directory.entries[i]);
        EXPECT_EQ(bitmap.headerSize, 40);
        EXPECT_EQ(bitmap.width, side);
        EXPECT_EQ(bitmap.height, 2 * side);
        EXPECT_EQ(bitmap.planes, 1);
        EXPECT_EQ(bitmap.bitCount, 32);
        EXPECT_EQ(bitmap.compression, 0);
        EXPECT_EQ(bitmap.colours, images[i]);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                EXPECT_EQ(bitmap.transparent[y][x], qAlpha(images[i].pixel(x, y)) == 0) << x << "," << y;
            }
        }
    }
}

TEST(IcoFile, TakesImagesOfEveryPixelFormat) {
    const QImage straight = Pattern(16);
    const QByteArray file = IcoFileBytes({straight.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
    const IcoBitmap bitmap = ReadIcoBitmap(file, ReadIcoDirectory(file).entries.at(0));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb expected = straight.pixel(x, y);
            const QRgb stored = bitmap.colours.pixel(x, y);
            ASSERT_EQ(qAlpha(stored), qAlpha(expected)) << x << "," << y;
            if (qAlpha(expected) == 255) {
                ASSERT_EQ(stored, expected) << x << "," << y;
            }
        }
    }
}

TEST(IcoFile, StoresTheWidthOf256AsZero) {
    const QByteArray file = IcoFileBytes({Pattern(256)});
    EXPECT_EQ(static_cast<unsigned char>(file[6]), 0);
    EXPECT_EQ(static_cast<unsigned char>(file[7]), 0);
    EXPECT_EQ(ReadIcoBitmap(file, ReadIcoDirectory(file).entries.at(0)).colours, Pattern(256));
}

TEST(IcoFile, RefusesImagesThatAnIconCannotHold) {
    const QImage refused[] = {QImage(), QImage(16, 32, QImage::Format_ARGB32), Pattern(257)};
    for (const QImage& image : refused) {
        EXPECT_THROW(IcoFileBytes({Pattern(16), image}), std::invalid_argument) << image.width() << "x" << image.height();
    }
}

}  // namespace
}  // namespace fq
