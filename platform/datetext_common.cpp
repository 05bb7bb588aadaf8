#include <chrono>

#include "datetext.h"

namespace platform {

bool IsValidCivilDateTime(const CivilDateTime& v) {
    using namespace std::chrono;
    if (v.year < 1 || v.year > 9999) return false;
    if (!year_month_day{year{v.year}, month{static_cast<unsigned>(v.month)}, day{static_cast<unsigned>(v.day)}}.ok())
        return false;
    return v.hour >= 0 && v.hour < 24 && v.minute >= 0 && v.minute < 60 && v.second >= 0 && v.second < 60 &&
           v.millisecond >= 0 && v.millisecond < 1000;
}

}  // namespace platform
