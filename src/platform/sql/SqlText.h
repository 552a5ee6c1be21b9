#pragma once
// Lexical work on SQL texts that must not touch quoted literals, quoted identifiers or
// comments: finding named parameters and adapting a dialect's text to the engine that runs it.
//
// The scanner knows four kinds of protected spans: 'string literals' ('' is a quote inside),
// "quoted identifiers", [bracketed identifiers] and comments (-- to the end of the line,
// /* ... */). Everything else is code. An unterminated span runs to the end of the text.

#include <QString>
#include <QStringList>
#include <vector>

namespace ger {

class SqlText {
public:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
        bool isCode = true;
    };

    // The text cut into code and protected spans, in order, covering it whole.
    static std::vector<Span> Scan(const QString& text);

    // The lines of a text property as one statement, each line ended by a line feed.
    static QString FromLines(const QStringList& lines);

    // The distinct named parameters (":P_CDFILIAL" gives "P_CDFILIAL") in order of first
    // appearance. By default names that differ only in case count as one, spelt as first
    // written, as the platform finds parameters by name. A "::" is not a parameter.
    static QStringList ParameterNames(const QString& text,
                                      Qt::CaseSensitivity distinct = Qt::CaseInsensitive);

    // MSSQL's ISNULL(a, b) as SQLite's IFNULL(a, b): on SQLite ISNULL is a postfix operator and
    // cannot be a function. Only the function form (the name followed by an opening
    // parenthesis) in code is rewritten; "col ISNULL" and every quoted or commented ISNULL stay.
    static QString RewriteIsNullForSqlite(const QString& text);

    // The text with every occurrence in code of the parameters named in `nullNames` (upper
    // case, without the colon) written as the literal NULL. Firebird types a parameter by
    // where it stands, and one compared with a NOT NULL column or a literal is typed not
    // nullable: a null value bound to it is sent as '' or 0. A literal NULL keeps it NULL.
    static QString InlineNullParameters(const QString& text, const QStringList& nullNames);
};

} // namespace ger
