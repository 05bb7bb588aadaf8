#pragma once
// The task dialog's 55 status pictures, 32 × 32, embedded in the program and
// kept in StatusIconIndex order.
#include <QPixmap>
#include <QString>
#include <array>

#include "StatusIcons.h"

namespace fq {

class StatusPictureList {
public:
    // Reads every picture from the embedded resources; std::logic_error when
    // one is missing, which means the pictures were not built into the program.
    StatusPictureList();

    // std::out_of_range outside 0..54.
    const QPixmap& Picture(int index) const;

    // Where picture `index` lies among the embedded resources.
    static QString ResourcePath(int index);

private:
    std::array<QPixmap, kStatusIconCount> pictures_;
};

}  // namespace fq
