#include "platform/core/FormDataValue.h"

#include "platform/core/Exception.h"

namespace ger {
namespace {

[[noreturn]] void wrongKind(const QString& property, const char* wanted) {
    throw EFormDataError(
        QStringLiteral("Property %1: %2 expected").arg(property, QLatin1String(wanted)));
}

} // namespace

qint64 FormDataValue::asInteger(const QString& property) const {
    if (kind != Kind::Integer)
        wrongKind(property, "an integer");
    return integer;
}

QString FormDataValue::asString(const QString& property) const {
    if (kind != Kind::String)
        wrongKind(property, "a string");
    return text;
}

QString FormDataValue::asIdentifier(const QString& property) const {
    if (kind != Kind::Identifier)
        wrongKind(property, "an identifier");
    return text;
}

bool FormDataValue::asBoolean(const QString& property) const {
    if (kind == Kind::Identifier) {
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    wrongKind(property, "True or False");
}

QStringList FormDataValue::asList(const QString& property) const {
    if (kind != Kind::List)
        wrongKind(property, "a list of strings");
    return items;
}

QStringList FormDataValue::asSet(const QString& property) const {
    if (kind != Kind::Set)
        wrongKind(property, "a set");
    return items;
}

} // namespace ger
