#include "DateTimePickerPair.h"

#include <QDateEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeEdit>

#include "DateTime.h"

namespace fq {
namespace {

// The user's short date with a four-digit year: a two-digit year could not
// tell the centuries apart.
QString FullYearDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) format.replace(QRegularExpression("y+"), QStringLiteral("yyyy"));
    return format;
}

// The user's time with seconds, without the time zone a long format adds.
QString TimeFormatWithSeconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression("\\s*t+\\s*"));
    return format.trimmed();
}

// A picker that Tab leaves at once, as the other controls do; the cursor
// keys still reach every part of the date or time.
template <class Picker>
class TabLeavingPicker : public Picker {
public:
    using Picker::Picker;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

}  // namespace

QDate DateTimePickerPair::FirstDate() { return QDate(100, 1, 1); }
QDate DateTimePickerPair::LastDate() { return QDate(9999, 12, 31); }

DateTimePickerPair::DateTimePickerPair(QWidget* parent)
    : date_(new TabLeavingPicker<QDateEdit>(QDate::currentDate(), parent)),
      time_(new TabLeavingPicker<QTimeEdit>(QTime::currentTime(), parent)) {
    const QLocale locale;
    date_->setDateRange(FirstDate(), LastDate());
    date_->setDisplayFormat(FullYearDateFormat(locale));
    date_->setCalendarPopup(true);
    time_->setDisplayFormat(TimeFormatWithSeconds(locale));
}

void DateTimePickerPair::Show(TDateTime value) {
    if (const auto civil = DecodeDateTime(value)) {
        date_->setDate(QDate(civil->year, civil->month, civil->day));
        time_->setTime(QTime(civil->hour, civil->minute, civil->second, civil->millisecond));
    } else if (value > 0) {
        date_->setDate(LastDate());
        time_->setTime(QTime(23, 59, 59, 999));
    } else {
        date_->setDate(FirstDate());
        time_->setTime(QTime(0, 0));
    }
    shown_ = Shown{date_->date(), time_->time(), value};
}

TDateTime DateTimePickerPair::Value() const {
    const QDate date = date_->date();
    const QTime time = time_->time();
    if (shown_ && shown_->date == date && shown_->time == time) return shown_->value;
    return EncodeDateTime({date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()});
}

}  // namespace fq
