#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <stdexcept>

#include "FolderLayout.h"
#include "PriorityStyle.h"
#include "StatusIcons.h"

namespace fq {
namespace {

QPainterPath TabShape(const FolderLayout& layout) {
    const QRectF& tab = layout.tab;
    const qreal slant = tab.height() * 0.6;
    QPainterPath path;
    path.moveTo(tab.left(), tab.bottom());
    path.lineTo(tab.left(), tab.top() + layout.corner);
    path.quadTo(tab.left(), tab.top(), tab.left() + layout.corner, tab.top());
    path.lineTo(tab.right() - slant, tab.top());
    path.lineTo(tab.right(), tab.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void DrawFolder(QPainter& painter, const FolderLayout& layout, const PriorityColours& colours, int progress) {
    const qreal innerCorner = std::max<qreal>(0, layout.corner - 1);
    const QPainterPath interior = RoundedRect(layout.interior, innerCorner);
    painter.fillPath(TabShape(layout), colours.ink);
    painter.fillPath(RoundedRect(layout.body, layout.corner), colours.ink);
    painter.fillPath(interior, colours.paper);
    painter.save();
    painter.setClipPath(interior);
    painter.fillRect(FilledPart(layout, progress), colours.fill);
    painter.restore();
}

// The badge sits in a transparent ring cut out of the folder, so that it
// stays apart from the folder on any background and at any fill level.
void DrawBadge(QPainter& painter, const FolderLayout& layout, const PriorityColours& colours, int priority) {
    const qreal gap = layout.badgeGap;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(layout.badge.adjusted(-gap, -gap, gap, gap));
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ink);
    painter.drawEllipse(layout.badge);
    painter.strokePath(MarkOfPriority(priority, layout.badge.center(), layout.unit),
                       QPen(Qt::white, layout.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace

QImage StatusIconImage(int index, int size) {
    if (index < 0 || index >= kStatusIconCount) throw std::out_of_range("status icon index outside 0..54");
    if (size < 16) throw std::invalid_argument("status icons are drawn at 16 pixels or more");
    const int priority = StatusIconPriority(index);
    const int progress = StatusIconProgress(index);
    const FolderLayout layout = LayoutForSize(size);
    const PriorityColours colours = ColoursOfPriority(priority);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawFolder(painter, layout, colours, progress);
    DrawBadge(painter, layout, colours, priority);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace fq
