#include "gui/FileDialogs.h"

#include "gui/Text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace gui {

QStringList QtNameFilters(const std::string& filter) {
    QStringList parts = ToQt(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
        filters.append(parts[i].trimmed() + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

bool ExecuteFileDialog(TCommonFileDialog& dialog, FileDialogKind kind, QWidget* parent) {
    QFileDialog box(parent);
    if (!dialog.Title.empty()) box.setWindowTitle(ToQt(dialog.Title));
    if (kind == FileDialogKind::Save) {
        box.setAcceptMode(QFileDialog::AcceptSave);
        box.setFileMode(QFileDialog::AnyFile);
        // The library's save dialog does not ask before overwriting unless told to.
        box.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        // Nor does its open dialog insist on an existing file: a typed name
        // that is not there ends in the reader's own error.
        box.setFileMode(QFileDialog::AnyFile);
    }
    QStringList filters = QtNameFilters(dialog.Filter);
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
        int index = std::clamp(dialog.FilterIndex, 1, static_cast<int>(filters.size())) - 1;
        box.selectNameFilter(filters[index]);
    }
    if (!dialog.DefaultExt.empty()) box.setDefaultSuffix(ToQt(dialog.DefaultExt));

    QFileInfo proposed(ToQt(dialog.FileName));
    QString folder = ToQt(dialog.InitialDir);
    if (!dialog.FileName.empty() && dialog.FileName.find('/') != std::string::npos) folder = proposed.absolutePath();
    if (!folder.isEmpty()) box.setDirectory(folder);
    if (!dialog.FileName.empty()) box.selectFile(proposed.fileName());

    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.FileName = FromQt(QDir::cleanPath(box.selectedFiles().first()));
    int chosen = static_cast<int>(filters.indexOf(box.selectedNameFilter()));
    if (chosen >= 0) dialog.FilterIndex = chosen + 1;
    return true;
}

} // namespace gui
