#pragma once
// How a priority looks: its three colours and the mark drawn on the folder.
#include <QColor>
#include <QPainterPath>
#include <QPointF>

namespace fq {

struct PriorityColours {
    QColor ink;    // outline, tab and badge
    QColor fill;   // the filled part of the folder
    QColor paper;  // the empty part of the folder
};

// Colours of priority 1 .. 5: grey "Lowest", blue "Low", green "Normal",
// orange "High", red "Critical".
PriorityColours ColoursOfPriority(int priority);

// The centre lines of the mark of a priority around `centre`, five units
// wide, where a unit is a sixteenth of the picture: two chevrons down, one
// chevron down, an equals sign, one chevron up, two chevrons up. The shape
// alone tells the priorities apart, without their colours.
QPainterPath MarkOfPriority(int priority, QPointF centre, qreal unit);

}  // namespace fq
