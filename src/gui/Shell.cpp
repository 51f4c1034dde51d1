#include "gui/Shell.h"

#include "gui/Text.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QFile>
#include <QTextStream>
#include <QStandardPaths>
#include <QUrl>

#include <strings.h>

namespace gui {

namespace {

QString resolve(const std::string& file, const std::string& directory, const std::string& programFolder) {
    QString path = ToQt(file);
    if (QFileInfo(path).isAbsolute()) return path;
    QString base = ToQt(!directory.empty() ? directory : programFolder);
    return base.isEmpty() ? path : QDir(base).filePath(path);
}

bool isTextEditor(const std::string& file) {
    auto slash = file.find_last_of('/');
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return strcasecmp(name.c_str(), "notepad.exe") == 0 || strcasecmp(name.c_str(), "notepad") == 0;
}

// The desktop's application for plain text, as its desktop entry names it.
QString textEditorEntry() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!query.waitForFinished(3000) || query.exitCode() != 0) return {};
    QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    return id.isEmpty() ? QString() : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
}

// The Exec line of a desktop entry's main group.
QString desktopExec(const QString& entry) {
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&file);
    bool mainGroup = false;
    while (!in.atEnd()) {
        QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) mainGroup = line == u"[Desktop Entry]";
        else if (mainGroup && line.startsWith(QLatin1String("Exec="))) return line.mid(5);
    }
    return {};
}

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& parameters) {
    std::vector<std::string> args;
    std::string current;
    bool inQuotes = false, hasArg = false;
    for (size_t i = 0; i < parameters.size(); ++i) {
        char c = parameters[i];
        if (c == '\\' && i + 1 < parameters.size() && parameters[i + 1] == '"') {
            current += '"';
            hasArg = true;
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
            hasArg = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (hasArg) args.push_back(current);
            current.clear();
            hasArg = false;
        } else {
            current += c;
            hasArg = true;
        }
    }
    if (hasArg) args.push_back(current);
    return args;
}

bool IsWebAddress(const std::string& file) {
    QString f = ToQt(file).trimmed().toLower();
    for (const char* prefix : {"http://", "https://", "ftp://", "mailto:", "www."})
        if (f.startsWith(QLatin1String(prefix))) return true;
    return false;
}

QStringList ExpandDesktopExec(const QString& exec, const QString& file) {
    QStringList words;
    QString current;
    bool inQuotes = false, hasWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        QChar c = exec[i];
        if (c == u'\\' && inQuotes && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == u'"') {
            inQuotes = !inQuotes;
            hasWord = true;
        } else if (c.isSpace() && !inQuotes) {
            if (hasWord) words.append(current);
            current.clear();
            hasWord = false;
        } else {
            current += c;
            hasWord = true;
        }
    }
    if (hasWord) words.append(current);

    QStringList args;
    bool placed = false;
    for (const QString& word : words) {
        if (word == u"%f" || word == u"%F") {
            args.append(file);
            placed = true;
        } else if (word == u"%u" || word == u"%U") {
            args.append(QUrl::fromLocalFile(file).toString());
            placed = true;
        } else if (word.size() == 2 && word[0] == u'%') {
            // %i, %c, %k and the deprecated codes stand for nothing here.
        } else {
            args.append(QString(word).replace(QStringLiteral("%%"), QStringLiteral("%")));
        }
    }
    if (!args.isEmpty() && !placed) args.append(file);
    return args;
}

bool OpenInTextEditor(const QString& file) {
    QString entry = textEditorEntry();
    if (!entry.isEmpty()) {
        QStringList command = ExpandDesktopExec(desktopExec(entry), file);
        if (!command.isEmpty()) {
            QString program = command.takeFirst();
            if (QProcess::startDetached(program, command)) return true;
        }
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool ShellExecuteOnDesktop(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& directory, const std::string& programFolder) {
    bool edit = strcasecmp(verb.c_str(), "edit") == 0;
    if (!edit && isTextEditor(file)) {
        // The text editor takes its whole parameter as one file name, blanks
        // included.
        QString name = ToQt(parameters).trimmed();
        if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"')) name = name.mid(1, name.size() - 2);
        if (name.isEmpty()) return false;
        return OpenInTextEditor(resolve(FromQt(name), directory, programFolder));
    }
    if (edit) return OpenInTextEditor(resolve(file, directory, programFolder));
    if (IsWebAddress(file)) return QDesktopServices::openUrl(QUrl::fromUserInput(ToQt(file)));

    QString path = resolve(file, directory, programFolder);
    QFileInfo info(path);
    bool program = info.isFile() && info.isExecutable() &&
                   !QMimeDatabase().mimeTypeForFile(info).inherits(QStringLiteral("text/plain"));
    if (program) {
        QStringList args;
        for (const std::string& a : SplitCommandLine(parameters)) args.append(ToQt(a));
        return QProcess::startDetached(path, args, ToQt(directory));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace gui
