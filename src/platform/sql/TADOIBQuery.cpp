#include "platform/sql/TADOIBQuery.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlText.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace ger {

GER_REGISTER_COMPONENT(TADOIBQuery)

namespace {

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

bool isOneOf(const QString& name, std::initializer_list<const char*> wanted) {
    return std::any_of(wanted.begin(), wanted.end(),
                       [&name](const char* w) { return is(name, w); });
}

constexpr std::array<std::pair<const char*, QStringList DialectTexts::*>, 4> kTextProperties{{
    {"SQL.Strings", &DialectTexts::SQL},
    {"SQL_ORACLE.Strings", &DialectTexts::SQL_ORACLE},
    {"SQL_MSSQL.Strings", &DialectTexts::SQL_MSSQL},
    {"SQL_IB.Strings", &DialectTexts::SQL_IB},
}};

// Every parameter of any of the texts, each once, in order of first appearance.
QStringList ParameterNamesOf(const DialectTexts& texts) {
    QStringList names;
    for (const auto& property : kTextProperties) {
        const QString text = SqlText::FromLines(texts.*(property.second));
        for (const QString& name : SqlText::ParameterNames(text))
            if (!names.contains(name, Qt::CaseInsensitive))
                names.append(name);
    }
    return names;
}

} // namespace

TADOIBQuery::TADOIBQuery(TComponent* AOwner)
    : TDataSet(AOwner) {}

TADOIBQuery::~TADOIBQuery() = default;

void TADOIBQuery::SetText(QStringList DialectTexts::*text, const QStringList& lines) {
    Close();
    m_texts.*text = lines;
    TextsChanged();
}

void TADOIBQuery::SetTexts(const DialectTexts& texts) {
    Close();
    m_texts = texts;
    TextsChanged();
}

void TADOIBQuery::TextsChanged() {
    m_params.assignNames(ParameterNamesOf(m_texts));
}

QString TADOIBQuery::TextFor(SqlDialect dialect) const {
    return SqlText::FromLines(SelectDialectText(m_texts, dialect));
}

void TADOIBQuery::SetConnection(DatabaseConnection* connection, SqlDialect dialect) {
    if (connection)
        m_session = DatabaseSession(connection, dialect);
    else
        m_session.reset();
}

DatabaseSession TADOIBQuery::Session() const {
    return m_session ? *m_session : DatabaseSession::defaultSession();
}

void TADOIBQuery::InternalOpen() {
    const QString operation = QStringLiteral("Open");
    const DatabaseSession session = Session();
    if (!session.isConnected())
        Error(operation, QStringLiteral("No database connection"));
    if (IsEmptySqlText(SelectDialectText(m_texts, session.dialect())))
        Error(operation, QStringLiteral("No SQL text for the %1 dialect")
                             .arg(SqlDialectName(session.dialect())));
    SqlRowSet rows = Execute(session);
    std::vector<PacketField> columns;
    columns.reserve(static_cast<size_t>(rows.columns().size()));
    for (const QString& name : rows.columns())
        columns.push_back(PacketField{name});
    BindFields(columns);
    m_rows = std::move(rows);
}

// Runs the dialect's text with every parameter bound, and names the query in a database error.
SqlRowSet TADOIBQuery::Execute(const DatabaseSession& session) const {
    const QString text = TextFor(session.dialect());
    try {
        SqlStatement statement(*session.connection(), text);
        for (const QString& name : statement.parameterNames()) {
            const TParam* param = m_params.FindParam(name);
            statement.bind(name, param ? param->AsVariant() : QVariant());
        }
        return statement.select();
    } catch (const ESqlError& error) {
        const QString who = Name().isEmpty() ? ClassName() : Name();
        throw ESqlError(QStringLiteral("%1.Open: %2").arg(who, error.databaseMessage()),
                        error.statement());
    }
}

void TADOIBQuery::InternalClose() {
    m_rows = SqlRowSet();
}

int TADOIBQuery::InternalColumnCount() const {
    return static_cast<int>(m_rows.columns().size());
}

std::optional<QString> TADOIBQuery::InternalGetValue(int record, int column) const {
    return m_rows.rows().at(static_cast<size_t>(record)).at(static_cast<size_t>(column));
}

// TDataSet refuses changes through CanModify before storage is reached; these hold the line
// should a path ever get past it.
void TADOIBQuery::InternalInsert(int, const RecordValues&) {
    RefuseChange(QStringLiteral("Insert"));
}

void TADOIBQuery::InternalUpdate(int, const RecordValues&) {
    RefuseChange(QStringLiteral("Post"));
}

void TADOIBQuery::InternalDelete(int) {
    RefuseChange(QStringLiteral("Delete"));
}

void TADOIBQuery::RefuseChange(const QString& operation) const {
    Error(operation, QStringLiteral("Cannot modify a read-only dataset"));
}

void TADOIBQuery::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    const FormDataValue& value = property.value;
    for (const auto& [textName, text] : kTextProperties) {
        if (is(name, textName)) {
            SetText(text, value.asList(name));
            return;
        }
    }
    if (isOneOf(name, {"Parameters", "Params", "ParamData"})) {
        // Declared parameters carry data types the engine does not need: the parameters come
        // from the texts and every value is bound as given.
        if (value.kind != FormDataValue::Kind::Collection)
            throw EFormDataError(
                QStringLiteral("%1.%2: a collection of parameters is expected").arg(Name(), name));
    } else if (isOneOf(name, {"CursorLocation", "CursorType", "LockType"}))
        value.asIdentifier(name);
    else if (isOneOf(name, {"CacheSize", "MaxRecords"}))
        value.asInteger(name);
    else if (isOneOf(name, {"ParamCheck", "Prepared"}))
        value.asBoolean(name);
    else
        TDataSet::ReadProperty(property, context);
}

} // namespace ger
