#include "FormDataWriter.h"

namespace ger::fuzz {
namespace {

QString quoted(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("''");
    QString out;
    bool open = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F) {
            if (!open)
                out += QLatin1Char('\'');
            open = true;
            out += c;
            if (c == QLatin1Char('\''))
                out += c;
        } else {
            if (open)
                out += QLatin1Char('\'');
            open = false;
            out += QLatin1Char('#') + QString::number(u);
        }
    }
    if (open)
        out += QLatin1Char('\'');
    return out;
}

QString floatText(double number) {
    QString text = QString::number(number, 'g', 17);
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
        text += QStringLiteral(".0");
    return text;
}

class Writer {
public:
    QString take() { return std::move(m_out); }

    void object(const FormDataObject& object, int depth) {
        static const char* const keywords[] = {"object", "inherited", "inline"};
        line(depth,
             QLatin1String(keywords[int(object.kind)]) + QLatin1Char(' ') +
                 (object.name.isEmpty() ? object.className
                                        : object.name + QStringLiteral(": ") + object.className));
        for (const FormDataProperty& property : object.properties)
            this->property(property, depth + 1);
        for (const FormDataObject& child : object.children)
            this->object(child, depth + 1);
        line(depth, QStringLiteral("end"));
    }

private:
    void line(int depth, const QString& text) {
        m_out += QString(depth * 2, QLatin1Char(' ')) + text + QLatin1Char('\n');
    }

    void property(const FormDataProperty& property, int depth) {
        line(depth, property.name + QStringLiteral(" = ") + value(property.value, depth));
    }

    QString value(const FormDataValue& value, int depth) {
        switch (value.kind) {
        case FormDataValue::Kind::Integer:
            return QString::number(value.integer);
        case FormDataValue::Kind::Float:
            return floatText(value.number);
        case FormDataValue::Kind::String:
            return quoted(value.text);
        case FormDataValue::Kind::Identifier:
            return value.text;
        case FormDataValue::Kind::Set:
            return QLatin1Char('[') + value.items.join(QStringLiteral(", ")) + QLatin1Char(']');
        case FormDataValue::Kind::List: {
            QString out = QStringLiteral("(");
            for (const QString& item : value.items)
                out += QLatin1Char(' ') + quoted(item);
            return out + QLatin1Char(')');
        }
        case FormDataValue::Kind::Collection:
            return collection(value, depth);
        case FormDataValue::Kind::Binary:
            return QLatin1Char('{') + QString::fromLatin1(value.binary.toHex().toUpper()) +
                   QLatin1Char('}');
        }
        return QString();
    }

    // The items go on lines of their own, after the property's line, which ends with '<'.
    QString collection(const FormDataValue& value, int depth) {
        QString saved = std::move(m_out);
        m_out.clear();
        for (const FormDataItem& item : value.collection) {
            line(depth + 1, QStringLiteral("item"));
            for (const FormDataProperty& property : item.properties)
                this->property(property, depth + 2);
            line(depth + 1, QStringLiteral("end"));
        }
        QString items = std::move(m_out);
        m_out = std::move(saved);
        return QStringLiteral("<\n") + items + QString(depth * 2, QLatin1Char(' ')) +
               QLatin1Char('>');
    }

    QString m_out;
};

} // namespace

QString writeFormData(const FormDataObject& root) {
    Writer writer;
    writer.object(root, 0);
    return writer.take();
}

} // namespace ger::fuzz
