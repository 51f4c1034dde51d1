// The front-end tests need Qt's application; they run offscreen unless told
// otherwise, so they need no display.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform tells of every window operation it lacks (raising
// a window, say); the tests do not depend on them.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (standardHandler) standardHandler(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv) {
    standardHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
