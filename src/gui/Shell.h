#pragma once
// The shell's verbs on this desktop. "open" opens a web address in the
// browser, a document with the program registered for its type, and starts
// a program with its parameters; "edit", and "open" on the system's text
// editor "Notepad.exe", open a file in the desktop's text editor.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace gui {

bool ShellExecuteOnDesktop(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& directory, const std::string& programFolder);

// A command line's parameters as an argument vector: blanks separate,
// double quotes group, a backslash before a quote keeps the quote.
std::vector<std::string> SplitCommandLine(const std::string& parameters);

bool IsWebAddress(const std::string& file);

// A desktop entry's Exec line with its field codes filled for one file.
QStringList ExpandDesktopExec(const QString& exec, const QString& file);

// Opens the file in the application registered for plain text.
bool OpenInTextEditor(const QString& file);

} // namespace gui
