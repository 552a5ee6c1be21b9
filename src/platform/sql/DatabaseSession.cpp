#include "platform/sql/DatabaseSession.h"

namespace ger {

namespace {

DatabaseSession& installedDefault() {
    static DatabaseSession session;
    return session;
}

} // namespace

DatabaseSession DatabaseSession::defaultSession() {
    return installedDefault();
}

void DatabaseSession::setDefault(const DatabaseSession& session) {
    installedDefault() = session;
}

DatabaseSession::DefaultScope::DefaultScope(const DatabaseSession& session)
    : m_previousConnection(installedDefault().connection())
    , m_previousDialect(installedDefault().dialect()) {
    installedDefault() = session;
}

DatabaseSession::DefaultScope::~DefaultScope() {
    installedDefault() = DatabaseSession(m_previousConnection, m_previousDialect);
}

} // namespace ger
