#pragma once
// How GoogleTest prints Qt strings in failure messages: as quoted text rather than bytes.
// GoogleTest finds these by argument-dependent lookup (QString lives in the global namespace).

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0)
            *os << ", ";
        PrintTo(list[i], os);
    }
    *os << ']';
}

// A nullable column value: NULL for none.
inline void PrintTo(const std::optional<QString>& value, std::ostream* os) {
    if (value)
        PrintTo(*value, os);
    else
        *os << "NULL";
}
