#pragma once
// The Windows icon file format (.ico), written without help from Qt's image
// plugins so that every Windows version reads it: one 32-bit bitmap with an
// alpha channel and a transparency mask per image.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace fq {

// The bytes of an .ico file holding `images` in the given order. Each image
// must be square, 1 to 256 pixels wide; std::invalid_argument otherwise.
QByteArray IcoFileBytes(const std::vector<QImage>& images);

}  // namespace fq
