#include "tools/formgen/HeaderIndex.h"

#include "platform/core/Exception.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <utility>

namespace ger::formgen {

HeaderIndex::HeaderIndex(const QStringList& roots) {
    for (const QString& root : roots)
        m_roots << QDir::cleanPath(QDir(root).absolutePath());
    m_roots.removeDuplicates();
    for (const QString& root : std::as_const(m_roots)) {
        const QDir base(root);
        QDirIterator it(root, {QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            m_paths.insert(file.completeBaseName(), base.relativeFilePath(file.filePath()));
        }
    }
}

QString HeaderIndex::HeaderOf(const QString& className) const {
    const QStringList paths = m_paths.values(className);
    if (paths.isEmpty())
        throw EFormDataError(
            QStringLiteral("no header %1.h under %2: the form data names a class that does not "
                           "exist")
                .arg(className, m_roots.join(QStringLiteral(", "))));
    if (paths.size() > 1)
        throw EFormDataError(QStringLiteral("more than one header %1.h under %2: %3")
                                 .arg(className, m_roots.join(QStringLiteral(", ")),
                                      paths.join(QStringLiteral(", "))));
    return paths.first();
}

} // namespace ger::formgen
