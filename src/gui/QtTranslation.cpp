#include "gui/QtTranslation.h"

#include "gui/Text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace gui {

namespace {

QPointer<QTranslator>& installed() {
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

bool UseQtTranslation(const std::string& locale) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    if (QTranslator* old = installed().data()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (locale.empty()) return false;
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_") + ToQt(locale),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}

} // namespace gui
