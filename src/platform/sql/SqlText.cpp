#include "platform/sql/SqlText.h"

#include <QRegularExpression>

namespace ger {

namespace {

bool IsIdentifierChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// The end (one past the last character) of the protected span that starts at `pos`, or `pos`
// when no protected span starts there.
qsizetype ProtectedSpanEnd(const QString& text, qsizetype pos) {
    const qsizetype size = text.size();
    const QChar c = text.at(pos);
    const QChar next = pos + 1 < size ? text.at(pos + 1) : QChar();
    if (c == u'-' && next == u'-') {
        const qsizetype eol = text.indexOf(u'\n', pos);
        return eol < 0 ? size : eol;
    }
    if (c == u'/' && next == u'*') {
        const qsizetype close = text.indexOf(QStringLiteral("*/"), pos + 2);
        return close < 0 ? size : close + 2;
    }
    if (c == u'[') {
        const qsizetype close = text.indexOf(u']', pos + 1);
        return close < 0 ? size : close + 1;
    }
    if (c != u'\'' && c != u'"')
        return pos;
    // A doubled quote inside the span stands for the quote itself.
    qsizetype i = pos + 1;
    while (i < size) {
        if (text.at(i) == c) {
            if (i + 1 < size && text.at(i + 1) == c) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return size;
}

} // namespace

std::vector<SqlText::Span> SqlText::Scan(const QString& text) {
    std::vector<Span> spans;
    qsizetype codeStart = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype end = ProtectedSpanEnd(text, pos);
        if (end == pos) {
            ++pos;
            continue;
        }
        if (pos > codeStart)
            spans.push_back({codeStart, pos - codeStart, true});
        spans.push_back({pos, end - pos, false});
        pos = end;
        codeStart = end;
    }
    if (text.size() > codeStart)
        spans.push_back({codeStart, text.size() - codeStart, true});
    return spans;
}

QString SqlText::FromLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += u'\n';
    }
    return text;
}

QStringList SqlText::ParameterNames(const QString& text, Qt::CaseSensitivity distinct) {
    QStringList names;
    for (const Span& span : Scan(text)) {
        if (!span.isCode)
            continue;
        const qsizetype end = span.start + span.length;
        for (qsizetype i = span.start; i < end; ++i) {
            if (text.at(i) != u':')
                continue;
            if (i + 1 < end && text.at(i + 1) == u':') {
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            if (j >= end || !(text.at(j).isLetter() || text.at(j) == u'_'))
                continue;
            while (j < end && IsIdentifierChar(text.at(j)))
                ++j;
            const QString name = text.mid(i + 1, j - i - 1);
            if (!names.contains(name, distinct))
                names.append(name);
            i = j - 1;
        }
    }
    return names;
}

QString SqlText::InlineNullParameters(const QString& text, const QStringList& nullNames) {
    if (nullNames.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    for (const Span& span : Scan(text)) {
        const qsizetype end = span.start + span.length;
        if (!span.isCode) {
            result += QStringView(text).sliced(span.start, span.length);
            continue;
        }
        for (qsizetype i = span.start; i < end; ++i) {
            const QChar c = text.at(i);
            if (c == u':' && i + 1 < end && text.at(i + 1) == u':') {
                result += QStringLiteral("::");
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            if (c != u':' || j >= end || !(text.at(j).isLetter() || text.at(j) == u'_')) {
                result += c;
                continue;
            }
            while (j < end && IsIdentifierChar(text.at(j)))
                ++j;
            const QStringView name = QStringView(text).sliced(i + 1, j - i - 1);
            if (nullNames.contains(name.toString().toUpper()))
                result += QStringLiteral("NULL");
            else
                result += QStringView(text).sliced(i, j - i);
            i = j - 1;
        }
    }
    return result;
}

QString SqlText::RewriteIsNullForSqlite(const QString& text) {
    static const QRegularExpression isNullCall(QStringLiteral("(?<![\\w$])ISNULL(?=\\s*\\()"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::UseUnicodePropertiesOption);
    QString result;
    result.reserve(text.size());
    for (const Span& span : Scan(text)) {
        QString piece = text.mid(span.start, span.length);
        if (span.isCode)
            piece.replace(isNullCall, QStringLiteral("IFNULL"));
        result += piece;
    }
    return result;
}

} // namespace ger
