#include "server/DispatchArgument.h"

namespace ger {

DispatchArgument::DispatchArgument(const QString& text)
    : m_argument(CallArgument::string(text)) {}

DispatchArgument::DispatchArgument(const char* text)
    : m_argument(CallArgument::string(QString::fromUtf8(text))) {}

DispatchArgument::DispatchArgument(const QVariant& value)
    : m_argument(CallArgument::variant(value)) {}

DispatchArgument::DispatchArgument(const QByteArray& bytes)
    : m_argument(CallArgument::variant(QVariant(bytes))) {}

DispatchArgument::DispatchArgument(CallArgument argument, QString* variable)
    : m_argument(std::move(argument))
    , m_variable(variable) {}

DispatchArgument DispatchArgument::ByRef(QString& variable) {
    return DispatchArgument(CallArgument::stringByRef(variable), &variable);
}

void DispatchArgument::storeBack(const CallArgument& returned) const {
    if (m_variable)
        *m_variable = returned.value.toString();
}

} // namespace ger
