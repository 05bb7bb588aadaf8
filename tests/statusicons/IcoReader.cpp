#include "IcoReader.h"

#include <QFile>
#include <stdexcept>

namespace fq::test {
namespace {

std::uint32_t Unsigned(const QByteArray& bytes, qsizetype offset, int count) {
    if (offset < 0 || offset + count > bytes.size()) throw std::runtime_error("icon file ends too early");
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

int Number(const QByteArray& bytes, qsizetype offset, int count) { return static_cast<int>(Unsigned(bytes, offset, count)); }

}  // namespace

IcoDirectory ReadIcoDirectory(const QByteArray& file) {
    IcoDirectory directory;
    directory.reserved = Number(file, 0, 2);
    directory.type = Number(file, 2, 2);
    const int count = Number(file, 4, 2);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        IcoEntry entry;
        entry.width = Number(file, at, 1) == 0 ? 256 : Number(file, at, 1);
        entry.height = Number(file, at + 1, 1) == 0 ? 256 : Number(file, at + 1, 1);
        entry.planes = Number(file, at + 4, 2);
        entry.bitCount = Number(file, at + 6, 2);
        entry.size = Unsigned(file, at + 8, 4);
        entry.offset = Unsigned(file, at + 12, 4);
        directory.entries.push_back(entry);
    }
    return directory;
}

IcoBitmap ReadIcoBitmap(const QByteArray& file, const IcoEntry& entry) {
    const qsizetype at = entry.offset;
    IcoBitmap bitmap;
    bitmap.headerSize = Number(file, at, 4);
    bitmap.width = Number(file, at + 4, 4);
    bitmap.height = Number(file, at + 8, 4);
    bitmap.planes = Number(file, at + 12, 2);
    bitmap.bitCount = Number(file, at + 14, 2);
    bitmap.compression = Number(file, at + 16, 4);

    const int width = entry.width;
    const int height = entry.height;
    const qsizetype colourStart = at + bitmap.headerSize;
    bitmap.colours = QImage(width, height, QImage::Format_ARGB32);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const qsizetype pixel = colourStart + (static_cast<qsizetype>(row) * width + x) * 4;
            bitmap.colours.setPixel(x, y, qRgba(Number(file, pixel + 2, 1), Number(file, pixel + 1, 1),
                                                Number(file, pixel, 1), Number(file, pixel + 3, 1)));
        }
    }

    const qsizetype maskStart = colourStart + static_cast<qsizetype>(width) * height * 4;
    const int maskRowBytes = (width + 31) / 32 * 4;
    bitmap.transparent.assign(height, std::vector<bool>(width, false));
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const int byte = Number(file, maskStart + static_cast<qsizetype>(row) * maskRowBytes + x / 8, 1);
            bitmap.transparent[y][x] = (byte & (0x80 >> (x % 8))) != 0;
        }
    }
    return bitmap;
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

}  // namespace fq::test
