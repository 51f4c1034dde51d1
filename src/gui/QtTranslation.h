#pragma once
// Qt's own texts (the buttons of message boxes, input boxes and file
// dialogs) in the language of the program's texts, whatever the desktop's
// locale is.

#include <string>

namespace gui {

// Puts Qt's translation for a locale name ("de", "fr", "pt_BR") in place of
// the one loaded before; an empty name, or one Qt has no translation for,
// leaves Qt's built-in English texts. True when a translation was loaded.
bool UseQtTranslation(const std::string& locale);

} // namespace gui
