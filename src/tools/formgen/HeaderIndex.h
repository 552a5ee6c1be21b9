#pragma once
// HeaderIndex: where the header of a class is, for the code generated from form data. Every
// class of the tree has a header of its own named after it (TMaskEdit in TMaskEdit.h), so the
// header of a class is the one file of that name under the source roots, included by its path
// from its root ("platform/forms/TMaskEdit.h").

#include <QHash>
#include <QString>
#include <QStringList>

namespace ger::formgen {

class HeaderIndex {
public:
    // Indexes every *.h under the roots; two headers of one name are refused when asked for.
    explicit HeaderIndex(const QStringList& roots);

    // The include path of the header of `className`; EFormDataError when there is none, or
    // more than one.
    QString HeaderOf(const QString& className) const;

private:
    QStringList m_roots;
    QMultiHash<QString, QString> m_paths; // file name without ".h" -> path from its root
};

} // namespace ger::formgen
