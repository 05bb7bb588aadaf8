#include "IcoFile.h"

#include <cstdint>
#include <stdexcept>

namespace fq {
namespace {

constexpr int kDirectoryHeaderBytes = 6;
constexpr int kDirectoryEntryBytes = 16;
constexpr int kBitmapHeaderBytes = 40;

void AppendU8(QByteArray& bytes, int value) { bytes.append(static_cast<char>(value & 0xff)); }

void AppendU16(QByteArray& bytes, int value) {
    AppendU8(bytes, value);
    AppendU8(bytes, value >> 8);
}

void AppendU32(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) AppendU8(bytes, static_cast<int>(value >> shift));
}

int MaskRowBytes(int width) { return (width + 31) / 32 * 4; }

// The image as stored in an icon: a bitmap header whose height counts both
// the colour rows and the mask rows, the BGRA rows bottom-up, then the
// 1-bit mask rows bottom-up (set = transparent) for readers without alpha.
QByteArray IconBitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourBytes = width * height * 4;
    const int maskBytes = MaskRowBytes(width) * height;

    QByteArray bytes;
    bytes.reserve(kBitmapHeaderBytes + colourBytes + maskBytes);
    AppendU32(bytes, kBitmapHeaderBytes);
    AppendU32(bytes, static_cast<std::uint32_t>(width));
    AppendU32(bytes, static_cast<std::uint32_t>(2 * height));
    AppendU16(bytes, 1);   // planes
    AppendU16(bytes, 32);  // bits per pixel
    AppendU32(bytes, 0);   // uncompressed
    AppendU32(bytes, static_cast<std::uint32_t>(colourBytes + maskBytes));
    for (int unused = 0; unused < 4; ++unused) AppendU32(bytes, 0);  // resolution, palette

    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            AppendU8(bytes, qBlue(row[x]));
            AppendU8(bytes, qGreen(row[x]));
            AppendU8(bytes, qRed(row[x]));
            AppendU8(bytes, qAlpha(row[x]));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray mask(MaskRowBytes(width), '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) == 0) mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.append(mask);
    }
    return bytes;
}

void CheckFits(const QImage& image) {
    if (image.isNull() || image.width() != image.height() || image.width() > 256) {
        throw std::invalid_argument("icon images must be square and 1 to 256 pixels wide");
    }
}

}  // namespace

QByteArray IcoFileBytes(const std::vector<QImage>& images) {
    for (const QImage& image : images) CheckFits(image);
    QByteArray bytes;
    AppendU16(bytes, 0);  // reserved
    AppendU16(bytes, 1);  // an icon, not a cursor
    AppendU16(bytes, static_cast<int>(images.size()));

    std::vector<QByteArray> bitmaps;
    std::uint32_t offset = kDirectoryHeaderBytes + kDirectoryEntryBytes * static_cast<std::uint32_t>(images.size());
    for (const QImage& image : images) {
        bitmaps.push_back(IconBitmap(image));
        const int side = image.width() == 256 ? 0 : image.width();  // 0 stands for 256
        AppendU8(bytes, side);
        AppendU8(bytes, side);
        AppendU8(bytes, 0);   // no palette
        AppendU8(bytes, 0);   // reserved
        AppendU16(bytes, 1);  // planes
        AppendU16(bytes, 32);
        AppendU32(bytes, static_cast<std::uint32_t>(bitmaps.back().size()));
        AppendU32(bytes, offset);
        offset += static_cast<std::uint32_t>(bitmaps.back().size());
    }
    for (const QByteArray& bitmap : bitmaps) bytes.append(bitmap);
    return bytes;
}

}  // namespace fq
