#include "appserver/ArgumentRules.h"

#include "appserver/EMethodFailure.h"

namespace ger {

namespace {
constexpr QStringView kKinds = u"PCEXTIM";
} // namespace

QString ArgumentRules::Code(const QString& value, const QString& label) {
    for (const QChar c : value) {
        if (c.unicode() >= u' ' && c.unicode() < 0x7F)
            continue;
        const QString hex =
            QStringLiteral("%1").arg(static_cast<uint>(c.unicode()), 4, 16, QLatin1Char('0'));
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Código inválido para %1: contém o caractere U+%2, que nenhum código "
                           "cadastrado tem. Nada foi gravado.")
                .arg(label, hex.toUpper()));
    }
    if (value.endsWith(u' '))
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Código inválido para %1: \"%2\" termina em espaço, e nenhum código "
                           "cadastrado termina assim. Nada foi gravado.")
                .arg(label, value));
    return value;
}

QString ArgumentRules::Flag(const QString& value, const QString& label) {
    if (value == u"S" || value == u"N")
        return value;
    throw EMethodFailure::InvalidArgument(
        QStringLiteral("Indicador \"%1\" inválido: \"%2\". Informe S ou N.").arg(label, value));
}

QVariant ArgumentRules::AddressKind(const QString& value, bool allowCompany) {
    if (value.isEmpty())
        return QVariant();
    if (value.size() != 1 || !kKinds.contains(value.at(0)))
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Tipo de endereço \"%1\" inválido. Informe P, C, E, X, T, I ou M.")
                .arg(value));
    if (value == CompanyKind && !allowCompany)
        throw EMethodFailure::InvalidArgument(QStringLiteral(
            "O endereço da empresa (M) não pode ser gravado no cadastramento automático; "
            "escolha-o por tipo de operação em Dados para Emissão de NF."));
    return value;
}

void ArgumentRules::RequireClients(const QString& value) {
    if (value == u"S")
        return;
    if (value == u"N")
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Fornecedores não são atendidos por este servidor."));
    throw EMethodFailure::InvalidArgument(
        QStringLiteral("Indicador de cliente ou fornecedor inválido: \"%1\". Informe S.")
            .arg(value));
}

} // namespace ger
