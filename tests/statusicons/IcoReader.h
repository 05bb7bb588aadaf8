#pragma once
// Reads .ico files back for the tests: the directory, each image's bitmap,
// and its transparency mask, straight from the bytes.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <vector>

namespace fq::test {

struct IcoEntry {
    int width = 0;  // 256 where the directory stores 0
    int height = 0;
    int planes = 0;
    int bitCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

struct IcoDirectory {
    int reserved = -1;
    int type = -1;
    std::vector<IcoEntry> entries;
};

struct IcoBitmap {
    int headerSize = 0;
    int width = 0;
    int height = 0;  // as stored: colour rows plus mask rows
    int planes = 0;
    int bitCount = 0;
    int compression = -1;
    QImage colours;                  // ARGB32, top row first
    std::vector<std::vector<bool>> transparent;  // from the mask, [y][x], top row first
};

// std::runtime_error when the bytes end too early.
IcoDirectory ReadIcoDirectory(const QByteArray& file);
IcoBitmap ReadIcoBitmap(const QByteArray& file, const IcoEntry& entry);
QByteArray ReadWholeFile(const QString& path);

}  // namespace fq::test
