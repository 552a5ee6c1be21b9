#pragma once
// The parameters of a query, found by name without regard to case. The query names them from
// its texts (assignNames) whenever a text changes; a parameter that keeps its name keeps its
// value and its object, so a TParam& taken before stays valid while its name stays in the text.
//
//   params.assignNames({"P_CDFILIAL", "P_TCDFILIAL"});
//   params.ParamByName("p_cdfilial").SetAsString("0001");   // same parameter as P_CDFILIAL
//   params.ParamByName("P_OTHER");   // EDatabaseError "qryFilial.ParamByName: Parameter
//                                    // 'P_OTHER' not found"

#include "platform/sql/TParam.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace ger {

class TComponent;

class TParams {
public:
    // `owner` names the component in error messages; it may be null.
    explicit TParams(const TComponent* owner)
        : m_owner(owner) {}

    TParams(const TParams&) = delete;
    TParams& operator=(const TParams&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    TParam& Items(int index) const { return *m_items.at(static_cast<size_t>(index)); }
    TParam* FindParam(const QString& name) const;
    // Raises EDatabaseError naming the owner and the parameter when there is none of that name.
    TParam& ParamByName(const QString& name) const;

    // Makes the list exactly these names, in this order (names differing only in case count
    // once). Parameters whose name stays keep their values; the others are dropped.
    void assignNames(const QStringList& names);
    QStringList names() const;

private:
    const TComponent* m_owner;
    std::vector<std::unique_ptr<TParam>> m_items;
};

} // namespace ger
