#include "ShellIcons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QPixmap>

#include "StatusIcons.h"
#include "folders.h"
#include "integertext.h"
#include "profile.h"

namespace fq {
namespace {

// The status picture a marker names: IconIndex of an IconFile "res.icl".
QIcon MarkerIcon(const QString& folder) {
    const std::string ini = folder.toStdString() + platform::kPathSeparator + "desktop.ini";
    const std::string iconFile = platform::ReadProfileValue(ini, ".ShellCLassInfo", "IconFile", "");
    int index = -1;
    if (!iconFile.ends_with("res.icl") ||
        !platform::TryTextToInt(platform::ReadProfileValue(ini, ".ShellCLassInfo", "IconIndex", ""), index) || index < 0 ||
        index >= kStatusIconCount)
        return {};
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(StatusIconImage(index, size)));
    return icon;
}

}  // namespace

QIcon ShellIcon(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return {};
    if (info.isDir()) {
        const QIcon marker = MarkerIcon(path);
        if (!marker.isNull()) return marker;
    }
    static const QFileIconProvider provider;
    return provider.icon(info);
}

}  // namespace fq
