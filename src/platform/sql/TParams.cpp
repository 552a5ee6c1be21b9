#include "platform/sql/TParams.h"

#include "platform/db/EDatabaseError.h"

#include <algorithm>

namespace ger {

TParam* TParams::FindParam(const QString& name) const {
    for (const auto& param : m_items)
        if (param->Name().compare(name, Qt::CaseInsensitive) == 0)
            return param.get();
    return nullptr;
}

TParam& TParams::ParamByName(const QString& name) const {
    TParam* param = FindParam(name);
    if (!param)
        DatabaseError(m_owner, QStringLiteral("ParamByName"),
                      QStringLiteral("Parameter '%1' not found").arg(name));
    return *param;
}

void TParams::assignNames(const QStringList& names) {
    std::vector<std::unique_ptr<TParam>> items;
    items.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) {
        const bool listed = std::any_of(items.begin(), items.end(), [&name](const auto& param) {
            return param->Name().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (listed)
            continue;
        auto kept = std::find_if(m_items.begin(), m_items.end(), [&name](const auto& param) {
            return param && param->Name().compare(name, Qt::CaseInsensitive) == 0;
        });
        items.push_back(kept != m_items.end() ? std::move(*kept) : std::make_unique<TParam>(name));
    }
    m_items = std::move(items);
}

QStringList TParams::names() const {
    QStringList result;
    for (const auto& param : m_items)
        result.append(param->Name());
    return result;
}

} // namespace ger
