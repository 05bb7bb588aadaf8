#include "ContactSheet.h"

#include <QPainter>
#include <algorithm>

#include "StatusIcons.h"

namespace fq {
namespace {

constexpr int kRows = kHighestPriority - kLowestPriority + 1;
constexpr int kEnlargement = 4;

QImage Grid(int size, const QColor& background) {
    const int cell = size + size / 2;
    QImage grid(cell * kProgressSteps, cell * kRows, QImage::Format_ARGB32_Premultiplied);
    grid.fill(background);
    QPainter painter(&grid);
    for (int index = 0; index < kStatusIconCount; ++index) {
        const QPoint cellCorner(StatusIconProgress(index) * cell, (StatusIconPriority(index) - kLowestPriority) * cell);
        painter.drawImage(cellCorner + QPoint(size / 4, size / 4), StatusIconImage(index, size));
    }
    return grid;
}

}  // namespace

QImage ContactSheet(const std::vector<int>& sizes) {
    std::vector<QImage> panels;
    for (int size : sizes) {
        panels.push_back(Grid(size, QColor(0xff, 0xff, 0xff)));
        panels.push_back(Grid(size, QColor(0x20, 0x20, 0x20)));
    }
    const int smallest = *std::min_element(sizes.begin(), sizes.end());
    const QImage small = Grid(smallest, Qt::white);
    panels.push_back(small.scaled(small.size() * kEnlargement, Qt::IgnoreAspectRatio, Qt::FastTransformation));

    int width = 0;
    int height = 0;
    for (const QImage& panel : panels) {
        width = std::max(width, panel.width());
        height += panel.height();
    }
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&sheet);
    int top = 0;
    for (const QImage& panel : panels) {
        painter.drawImage(0, top, panel);
        top += panel.height();
    }
    return sheet;
}

}  // namespace fq
