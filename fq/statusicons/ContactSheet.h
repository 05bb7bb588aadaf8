#pragma once
// One picture showing every status picture, to judge them by eye.
#include <QImage>
#include <vector>

namespace fq {

// For each of `sizes`, a grid of the 55 pictures (a row per priority, a
// column per progress step) once on a light and once on a dark background,
// followed by the smallest size enlarged four times without smoothing.
QImage ContactSheet(const std::vector<int>& sizes);

}  // namespace fq
