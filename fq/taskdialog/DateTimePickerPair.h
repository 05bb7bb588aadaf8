#pragma once
// One date-time of the model shown in two pickers: a date picker for its
// date and a time picker for its time of day.
#include <QDate>
#include <QTime>
#include <optional>

#include "uProject.h"

class QDateEdit;
class QTimeEdit;
class QWidget;

namespace fq {

class DateTimePickerPair {
public:
    // The first and last dates the pickers can show.
    static QDate FirstDate();
    static QDate LastDate();

    // Makes the two pickers as children of parent: every date from
    // FirstDate to LastDate with the year always in full, the time to the
    // second, both in the user's formats.
    explicit DateTimePickerPair(QWidget* parent);

    QDateEdit* DatePicker() const { return date_; }
    QTimeEdit* TimePicker() const { return time_; }

    // Shows value. A date outside FirstDate .. LastDate (or a value that is
    // no date at all) shows as the nearer of the two, at its own time of day
    // where it has one.
    void Show(TDateTime value);

    // The date of the date picker at the time of day of the time picker.
    // While both still show what Show put there, the value given to Show
    // exactly: a date the pickers cannot show is kept until the user changes
    // one of them.
    TDateTime Value() const;

private:
    struct Shown {
        QDate date;
        QTime time;
        TDateTime value;
    };

    QDateEdit* date_;
    QTimeEdit* time_;
    std::optional<Shown> shown_;
};

}  // namespace fq
