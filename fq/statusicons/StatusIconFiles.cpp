#include "StatusIconFiles.h"

#include <QDir>
#include <QSaveFile>
#include <array>
#include <stdexcept>
#include <vector>

#include "ContactSheet.h"
#include "IcoFile.h"
#include "StatusIcons.h"

namespace fq {
namespace {

constexpr int kDialogSize = 32;
constexpr std::array<int, 3> kIconSizes = {16, 32, 48};

void MakeFolder(const QString& path) {
    if (!QDir().mkpath(path)) throw std::runtime_error("cannot create the folder " + path.toStdString());
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void WritePng(const QString& path, const QImage& image) {
    if (!image.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

QString QrcText() {
    QString text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/statusicons\">\n";
    for (int index = 0; index < kStatusIconCount; ++index) {
        const QString name = StatusIconStem(index) + ".png";
        text += QString("  <file alias=\"%1\">png/%1</file>\n").arg(name);
    }
    return text + "</qresource>\n</RCC>\n";
}

// The file manager counts the icon groups of a library in the order of its
// resource directory, which sorts numeric IDs upwards: ID N + 1 is icon N.
QString RcText() {
    QString text = "// Status icons in index order: resource ID N + 1 holds status picture N.\n";
    for (int index = 0; index < kStatusIconCount; ++index) {
        text += QString("%1 ICON \"ico/%2.ico\"\n").arg(index + 1).arg(StatusIconStem(index));
    }
    return text;
}

}  // namespace

QString StatusIconStem(int index) { return QString("status-%1").arg(index, 2, 10, QChar('0')); }

void WriteDialogPictures(const QString& folder) {
    MakeFolder(folder + "/png");
    for (int index = 0; index < kStatusIconCount; ++index) {
        WritePng(folder + "/png/" + StatusIconStem(index) + ".png", StatusIconImage(index, kDialogSize));
    }
    WriteBytes(folder + "/statusicons.qrc", QrcText().toUtf8());
}

void WriteIconFiles(const QString& folder) {
    MakeFolder(folder + "/ico");
    for (int index = 0; index < kStatusIconCount; ++index) {
        std::vector<QImage> images;
        for (int size : kIconSizes) images.push_back(StatusIconImage(index, size));
        WriteBytes(folder + "/ico/" + StatusIconStem(index) + ".ico", IcoFileBytes(images));
    }
    WriteBytes(folder + "/statusicons.rc", RcText().toUtf8());
}

void WriteContactSheet(const QString& folder) {
    WritePng(folder + "/status-sheet.png", ContactSheet(std::vector<int>(kIconSizes.begin(), kIconSizes.end())));
}

}  // namespace fq
