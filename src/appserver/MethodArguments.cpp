#include "appserver/MethodArguments.h"

#include "appserver/EMethodFailure.h"

namespace ger {

MethodArguments::MethodArguments(QString method, QList<CallArgument>& arguments,
                                 std::initializer_list<Kind> signature)
    : m_method(std::move(method))
    , m_arguments(arguments) {
    if (m_arguments.size() != static_cast<qsizetype>(signature.size()))
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Método %1 chamado com %2 argumentos; são esperados %3.")
                .arg(m_method)
                .arg(m_arguments.size())
                .arg(signature.size()));
    int index = 0;
    for (Kind expected : signature) {
        const CallArgument& argument = m_arguments.at(index);
        if (argument.kind != expected)
            refuse(index, QStringLiteral("deve ser %1, mas veio %2")
                              .arg(KindName(expected), KindName(argument.kind)));
        if (argument.isString() && argument.value.typeId() != QMetaType::QString)
            refuse(index, QStringLiteral("deve conter texto"));
        ++index;
    }
}

QString MethodArguments::text(int index) const {
    return m_arguments.at(index).value.toString();
}

QByteArray MethodArguments::bytes(int index) const {
    const QVariant& value = m_arguments.at(index).value;
    if (value.typeId() != QMetaType::QByteArray)
        refuse(index, QStringLiteral("deve conter uma lista de alterações (bytes)"));
    return value.toByteArray();
}

void MethodArguments::setText(int index, const QString& value) {
    m_arguments[index].value = value;
}

QString MethodArguments::KindName(Kind kind) {
    switch (kind) {
    case Kind::String:
        return QStringLiteral("texto por valor");
    case Kind::StringByRef:
        return QStringLiteral("texto por referência");
    case Kind::Variant:
        return QStringLiteral("variante por valor");
    }
    return QStringLiteral("tipo %1").arg(static_cast<int>(kind));
}

void MethodArguments::refuse(int index, const QString& reason) const {
    throw EMethodFailure::InvalidArgument(
        QStringLiteral("Argumento %1 do método %2 %3.").arg(index + 1).arg(m_method, reason));
}

} // namespace ger
