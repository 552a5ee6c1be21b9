#include "support/ScreenFormQueries.h"

#include "platform/core/Exception.h"
#include "platform/db/TDataSource.h"
#include "platform/forms/formdata/FormDataLoader.h"
#include "platform/forms/formdata/FormDataParser.h"
#include "platform/sql/TADOIBQuery.h"

#include <QFile>

namespace ger {
namespace {

bool isClass(const FormDataObject& object, const char* className) {
    return object.className.compare(QLatin1String(className), Qt::CaseInsensitive) == 0;
}

QString dataSetOf(const FormDataObject& source) {
    for (const FormDataProperty& property : source.properties)
        if (property.name.compare(QLatin1String("DataSet"), Qt::CaseInsensitive) == 0)
            return property.value.text;
    return {};
}

const FormDataObject* find(const FormDataObject& object, const QString& name) {
    for (const FormDataObject& child : object.children) {
        if (child.name.compare(name, Qt::CaseInsensitive) == 0)
            return &child;
        if (const FormDataObject* found = find(child, name))
            return found;
    }
    return nullptr;
}

// The root with no properties of its own, holding the file's queries and their data sources.
FormDataDocument queriesOnly(const FormDataDocument& document) {
    FormDataDocument queries{document.source, {}};
    queries.root.kind = FormDataObject::Kind::Object;
    queries.root.name = document.root.name;
    queries.root.className = document.root.className;
    QStringList names;
    for (const FormDataObject& child : document.root.children)
        if (isClass(child, "TADOIBQuery")) {
            queries.root.children.push_back(child);
            names << child.name.toLower();
        }
    for (const FormDataObject& child : document.root.children)
        if (isClass(child, "TDataSource") && names.contains(dataSetOf(child).toLower()))
            queries.root.children.push_back(child);
    return queries;
}

FormDataDocument parseFile(const QString& path) {
    QFile file(QStringLiteral(GER_SOURCE_DIR "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFormDataError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return FormDataParser::parseUtf8(file.readAll(), path);
}

} // namespace

ScreenFormQueries::ScreenFormQueries(const QString& path)
    : m_document(parseFile(path)) {
    const HandlerTable noHandlers;
    FormDataLoader loader(&m_root, noHandlers, {m_document.root.className});
    loader.read(queriesOnly(m_document));
    loader.finish();
}

TADOIBQuery* ScreenFormQueries::Query(const QString& name) const {
    auto* query = dynamic_cast<TADOIBQuery*>(m_root.FindComponent(name));
    if (!query)
        throw EFormDataError(
            QStringLiteral("%1 declares no query %2").arg(m_document.source, name));
    return query;
}

TDataSource* ScreenFormQueries::DataSource(const QString& name) const {
    auto* source = dynamic_cast<TDataSource*>(m_root.FindComponent(name));
    if (!source)
        throw EFormDataError(
            QStringLiteral("%1 declares no data source %2").arg(m_document.source, name));
    return source;
}

const FormDataObject* ScreenFormQueries::Block(const QString& name) const {
    return find(m_document.root, name);
}

} // namespace ger
