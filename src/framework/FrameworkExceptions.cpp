#include "framework/FrameworkExceptions.h"

namespace ger {

EServerResult::EServerResult(qint64 code, QString serverMessage)
    : m_code(code)
    , m_serverMessage(std::move(serverMessage)) {}

} // namespace ger
