#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace isobra {

// The core keeps its texts in UTF-8; Qt in QString.
inline QString ToQ(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace isobra
