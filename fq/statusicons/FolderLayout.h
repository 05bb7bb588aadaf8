#pragma once
// Where the parts of a status picture lie at a given size, in pixels.
#include <QRect>
#include <QRectF>

namespace fq {

struct FolderLayout {
    QRectF tab;       // the folder's tab, resting on the body's top left
    QRectF body;      // the body's outer edge, outline included
    QRect interior;   // inside the outline: whole pixels, its height a multiple of 10
    qreal corner;     // corner radius of the body's outer edge
    QRectF badge;     // the round priority badge over the body's bottom right
    qreal badgeGap;   // the transparent ring that sets the badge off the folder
    qreal unit;       // a sixteenth of the size, the measure of the mark
    qreal stroke;     // line width of the mark
};

// The interior's height is a whole multiple of ten pixels so that every
// tenth of progress raises the fill by the same whole number of rows.
FolderLayout LayoutForSize(int size);

// The filled part of the interior for `progress` tenths, from the bottom up.
QRect FilledPart(const FolderLayout& layout, int progress);

}  // namespace fq
