#pragma once
// The open and save dialogs as QFileDialog: the component's filter, filter
// index, default extension, folder, proposed name and title go in; the
// chosen name and filter index come back into the component.

#include "platform/forms/Dialogs.h"

#include <QStringList>

class QWidget;

namespace gui {

// "Tipps|*.zlt|Alle Dateien|*.*" as Qt's name filters; patterns that the
// library separates by ";" Qt separates by blanks.
QStringList QtNameFilters(const std::string& filter);

enum class FileDialogKind { Open, Save };
bool ExecuteFileDialog(TCommonFileDialog& dialog, FileDialogKind kind, QWidget* parent);

} // namespace gui
