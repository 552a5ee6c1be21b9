#include "appserver/CodeList.h"

#include "appserver/ArgumentRules.h"
#include "appserver/EMethodFailure.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace ger {

namespace {

[[noreturn]] void Malformed(const QString& text, const QString& what) {
    throw EMethodFailure::InvalidArgument(
        QStringLiteral("Lista de %1 inválida: \"%2\". Informe T (todos) ou os códigos entre "
                       "aspas simples, separados por vírgulas.")
            .arg(what, text));
}

} // namespace

CodeList CodeList::Bounded(CodeList list, const QString& what) {
    if (list.m_codes.size() > MaxCodes)
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Lista de %1 com %2 códigos: o máximo é %3. Escolha Todos ou menos "
                           "códigos.")
                .arg(what)
                .arg(list.m_codes.size())
                .arg(MaxCodes));
    return list;
}

CodeList CodeList::Parse(const QString& text, const QString& what) {
    CodeList list;
    if (text == u"T") {
        list.m_isAll = true;
        return list;
    }
    // Duplicates are found through a set: a list of a great many codes (a frame may hold
    // millions) costs time in proportion to its length, not to its square.
    QSet<QString> seen;
    qsizetype pos = 0;
    while (true) {
        if (pos >= text.size() || text.at(pos) != u'\'')
            Malformed(text, what);
        const qsizetype close = text.indexOf(u'\'', pos + 1);
        if (close < 0 || close == pos + 1)
            Malformed(text, what);
        const QString code = ArgumentRules::Code(text.mid(pos + 1, close - pos - 1),
                                                 QStringLiteral("a lista de %1").arg(what));
        if (!seen.contains(code)) {
            seen.insert(code);
            list.m_codes.append(code);
        }
        pos = close + 1;
        if (pos == text.size())
            return Bounded(std::move(list), what);
        if (text.at(pos) != u',')
            Malformed(text, what);
        ++pos;
    }
}

QString CodeList::json() const {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(m_codes)).toJson(QJsonDocument::Compact));
}

} // namespace ger
