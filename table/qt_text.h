#pragma once
// Q: text of ours (UTF-8 in a std::string or a view) as Qt text, for every window and tool that
// hands our texts to Qt.
#include <QString>

#include <string_view>

namespace tablamor {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tablamor
