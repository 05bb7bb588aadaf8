#include "StatusPictureList.h"

#include <stdexcept>
#include <string>

// The pictures live in this static library; a program that links it keeps
// them only when something calls their initialiser. It must be named outside
// any namespace.
static void RegisterStatusPictureResources() { Q_INIT_RESOURCE(statusicons); }

namespace fq {

StatusPictureList::StatusPictureList() {
    static const bool registered = (RegisterStatusPictureResources(), true);
    (void)registered;
    for (int index = 0; index < kStatusIconCount; ++index) {
        QPixmap& picture = pictures_[static_cast<std::size_t>(index)];
        if (!picture.load(ResourcePath(index))) {
            throw std::logic_error("status picture " + ResourcePath(index).toStdString() + " is not embedded");
        }
    }
}

const QPixmap& StatusPictureList::Picture(int index) const {
    if (index < 0 || index >= kStatusIconCount) {
        throw std::out_of_range("no status picture " + std::to_string(index));
    }
    return pictures_[static_cast<std::size_t>(index)];
}

QString StatusPictureList::ResourcePath(int index) {
    return QString(":/statusicons/status-%1.png").arg(index, 2, 10, QChar('0'));
}

}  // namespace fq
