#include "platform/core/Exception.h"

namespace ger {

Exception::Exception(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8()) {}

EAbort::EAbort()
    : Exception(QStringLiteral("Operation aborted")) {}

void Abort() {
    throw EAbort();
}

} // namespace ger
