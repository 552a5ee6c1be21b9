#pragma once
// The text of UTF-8 bytes, every character kept. QString::fromUtf8 drops a leading byte-order
// mark (U+FEFF), so a value "\uFEFF0301" would read as "0301": a packet's value, and so a key
// the server acts on, would not be what was sent.

#include <QString>
#include <string_view>

namespace ger {

inline QString Utf8Text(std::string_view bytes) {
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (bytes.substr(0, 3) == std::string_view("\xEF\xBB\xBF"))
        text.prepend(QChar(0xFEFF));
    return text;
}

} // namespace ger
