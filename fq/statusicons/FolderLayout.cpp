#include "FolderLayout.h"

#include <algorithm>
#include <cmath>

namespace fq {
namespace {

int Scaled(int size, double sixteenths) { return static_cast<int>(std::lround(size * sixteenths / 16.0)); }

}  // namespace

// Measures are in sixteenths of the size, so that 16 px is the unit grid.
FolderLayout LayoutForSize(int size) {
    const qreal unit = size / 16.0;
    const int outline = std::max(1, Scaled(size, 0.8));
    const int interiorHeight = std::max(10, size * 10 / 16 / 10 * 10);
    const int tabHeight = std::max(2, Scaled(size, 2));
    const int margin = Scaled(size, 0.4);
    const int height = tabHeight + interiorHeight + 2 * outline;
    const int top = (size - height + 1) / 2;

    FolderLayout layout;
    layout.body = QRectF(margin, top + tabHeight, size - 2 * margin, interiorHeight + 2 * outline);
    layout.tab = QRectF(margin, top, size * 0.42, tabHeight + outline);
    layout.interior = QRect(margin + outline, top + tabHeight + outline, size - 2 * margin - 2 * outline, interiorHeight);
    layout.corner = unit;

    const qreal badgeSide = 9 * unit;
    layout.badge = QRectF(size - badgeSide, size - badgeSide, badgeSide, badgeSide);
    layout.badgeGap = std::max<qreal>(1, 0.7 * unit);
    layout.unit = unit;
    layout.stroke = 1.25 * unit;
    return layout;
}

QRect FilledPart(const FolderLayout& layout, int progress) {
    const QRect& interior = layout.interior;
    const int rows = interior.height() * progress / 10;
    return QRect(interior.left(), interior.top() + interior.height() - rows, interior.width(), rows);
}

}  // namespace fq
