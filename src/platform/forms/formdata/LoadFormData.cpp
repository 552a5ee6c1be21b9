#include "platform/forms/formdata/LoadFormData.h"

#include "platform/core/Exception.h"
#include "platform/forms/formdata/FormDataLoader.h"
#include "platform/forms/formdata/FormDataParser.h"

#include <QFile>

namespace ger {

void LoadFormData(TComponent* root, const QString& text, const QString& source,
                  const HandlerTable& handlers, const QStringList& rootBaseClasses) {
    const FormDataDocument document = FormDataParser::parse(text, source);
    FormDataLoader loader(root, handlers, rootBaseClasses);
    loader.read(document);
    loader.finish();
}

void LoadFormDataResource(TComponent* root, const QString& path, const HandlerTable& handlers,
                          const QStringList& rootBaseClasses) {
    LoadFormDataResources(root, {path}, handlers, rootBaseClasses);
}

void LoadFormDataResources(TComponent* root, const QStringList& paths, const HandlerTable& handlers,
                           const QStringList& rootBaseClasses) {
    // Everything is parsed before anything is loaded: a syntax error touches no component.
    std::vector<FormDataDocument> documents;
    documents.reserve(static_cast<size_t>(paths.size()));
    for (const QString& path : paths)
        documents.push_back(FormDataParser::parseUtf8(ReadFormDataResource(path), path));
    FormDataLoader loader(root, handlers, rootBaseClasses);
    for (const FormDataDocument& document : documents)
        loader.read(document);
    loader.finish();
}

QByteArray ReadFormDataResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFormDataError(
            QStringLiteral("Form data %1 cannot be read: %2").arg(path, file.errorString()));
    if (file.size() > MaxFormDataSize)
        throw EFormDataError(
            QStringLiteral("Form data %1 is larger than %2 bytes").arg(path).arg(MaxFormDataSize));
    QByteArray data = file.read(MaxFormDataSize + 1);
    if (data.size() > MaxFormDataSize)
        throw EFormDataError(
            QStringLiteral("Form data %1 is larger than %2 bytes").arg(path).arg(MaxFormDataSize));
    return data;
}

} // namespace ger
