#include "module/AddressKind.h"

#include <QStringList>

namespace ger {
namespace {

// "Filial", "Cobrança", "Exterior", "Exportação", "Entrega", "Inscrição Estadual", "Empresa".
const QStringList& Codes() {
    static const QStringList codes = {QStringLiteral("P"), QStringLiteral("C"), QStringLiteral("E"),
                                      QStringLiteral("X"), QStringLiteral("T"), QStringLiteral("I"),
                                      QStringLiteral("M")};
    return codes;
}

} // namespace

QString AddressKindCode(int itemIndex) {
    return Codes().value(itemIndex);
}

int AddressKindIndex(const QString& code) {
    return code.isEmpty() ? -1 : static_cast<int>(Codes().indexOf(code));
}

} // namespace ger
