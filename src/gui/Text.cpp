#include "gui/Text.h"

namespace gui {

QString WithoutAccelerators(const QString& text) {
    if (!text.contains(u'&')) return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

QString ShortHint(const std::string& hint) {
    auto bar = hint.find('|');
    return ToQt(bar == std::string::npos ? hint : hint.substr(0, bar));
}

} // namespace gui
