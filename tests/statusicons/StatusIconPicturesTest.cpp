// What the status pictures show, judged from their pixels: each one is
// different, the priority badge in the bottom right corner stays the same
// while the folder fills from the bottom up in equal steps.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <vector>

#include "StatusIcons.h"

namespace fq {
namespace {

const int kShownSizes[] = {16, 32, 48};
const int kAllSizes[] = {16, 24, 32, 48, 64};

QImage Picture(int priority, int progress, int size) { return StatusIconImage(StatusIconIndex(priority, progress), size); }

QByteArray Pixels(const QImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

// The middle of the round badge, which is nine sixteenths wide and sits in
// the bottom right corner: a square of six sixteenths around its centre.
QImage BadgeMiddle(const QImage& picture) {
    const double unit = picture.width() / 16.0;
    const double centre = picture.width() - 4.5 * unit;
    const int from = static_cast<int>(std::floor(centre - 3 * unit));
    const int to = static_cast<int>(std::ceil(centre + 3 * unit));
    return picture.copy(from, from, to - from, to - from);
}

std::vector<bool> LightPixels(const QImage& area) {
    std::vector<bool> light;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) light.push_back(qGray(area.pixel(x, y)) >= 128);
    }
    return light;
}

// A column through the folder's left part, clear of the badge.
int FolderColumn(int size) { return size * 3 / 16; }

enum class Shade { Fill, Empty, Other };

std::vector<Shade> ColumnShades(const QImage& picture, QRgb fill, QRgb empty) {
    std::vector<Shade> shades;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb pixel = picture.pixel(FolderColumn(picture.width()), y);
        shades.push_back(pixel == fill ? Shade::Fill : pixel == empty ? Shade::Empty : Shade::Other);
    }
    return shades;
}

int CountOf(const std::vector<Shade>& shades, Shade wanted) {
    int count = 0;
    for (Shade shade : shades) count += shade == wanted ? 1 : 0;
    return count;
}

bool FillLiesBelowTheEmptyPart(const std::vector<Shade>& shades) {
    bool seenFill = false;
    for (Shade shade : shades) {
        if (shade == Shade::Fill) seenFill = true;
        if (shade == Shade::Empty && seenFill) return false;
    }
    return true;
}

QRgb FillColourOf(int priority, int size) {
    return Picture(priority, 10, size).pixel(FolderColumn(size), size / 2);
}

TEST(StatusIconPictures, AreSquareWithATransparentBackgroundAroundAnOpaqueFolder) {
    for (int size : kAllSizes) {
        for (int index = 0; index < kStatusIconCount; ++index) {
            SCOPED_TRACE(testing::Message() << "size " << size << " index " << index);
            const QImage picture = StatusIconImage(index, size);
            ASSERT_EQ(picture.size(), QSize(size, size));
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(picture.pixel(size - 1, 0)), 0);
            EXPECT_EQ(qAlpha(picture.pixel(0, size - 1)), 0);
            EXPECT_EQ(qAlpha(picture.pixel(FolderColumn(size), size / 2)), 255);
        }
    }
}

TEST(StatusIconPictures, AllFiftyFiveDifferAtEverySize) {
    for (int size : kAllSizes) {
        std::set<QByteArray> seen;
        for (int index = 0; index < kStatusIconCount; ++index) seen.insert(Pixels(StatusIconImage(index, size)));
        EXPECT_EQ(seen.size(), 55u) << "size " << size;
    }
}

TEST(StatusIconPictures, ThePriorityBadgeStaysTheSameWhileProgressGrows) {
    for (int size : kShownSizes) {
        for (int priority = 1; priority <= 5; ++priority) {
            const QImage badge = BadgeMiddle(Picture(priority, 0, size));
            for (int progress = 1; progress <= 10; ++progress) {
                EXPECT_EQ(BadgeMiddle(Picture(priority, progress, size)), badge)
                    << "size " << size << " priority " << priority << " progress " << progress;
            }
        }
    }
}

// Without colour, the light mark on the dark badge still tells every
// priority from every other.
TEST(StatusIconPictures, EachPriorityHasItsOwnMarkShapeEvenWithoutColour) {
    for (int size : kShownSizes) {
        std::vector<std::vector<bool>> marks;
        for (int priority = 1; priority <= 5; ++priority) {
            const std::vector<bool> light = LightPixels(BadgeMiddle(Picture(priority, 0, size)));
            const auto lightCount = std::count(light.begin(), light.end(), true);
            EXPECT_GT(lightCount, 0) << "size " << size << " priority " << priority;
            EXPECT_LT(lightCount, static_cast<long>(light.size())) << "size " << size << " priority " << priority;
            marks.push_back(light);
        }
        for (std::size_t a = 0; a < marks.size(); ++a) {
            for (std::size_t b = a + 1; b < marks.size(); ++b) {
                EXPECT_NE(marks[a], marks[b]) << "size " << size << " priorities " << a + 1 << " and " << b + 1;
            }
        }
    }
}

TEST(StatusIconPictures, EachPriorityFillsTheFolderWithAClearlyDifferentColour) {
    for (int size : kShownSizes) {
        for (int a = 1; a <= 5; ++a) {
            for (int b = a + 1; b <= 5; ++b) {
                const QColor first = QColor::fromRgba(FillColourOf(a, size));
                const QColor second = QColor::fromRgba(FillColourOf(b, size));
                const double distance = std::hypot(first.red() - second.red(), first.green() - second.green(),
                                                   first.blue() - second.blue());
                EXPECT_GT(distance, 80) << "size " << size << " priorities " << a << " and " << b;
            }
        }
    }
}

TEST(StatusIconPictures, TheFolderFillsFromTheBottomByEqualStepsOfProgress) {
    for (int size : kAllSizes) {
        for (int priority = 1; priority <= 5; ++priority) {
            SCOPED_TRACE(testing::Message() << "size " << size << " priority " << priority);
            const QRgb fill = FillColourOf(priority, size);
            const QRgb empty = Picture(priority, 0, size).pixel(FolderColumn(size), size / 2);
            ASSERT_NE(fill, empty);

            const int interiorRows = CountOf(ColumnShades(Picture(priority, 0, size), fill, empty), Shade::Empty);
            const int fullRows = CountOf(ColumnShades(Picture(priority, 10, size), fill, empty), Shade::Fill);
            EXPECT_GE(fullRows, 10);
            EXPECT_EQ(fullRows, interiorRows);
            for (int progress = 0; progress <= 10; ++progress) {
                const std::vector<Shade> shades = ColumnShades(Picture(priority, progress, size), fill, empty);
                EXPECT_EQ(CountOf(shades, Shade::Fill) * 10, progress * fullRows) << "progress " << progress;
                EXPECT_EQ(CountOf(shades, Shade::Fill) + CountOf(shades, Shade::Empty), interiorRows) << "progress " << progress;
                EXPECT_TRUE(FillLiesBelowTheEmptyPart(shades)) << "progress " << progress;
            }
        }
    }
}

TEST(StatusIconPictures, RefuseAnIndexOutsideTheFiftyFiveAndSizesBelowSixteen) {
    EXPECT_THROW(StatusIconImage(-1, 32), std::out_of_range);
    EXPECT_THROW(StatusIconImage(55, 32), std::out_of_range);
    EXPECT_THROW(StatusIconImage(0, 15), std::invalid_argument);
    EXPECT_EQ(StatusIconImage(54, 16).size(), QSize(16, 16));
}

}  // namespace
}  // namespace fq
