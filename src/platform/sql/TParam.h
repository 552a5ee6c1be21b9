#pragma once
// One named parameter of a query, as the screens set it before opening:
//
//   qry->ParamByName("P_CDFILIAL").SetAsString("0001");   // text
//   qry->ParamByName("P_TCDFILIAL").SetAsString("");      // the empty string, not NULL
//   qry->ParamByName("P_NRINSJURCLIE").Clear();           // NULL
//
// A parameter never assigned is NULL. NULL is not the empty string: IsNull tells them apart,
// and AsString is the one accessor that reads NULL as the empty string, as the platform does.
// AsVariant gives a null QVariant for NULL; assigning a null QVariant makes NULL.

#include <QString>
#include <QVariant>
#include <utility>

namespace ger {

class TParam {
public:
    explicit TParam(QString name)
        : m_name(std::move(name)) {}

    const QString& Name() const { return m_name; }

    bool IsNull() const { return m_value.isNull(); }
    QString AsString() const { return IsNull() ? QString() : m_value.toString(); }
    void SetAsString(const QString& value);
    QVariant AsVariant() const { return m_value; }
    void SetAsVariant(const QVariant& value);
    void Clear() { m_value = QVariant(); }

private:
    QString m_name;
    QVariant m_value;
};

} // namespace ger
