#include "gui/DatePickerPeer.h"

#include "gui/Appearance.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QDateEdit>
#include <QSignalBlocker>

#include <cmath>

namespace gui {

namespace {

// The earliest date Qt's date edits accept; the control's MinDate 0 means
// no limit.
const QDate kEarliest(100, 1, 1);
const QDate kLatest(9999, 12, 31);

} // namespace

QDate ToQDate(TDateTime date) {
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    return QDate(y, m, d);
}

TDateTime FromQDate(QDate date) { return EncodeDate(date.year(), date.month(), date.day()); }

QString QtDatePattern(const std::string& runtimePattern, char dateSeparator) {
    QString pattern;
    for (size_t i = 0; i < runtimePattern.size();) {
        char c = runtimePattern[i];
        char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        size_t run = 1;
        while (i + run < runtimePattern.size() &&
               std::tolower(static_cast<unsigned char>(runtimePattern[i + run])) == lower)
            ++run;
        switch (lower) {
        case 'd': pattern += QString(static_cast<qsizetype>(std::min<size_t>(run, 4)), u'd'); break;
        case 'm': pattern += QString(static_cast<qsizetype>(std::min<size_t>(run, 4)), u'M'); break;
        case 'y': pattern += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case '/': pattern += QString(static_cast<qsizetype>(run), QChar::fromLatin1(dateSeparator)); break;
        default: pattern += ToQt(runtimePattern.substr(i, run)); break;
        }
        i += run;
    }
    return pattern;
}

DatePickerPeer::DatePickerPeer(TDateTimePicker& picker) : ControlPeer(picker, new QDateEdit) {
    QDateEdit* edit = dateEdit();
    edit->setCalendarPopup(true);
    // The user's settings are read at start-up, before any window exists.
    edit->setDisplayFormat(QtDatePattern(FormatSettings().ShortDateFormat, FormatSettings().DateSeparator));
    edit->setDateRange(kEarliest, kLatest);
    QObject::connect(edit, &QDateEdit::dateChanged, [this](QDate date) { picked(date); });
    watchInput(*edit, Input::Mouse | Input::Focus);
}

QDateEdit* DatePickerPeer::dateEdit() const { return static_cast<QDateEdit*>(widget()); }

void DatePickerPeer::sync(TProperty property) {
    if (!widget()) return;
    switch (property) {
    case TProperty::Range: {
        QSignalBlocker block(dateEdit());
        const TDateTimePicker& p = picker();
        dateEdit()->setDateRange(p.MinDate() != 0 ? ToQDate(p.MinDate()) : kEarliest,
                                 p.MaxDate() != 0 ? ToQDate(p.MaxDate()) : kLatest);
        syncDate();
        break;
    }
    case TProperty::Date: syncDate(); break;
    default: ControlPeer::sync(property); break;
    }
}

void DatePickerPeer::syncDate() {
    QDate date = ToQDate(picker().Date());
    if (dateEdit()->date() == date) return;
    QSignalBlocker block(dateEdit());
    dateEdit()->setDate(date);
}

void DatePickerPeer::picked(QDate date) {
    if (!component() || !date.isValid()) return;
    TDateTime value = FromQDate(date);
    if (value == picker().Date()) return;
    Guarded([&] { picker().UserSetDate(value); });
    if (component()) syncDate();
}

void DatePickerPeer::syncColor() { ApplyBackground(*widget(), picker().Color(), QPalette::Base, false); }

} // namespace gui
