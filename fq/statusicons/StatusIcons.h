#pragma once
// The 55 status pictures of a task: one for each priority (1 "Lowest" .. 5
// "Critical") and progress (0 .. 10 tenths). The folder's colour and the mark
// on it show the priority; how far the folder is filled shows the progress.
#include <QImage>

#include "StatusIconIndex.h"

namespace fq {

// The order of the pictures is the shell library's order of status icons.
using fennquill::kFullProgress;
using fennquill::kHighestPriority;
using fennquill::kLowestPriority;
using fennquill::kProgressSteps;
using fennquill::kStatusIconCount;
using fennquill::StatusIconIndex;
using fennquill::StatusIconPriority;
using fennquill::StatusIconProgress;

// Status picture `index` (0 .. 54) as a size × size ARGB32 image with a
// transparent background. Meant for 16 px and more; drawn from shapes only,
// so no QGuiApplication is needed. std::out_of_range for an index outside
// 0 .. 54, std::invalid_argument for a size below 16.
QImage StatusIconImage(int index, int size);

}  // namespace fq
