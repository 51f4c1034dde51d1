#pragma once
// Text at the boundary to Qt: the program's strings are UTF-8, Qt's are
// UTF-16; captions carry the library's accelerator marks.

#include <QString>

#include <string>
#include <string_view>

namespace gui {

inline QString ToQt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQt(const QString& s) { return s.toUtf8().toStdString(); }

// A caption as a label shows it: "&" marks the next letter as the
// accelerator and is not shown, "&&" shows one "&".
QString WithoutAccelerators(const QString& caption);
inline QString WithoutAccelerators(const std::string& caption) { return WithoutAccelerators(ToQt(caption)); }

// The part of a hint before "|": what the tooltip shows.
QString ShortHint(const std::string& hint);

} // namespace gui
