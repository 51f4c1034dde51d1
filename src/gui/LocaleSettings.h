#pragma once
// The user's regional settings as the runtime keeps them. Qt's names and
// patterns follow CLDR; the runtime's follow the system's own tables: a
// short day name has no trailing dot ("Di", not "Di.") and the short date
// has a four-digit year ("dd.mm.yyyy", not "dd.MM.yy").

#include "platform/rtl/FormatSettings.h"

#include <QLocale>

namespace gui {

TFormatSettings FormatSettingsFromLocale(const QLocale& locale);

// A Qt date or time pattern in the runtime's pattern letters; years are
// always written with four digits.
std::string RuntimeDatePattern(const QString& qtPattern);
std::string RuntimeTimePattern(const QString& qtPattern);

} // namespace gui
