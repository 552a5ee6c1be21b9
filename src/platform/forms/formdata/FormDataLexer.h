#pragma once
// Splits form data text into tokens, one at a time and in one pass (every character is looked
// at a bounded number of times, so the cost is linear in the size of the text).
//
//   Left = -8              Identifier "Left", Symbol '=', Integer -8
//   Color = $00FF00        Integer 65280
//   Ratio = 1.5E2          Float 150 (a trailing s, c or d, as in 1.5s, is accepted and ignored)
//   Caption = 'Opera'#231#227'o'   one String "Operação": quoted pieces and #nnn (or #$hh)
//                                  Unicode code points, written with no blank between them
//   // a comment           skipped up to the end of the line
//
// '+' is a Symbol: joining strings across lines is the parser's part. Binary data between
// braces is read by readBinary() once the parser has taken the '{'.

#include "platform/core/Exception.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace ger {

struct FormDataToken {
    enum class Type { EndOfText, Identifier, Integer, Float, String, Symbol };

    Type type = Type::EndOfText;
    QString text; // Identifier: the name; String: the decoded value; numbers: as written
    qint64 integer = 0;
    double number = 0;
    QChar symbol;
    int line = 1;

    bool isSymbol(char c) const { return type == Type::Symbol && symbol == QLatin1Char(c); }
    bool isWord(const char* word) const;
    QString describe() const;
};

class FormDataLexer {
public:
    FormDataLexer(QString text, QString source);

    const FormDataToken& peek();
    FormDataToken next();
    // Reads hexadecimal digit pairs, blanks and line breaks allowed, up to and including the
    // closing '}'. Call it right after next() returned the '{'.
    QByteArray readBinary();

    const QString& source() const { return m_source; }
    [[noreturn]] void fail(int line, const QString& message) const;

private:
    FormDataToken scan();
    void skipBlanksAndComments();
    FormDataToken scanNumber();
    FormDataToken scanString();
    void scanQuoted(QString& out);
    void scanCharacterCode(QString& out);
    FormDataToken scanIdentifier();
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar current() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    QChar ahead(qsizetype offset) const;

    QString m_text;
    QString m_source;
    qsizetype m_pos = 0;
    int m_line = 1;
    std::optional<FormDataToken> m_peeked;
};

} // namespace ger
