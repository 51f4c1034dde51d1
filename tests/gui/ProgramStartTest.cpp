// The Qt platform's program start: the program and every argument reach the
// started program whole, blanks, quotes and empty values included.
#include "GuiFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <string>
#include <vector>

namespace {

using ProgramStart = GuiFixture;

// A stand-in robot: writes each argument, NUL-terminated, to "args" beside
// itself, complete before the file takes its name.
const char* const kStandInRobot =
    "#!/bin/sh\n"
    "out=\"$(dirname \"$0\")/args\"\n"
    "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.tmp\"\n"
    "mv \"$out.tmp\" \"$out\"\n";

std::vector<std::string> readArguments(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    std::vector<std::string> arguments;
    std::string current;
    for (char c : bytes) {
        if (c == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return arguments;
}

} // namespace

TEST_F(ProgramStart, EveryArgumentArrivesWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath("Kurier Ordner"));
    const QString robot = dir.filePath("Kurier Ordner/Kurier.exe");
    {
        QFile file(robot);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kStandInRobot);
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    const std::vector<std::string> arguments{"START", "/tmp/Tipps dir/20250211.zks", "1", "a b", "0",
                                             "x \"y\"", "", "' $HOME `id` ; |", "ä €"};
    ASSERT_TRUE(platform.StartProgram(robot.toStdString(), arguments));

    const QString out = dir.filePath("Kurier Ordner/args");
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(out) && !deadline.hasExpired()) QThread::msleep(20);
    EXPECT_EQ(readArguments(out), arguments);

    EXPECT_FALSE(platform.StartProgram(dir.filePath("missing").toStdString(), {"START"}));
}
