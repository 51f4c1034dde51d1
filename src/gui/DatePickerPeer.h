#pragma once
// A date picker as a QDateEdit with a calendar drop-down, in the user's
// short date format with a four-digit year, limited to MinDate and MaxDate.
// A date the user picks goes through UserSetDate: OnChange fires, and a
// date the control refuses is reported and taken back.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QDate>

class QDateEdit;

namespace gui {

QDate ToQDate(TDateTime date);
TDateTime FromQDate(QDate date);
// The runtime's date pattern ("dd.mm.yyyy") as Qt's ("dd.MM.yyyy"); "/"
// stands for the date separator.
QString QtDatePattern(const std::string& runtimePattern, char dateSeparator);

class DatePickerPeer : public ControlPeer {
public:
    explicit DatePickerPeer(TDateTimePicker& picker);
    TDateTimePicker& picker() const { return static_cast<TDateTimePicker&>(control()); }
    QDateEdit* dateEdit() const;

protected:
    void sync(TProperty property) override;
    void syncColor() override;

private:
    void picked(QDate date);
    void syncDate();
};

} // namespace gui
