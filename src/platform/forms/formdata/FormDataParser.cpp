#include "platform/forms/formdata/FormDataParser.h"

namespace ger {
namespace {

using Type = FormDataToken::Type;

bool isObjectKeyword(const FormDataToken& token) {
    return token.isWord("object") || token.isWord("inherited") || token.isWord("inline");
}

FormDataObject::Kind kindOf(const FormDataToken& keyword) {
    if (keyword.isWord("inherited"))
        return FormDataObject::Kind::Inherited;
    if (keyword.isWord("inline"))
        return FormDataObject::Kind::Inline;
    return FormDataObject::Kind::Object;
}

} // namespace

FormDataParser::FormDataParser(const QString& text, const QString& source)
    : m_lexer(text, source) {}

FormDataDocument FormDataParser::parse(const QString& text, const QString& source) {
    FormDataParser parser(text, source);
    FormDataDocument document{source, {}};
    const FormDataToken& first = parser.m_lexer.peek();
    if (!isObjectKeyword(first))
        parser.unexpected(first, QStringLiteral("'object', 'inherited' or 'inline'"));
    document.root = parser.parseObject();
    const FormDataToken rest = parser.m_lexer.next();
    if (rest.type != Type::EndOfText)
        parser.unexpected(rest, QStringLiteral("end of file after the last 'end'"));
    return document;
}

FormDataDocument FormDataParser::parseUtf8(const QByteArray& text, const QString& source) {
    return parse(QString::fromUtf8(text), source);
}

FormDataObject FormDataParser::parseObject() {
    const FormDataToken keyword = m_lexer.next();
    enter(keyword.line);
    FormDataObject object;
    object.kind = kindOf(keyword);
    object.line = keyword.line;
    parseHeader(object);
    parseBody(object);
    leave();
    return object;
}

void FormDataParser::parseHeader(FormDataObject& object) {
    const FormDataToken first = expect(Type::Identifier, "a component name");
    if (m_lexer.peek().isSymbol(':')) {
        m_lexer.next();
        object.name = first.text;
        object.className = expect(Type::Identifier, "a class name").text;
    } else {
        object.className = first.text;
    }
    skipOrderIndex();
}

void FormDataParser::parseBody(FormDataObject& object) {
    for (;;) {
        const FormDataToken& token = m_lexer.peek();
        if (token.type == Type::EndOfText)
            m_lexer.fail(token.line,
                         QStringLiteral("missing 'end' of %1 (opened on line %2)")
                             .arg(object.name.isEmpty() ? object.className : object.name)
                             .arg(object.line));
        if (token.isWord("end")) {
            m_lexer.next();
            return;
        }
        if (isObjectKeyword(token))
            object.children.push_back(parseObject());
        else if (token.type == Type::Identifier)
            object.properties.push_back(parseProperty());
        else
            unexpected(token, QStringLiteral("a property, an object or 'end'"));
    }
}

FormDataProperty FormDataParser::parseProperty() {
    FormDataProperty property;
    property.line = m_lexer.peek().line;
    property.name = parseQualifiedName();
    expectSymbol('=');
    property.value = parseValue();
    return property;
}

FormDataValue FormDataParser::parseValue() {
    const FormDataToken& token = m_lexer.peek();
    FormDataValue value;
    switch (token.type) {
    case Type::Integer:
        value.kind = FormDataValue::Kind::Integer;
        value.integer = m_lexer.next().integer;
        return value;
    case Type::Float:
        value.kind = FormDataValue::Kind::Float;
        value.number = m_lexer.next().number;
        return value;
    case Type::String:
        value.kind = FormDataValue::Kind::String;
        value.text = parseStringExpression();
        return value;
    case Type::Identifier:
        value.kind = FormDataValue::Kind::Identifier;
        value.text = parseQualifiedName();
        return value;
    case Type::Symbol:
        if (token.isSymbol('['))
            return parseSet();
        if (token.isSymbol('('))
            return parseList();
        if (token.isSymbol('<'))
            return parseCollection();
        if (token.isSymbol('{')) {
            m_lexer.next();
            value.kind = FormDataValue::Kind::Binary;
            value.binary = m_lexer.readBinary();
            return value;
        }
        break;
    case Type::EndOfText:
        break;
    }
    unexpected(token, QStringLiteral("a value"));
}

QString FormDataParser::parseQualifiedName() {
    QString name = expect(Type::Identifier, "a name").text;
    while (m_lexer.peek().isSymbol('.')) {
        m_lexer.next();
        name += QLatin1Char('.') + expect(Type::Identifier, "a name after '.'").text;
    }
    return name;
}

QString FormDataParser::parseStringExpression() {
    QString text = expect(Type::String, "a string").text;
    while (m_lexer.peek().isSymbol('+')) {
        m_lexer.next();
        text += expect(Type::String, "a string after '+'").text;
    }
    return text;
}

FormDataValue FormDataParser::parseSet() {
    expectSymbol('[');
    FormDataValue value;
    value.kind = FormDataValue::Kind::Set;
    if (m_lexer.peek().isSymbol(']')) {
        m_lexer.next();
        return value;
    }
    for (;;) {
        const FormDataToken element = m_lexer.next();
        if (element.type != Type::Identifier && element.type != Type::Integer)
            unexpected(element, QStringLiteral("a set element"));
        value.items.append(element.text);
        const FormDataToken separator = m_lexer.next();
        if (separator.isSymbol(']'))
            return value;
        if (!separator.isSymbol(','))
            unexpected(separator, QStringLiteral("',' or ']'"));
    }
}

FormDataValue FormDataParser::parseList() {
    expectSymbol('(');
    FormDataValue value;
    value.kind = FormDataValue::Kind::List;
    for (;;) {
        const FormDataToken& token = m_lexer.peek();
        if (token.isSymbol(')')) {
            m_lexer.next();
            return value;
        }
        if (token.type == Type::String)
            value.items.append(parseStringExpression());
        else if (token.type == Type::Identifier)
            value.items.append(parseQualifiedName());
        else if (token.type == Type::Integer || token.type == Type::Float)
            value.items.append(m_lexer.next().text);
        else
            unexpected(token, QStringLiteral("a list element or ')'"));
    }
}

FormDataValue FormDataParser::parseCollection() {
    expectSymbol('<');
    FormDataValue value;
    value.kind = FormDataValue::Kind::Collection;
    for (;;) {
        const FormDataToken& token = m_lexer.peek();
        if (token.isSymbol('>')) {
            m_lexer.next();
            return value;
        }
        if (!token.isWord("item"))
            unexpected(token, QStringLiteral("'item' or '>'"));
        value.collection.push_back(parseItem());
    }
}

FormDataItem FormDataParser::parseItem() {
    const FormDataToken keyword = m_lexer.next();
    enter(keyword.line);
    skipOrderIndex();
    FormDataItem item;
    for (;;) {
        const FormDataToken& token = m_lexer.peek();
        if (token.isWord("end")) {
            m_lexer.next();
            break;
        }
        if (token.type == Type::EndOfText)
            m_lexer.fail(token.line,
                         QStringLiteral("missing 'end' of the collection item opened on line %1")
                             .arg(keyword.line));
        if (token.type != Type::Identifier)
            unexpected(token, QStringLiteral("a property or 'end'"));
        item.properties.push_back(parseProperty());
    }
    leave();
    return item;
}

void FormDataParser::skipOrderIndex() {
    if (!m_lexer.peek().isSymbol('['))
        return;
    m_lexer.next();
    expect(Type::Integer, "an order index");
    expectSymbol(']');
}

FormDataToken FormDataParser::expect(FormDataToken::Type type, const char* what) {
    FormDataToken token = m_lexer.next();
    if (token.type != type)
        unexpected(token, QLatin1String(what));
    return token;
}

void FormDataParser::expectSymbol(char symbol) {
    const FormDataToken token = m_lexer.next();
    if (!token.isSymbol(symbol))
        unexpected(token, QStringLiteral("'%1'").arg(QLatin1Char(symbol)));
}

void FormDataParser::unexpected(const FormDataToken& token, const QString& expected) {
    m_lexer.fail(token.line,
                 QStringLiteral("unexpected %1, expected %2").arg(token.describe(), expected));
}

void FormDataParser::enter(int line) {
    if (++m_depth > MaxDepth)
        m_lexer.fail(line, QStringLiteral("blocks nested deeper than %1 levels").arg(MaxDepth));
}

} // namespace ger
