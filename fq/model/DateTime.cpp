#include "DateTime.h"

#include <chrono>
#include <cmath>

namespace fq {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr long long kMillisecondsPerDay = 86'400'000;
constexpr sys_days kEpoch = std::chrono::year{1899} / 12 / 30;

long long DaysFromEpoch(int y, int m, int d) {
    const year_month_day date{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                              std::chrono::day{static_cast<unsigned>(d)}};
    return (sys_days{date} - kEpoch).count();
}

}  // namespace

TDateTime EncodeDateTime(const platform::CivilDateTime& v) {
    const double days = static_cast<double>(DaysFromEpoch(v.year, v.month, v.day));
    const double time =
        static_cast<double>(((v.hour * 60LL + v.minute) * 60 + v.second) * 1000 + v.millisecond) /
        static_cast<double>(kMillisecondsPerDay);
    return days >= 0 ? days + time : days - time;
}

std::optional<platform::CivilDateTime> DecodeDateTime(TDateTime value) {
    // Beyond this the value is far outside the years 1..9999 anyway.
    if (!std::isfinite(value) || std::fabs(value) > 4'000'000.0) return std::nullopt;
    const long long total = std::llround(value * static_cast<double>(kMillisecondsPerDay));
    const long long days = total / kMillisecondsPerDay;  // towards zero, as the time part is unsigned
    long long time = std::llabs(total) % kMillisecondsPerDay;
    const year_month_day date{kEpoch + std::chrono::days{days}};
    platform::CivilDateTime v;
    v.year = static_cast<int>(date.year());
    v.month = static_cast<int>(static_cast<unsigned>(date.month()));
    v.day = static_cast<int>(static_cast<unsigned>(date.day()));
    v.millisecond = static_cast<int>(time % 1000);
    time /= 1000;
    v.second = static_cast<int>(time % 60);
    time /= 60;
    v.minute = static_cast<int>(time % 60);
    v.hour = static_cast<int>(time / 60);
    if (!platform::IsValidCivilDateTime(v)) return std::nullopt;
    return v;
}

std::string DateTimeToText(TDateTime value) {
    const auto civil = DecodeDateTime(value);
    if (!civil) return {};
    const bool midnight = civil->hour == 0 && civil->minute == 0 && civil->second == 0 && civil->millisecond == 0;
    return platform::FormatLocalDateTime(*civil, !midnight);
}

bool TextToDateTime(const std::string& text, TDateTime& value) {
    const auto parsed = platform::ParseLocalDateTime(text);
    if (!parsed) return false;
    platform::CivilDateTime civil = parsed->value;
    if (!parsed->hasDate) civil.year = 1899, civil.month = 12, civil.day = 30;
    value = EncodeDateTime(civil);
    return true;
}

TDateTime Now() { return EncodeDateTime(platform::LocalNow()); }

}  // namespace fq
