#include "platform/forms/formdata/FormDataLexer.h"

#include "platform/forms/formdata/FormDataError.h"

#include <limits>

namespace ger {
namespace {

constexpr char32_t MaxCodePoint = 0x10FFFF;
constexpr int MaxHexDigits = 16;
const QString Symbols = QStringLiteral(":=[](){}<>,+.");

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isIdentifierStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}
bool isIdentifierPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

bool FormDataToken::isWord(const char* word) const {
    return type == Type::Identifier && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

QString FormDataToken::describe() const {
    switch (type) {
    case Type::EndOfText:
        return QStringLiteral("end of file");
    case Type::Identifier:
        return QStringLiteral("'%1'").arg(text);
    case Type::Integer:
    case Type::Float:
        return QStringLiteral("number %1").arg(text);
    case Type::String:
        return QStringLiteral("string '%1'").arg(text.left(20));
    case Type::Symbol:
        break;
    }
    return QStringLiteral("'%1'").arg(symbol);
}

FormDataLexer::FormDataLexer(QString text, QString source)
    : m_text(std::move(text))
    , m_source(std::move(source)) {}

const FormDataToken& FormDataLexer::peek() {
    if (!m_peeked)
        m_peeked = scan();
    return *m_peeked;
}

FormDataToken FormDataLexer::next() {
    FormDataToken token = m_peeked ? std::move(*m_peeked) : scan();
    m_peeked.reset();
    return token;
}

void FormDataLexer::fail(int line, const QString& message) const {
    throw FormDataErrorAt(m_source, line, message);
}

QChar FormDataLexer::ahead(qsizetype offset) const {
    return m_pos + offset < m_text.size() ? m_text.at(m_pos + offset) : QChar();
}

void FormDataLexer::skipBlanksAndComments() {
    while (!atEnd()) {
        const QChar c = current();
        if (c == QLatin1Char('\n')) {
            ++m_line;
            ++m_pos;
        } else if (c.isSpace() || c == QChar(0xFEFF)) {
            ++m_pos;
        } else if (c == QLatin1Char('/') && ahead(1) == QLatin1Char('/')) {
            while (!atEnd() && current() != QLatin1Char('\n'))
                ++m_pos;
        } else {
            return;
        }
    }
}

FormDataToken FormDataLexer::scan() {
    skipBlanksAndComments();
    if (atEnd()) {
        FormDataToken end;
        end.line = m_line;
        return end;
    }
    const QChar c = current();
    if (isDigit(c) || c == QLatin1Char('$') ||
        (c == QLatin1Char('-') && (isDigit(ahead(1)) || ahead(1) == QLatin1Char('$'))))
        return scanNumber();
    if (c == QLatin1Char('\'') || c == QLatin1Char('#'))
        return scanString();
    if (isIdentifierStart(c))
        return scanIdentifier();
    if (!Symbols.contains(c))
        fail(m_line, QStringLiteral("unexpected character '%1'").arg(c));
    FormDataToken symbol;
    symbol.type = FormDataToken::Type::Symbol;
    symbol.symbol = c;
    symbol.line = m_line;
    ++m_pos;
    return symbol;
}

FormDataToken FormDataLexer::scanNumber() {
    FormDataToken token;
    token.type = FormDataToken::Type::Integer;
    token.line = m_line;
    const qsizetype start = m_pos;
    const bool negative = current() == QLatin1Char('-');
    if (negative)
        ++m_pos;
    quint64 magnitude = 0;
    if (current() == QLatin1Char('$')) {
        ++m_pos;
        int digits = 0;
        for (; hexValue(current()) >= 0; ++m_pos) {
            if (++digits > MaxHexDigits)
                fail(m_line, QStringLiteral("hexadecimal number too long"));
            magnitude = magnitude * 16 + static_cast<quint64>(hexValue(current()));
        }
        if (digits == 0)
            fail(m_line, QStringLiteral("bad hexadecimal number"));
    } else {
        const quint64 limit =
            static_cast<quint64>(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
        bool tooLarge = false;
        for (; isDigit(current()); ++m_pos) {
            const auto digit = static_cast<quint64>(current().unicode() - u'0');
            tooLarge = tooLarge || magnitude > (limit - digit) / 10;
            if (!tooLarge)
                magnitude = magnitude * 10 + digit;
        }
        const bool fraction = current() == QLatin1Char('.') && isDigit(ahead(1));
        if (fraction)
            for (++m_pos; isDigit(current());)
                ++m_pos;
        const QChar sign = ahead(1);
        const bool exponent =
            (current() == QLatin1Char('e') || current() == QLatin1Char('E')) &&
            (isDigit(sign) ||
             ((sign == QLatin1Char('+') || sign == QLatin1Char('-')) && isDigit(ahead(2))));
        if (exponent)
            for (m_pos += 2; isDigit(current());)
                ++m_pos;
        if (fraction || exponent) {
            token.type = FormDataToken::Type::Float;
            bool ok = false;
            token.number = QStringView(m_text).mid(start, m_pos - start).toDouble(&ok);
            if (!ok)
                fail(m_line, QStringLiteral("bad number"));
            if (QStringLiteral("scdSCD").contains(current()) && !isIdentifierPart(ahead(1)))
                ++m_pos;
        } else if (tooLarge) {
            fail(m_line, QStringLiteral("number out of range"));
        }
    }
    if (isIdentifierPart(current()))
        fail(m_line, QStringLiteral("bad number"));
    // Unsigned negation and the conversion are well defined: $FFFFFFFFFFFFFFFF reads as -1.
    token.integer = static_cast<qint64>(negative ? ~magnitude + 1 : magnitude);
    token.text = m_text.mid(start, m_pos - start);
    return token;
}

FormDataToken FormDataLexer::scanString() {
    FormDataToken token;
    token.type = FormDataToken::Type::String;
    token.line = m_line;
    while (current() == QLatin1Char('\'') || current() == QLatin1Char('#')) {
        if (current() == QLatin1Char('\''))
            scanQuoted(token.text);
        else
            scanCharacterCode(token.text);
    }
    return token;
}

void FormDataLexer::scanQuoted(QString& out) {
    ++m_pos;
    for (;;) {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text.at(end) != QLatin1Char('\'') &&
               m_text.at(end) != QLatin1Char('\n') && m_text.at(end) != QLatin1Char('\r'))
            ++end;
        out.append(QStringView(m_text).mid(m_pos, end - m_pos));
        m_pos = end;
        if (atEnd() || current() != QLatin1Char('\''))
            fail(m_line, QStringLiteral("unterminated string"));
        if (ahead(1) != QLatin1Char('\'')) {
            ++m_pos;
            return;
        }
        out.append(QLatin1Char('\''));
        m_pos += 2;
    }
}

void FormDataLexer::scanCharacterCode(QString& out) {
    ++m_pos;
    const bool hex = current() == QLatin1Char('$');
    if (hex)
        ++m_pos;
    char32_t code = 0;
    int digits = 0;
    for (;; ++m_pos, ++digits) {
        const int digit =
            hex ? hexValue(current()) : (isDigit(current()) ? current().unicode() - u'0' : -1);
        if (digit < 0)
            break;
        code = code * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        if (code > MaxCodePoint)
            fail(m_line, QStringLiteral("character code beyond U+10FFFF"));
    }
    if (digits == 0)
        fail(m_line, QStringLiteral("bad character code"));
    // Codes up to $FFFF go in as they are, so that a surrogate pair written as two codes
    // (#55357#56832) joins into one character, as the platform writes such characters.
    if (code <= 0xFFFF) {
        out.append(QChar(static_cast<char16_t>(code)));
    } else {
        out.append(QChar(QChar::highSurrogate(code)));
        out.append(QChar(QChar::lowSurrogate(code)));
    }
}

FormDataToken FormDataLexer::scanIdentifier() {
    FormDataToken token;
    token.type = FormDataToken::Type::Identifier;
    token.line = m_line;
    const qsizetype start = m_pos;
    while (isIdentifierPart(current()))
        ++m_pos;
    token.text = m_text.mid(start, m_pos - start);
    return token;
}

QByteArray FormDataLexer::readBinary() {
    if (m_peeked)
        fail(m_peeked->line, QStringLiteral("binary data read after a look-ahead"));
    const int startLine = m_line;
    QByteArray out;
    int high = -1;
    for (;; ++m_pos) {
        if (atEnd())
            fail(startLine, QStringLiteral("unterminated binary data"));
        const QChar c = current();
        if (c == QLatin1Char('}')) {
            ++m_pos;
            if (high >= 0)
                fail(m_line, QStringLiteral("bad hex data: odd number of digits"));
            return out;
        }
        if (c == QLatin1Char('\n')) {
            ++m_line;
        } else if (hexValue(c) >= 0) {
            if (high < 0) {
                high = hexValue(c);
            } else {
                out.append(static_cast<char>((high << 4) | hexValue(c)));
                high = -1;
            }
        } else if (!c.isSpace()) {
            fail(m_line, QStringLiteral("bad hex digit '%1'").arg(c));
        }
    }
}

} // namespace ger
