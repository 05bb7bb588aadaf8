#include "PriorityStyle.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace fq {
namespace {

const std::array<PriorityColours, 5> kColours = {{
    {QColor(0x46, 0x52, 0x60), QColor(0x7f, 0x8c, 0x9c), QColor(0xe8, 0xeb, 0xef)},  // Lowest
    {QColor(0x1a, 0x4a, 0x8a), QColor(0x3d, 0x85, 0xd6), QColor(0xe1, 0xec, 0xfa)},  // Low
    {QColor(0x17, 0x62, 0x34), QColor(0x2f, 0xa0, 0x58), QColor(0xdf, 0xf3, 0xe5)},  // Normal
    {QColor(0x8a, 0x40, 0x00), QColor(0xeb, 0x86, 0x0c), QColor(0xfd, 0xee, 0xd9)},  // High
    {QColor(0x86, 0x0b, 0x1c), QColor(0xdc, 0x25, 0x3a), QColor(0xfb, 0xe2, 0xe5)},  // Critical
}};

int SlotOf(int priority) {
    if (priority < 1 || priority > 5) throw std::out_of_range("priority outside 1..5");
    return priority - 1;
}

// Mark corners sit on pixel centres, so that one-pixel lines at 16 px and
// their diagonals at 45 degrees fall on whole pixels instead of blurring.
QPointF OnPixelCentre(qreal x, qreal y) { return {std::floor(x) + 0.5, std::floor(y) + 0.5}; }

// A chevron two units wide on each side of `centre`, its tip at `tipY` and
// its arms ending `depth` below it (above it for a negative depth).
void AddChevron(QPainterPath& path, QPointF centre, qreal unit, qreal tipY, qreal depth) {
    path.moveTo(OnPixelCentre(centre.x() - 2 * unit, tipY + depth));
    path.lineTo(OnPixelCentre(centre.x(), tipY));
    path.lineTo(OnPixelCentre(centre.x() + 2 * unit, tipY + depth));
}

void AddBar(QPainterPath& path, QPointF centre, qreal unit, qreal y) {
    path.moveTo(OnPixelCentre(centre.x() - 2 * unit, y));
    path.lineTo(OnPixelCentre(centre.x() + 2 * unit, y));
}

}  // namespace

PriorityColours ColoursOfPriority(int priority) { return kColours[SlotOf(priority)]; }

QPainterPath MarkOfPriority(int priority, QPointF centre, qreal unit) {
    const int slot = SlotOf(priority);
    const qreal middle = centre.y();
    const qreal depth = 2 * unit;
    QPainterPath path;
    switch (slot) {
        case 0:
            AddChevron(path, centre, unit, middle - 0.5 * unit, -depth);
            AddChevron(path, centre, unit, middle + 2.5 * unit, -depth);
            break;
        case 1: AddChevron(path, centre, unit, middle + unit, -depth); break;
        case 2:
            AddBar(path, centre, unit, middle - unit);
            AddBar(path, centre, unit, middle + unit);
            break;
        case 3: AddChevron(path, centre, unit, middle - unit, depth); break;
        default:
            AddChevron(path, centre, unit, middle - 2.5 * unit, depth);
            AddChevron(path, centre, unit, middle + 0.5 * unit, depth);
            break;
    }
    return path;
}

}  // namespace fq
