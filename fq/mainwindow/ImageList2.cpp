#include "ImageList2.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace fq {
namespace {

const QColor kOutline(60, 60, 72);
const QColor kProjectBlue(66, 110, 190);
const QColor kPaper(250, 250, 246);
const QColor kAdd(46, 150, 70);
const QColor kRemove(200, 48, 48);

// A briefcase: the sign of a project.
void DrawProject(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kProjectBlue);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 8.5), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 2.5, 5, 3), 1, 1);
    p.setPen(QPen(QColor(230, 236, 250), 1));
    p.drawLine(QPointF(2.5, 9.5), QPointF(13.5, 9.5));
}

// A sheet with a tick and lines: the sign of a task.
void DrawTask(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 1.5, 10, 13));
    p.setPen(QPen(kAdd, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(4, 5);
    tick.lineTo(5.5, 6.5);
    tick.lineTo(8, 3.5);
    p.drawPath(tick);
    p.setPen(QPen(QColor(120, 120, 130), 1));
    for (double y : {9.5, 11.5}) p.drawLine(QPointF(4.5, y), QPointF(10.5, y));
}

void DrawFolder(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(236, 190, 80));
    QPainterPath folder;
    folder.moveTo(1.5, 3.5);
    folder.lineTo(6, 3.5);
    folder.lineTo(7.5, 5);
    folder.lineTo(14.5, 5);
    folder.lineTo(14.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.drawPath(folder);
}

// A round badge at the lower right with a plus or a minus.
void DrawBadge(QPainter& p, const QColor& colour, bool plus) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(10, 12), QPointF(14, 12));
    if (plus) p.drawLine(QPointF(12, 10), QPointF(12, 14));
}

void DrawCross(QPainter& p) {
    p.setPen(QPen(kRemove, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

// A pencil over a sheet: editing properties.
void DrawEdit(QPainter& p) {
    DrawTask(p);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(240, 180, 60));
    QPainterPath pencil;
    pencil.moveTo(6, 14);
    pencil.lineTo(7, 11);
    pencil.lineTo(14, 4);
    pencil.lineTo(16, 6);
    pencil.lineTo(9, 13);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

QPixmap Draw(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
        case kProjectImage: DrawProject(p); break;
        case kTaskImage: DrawTask(p); break;
        case kAddItemImage: DrawFolder(p); DrawBadge(p, kAdd, true); break;
        case kRemoveItemImage: DrawCross(p); break;
        case kRemoveTaskImage: DrawTask(p); DrawBadge(p, kRemove, false); break;
        case kRemoveProjectImage: DrawProject(p); DrawBadge(p, kRemove, false); break;
        case kEditImage: DrawEdit(p); break;
        default: return {};
    }
    return pixmap;
}

}  // namespace

QIcon ImageList2(int index) {
    static QHash<int, QIcon> drawn;
    auto found = drawn.find(index);
    if (found == drawn.end()) {
        const QPixmap pixmap = Draw(index);
        found = drawn.insert(index, pixmap.isNull() ? QIcon() : QIcon(pixmap));
    }
    return *found;
}

}  // namespace fq
