#pragma once
// TDBGridColumns: the columns of a data grid, owned by it. Two states, as on the platform:
//   csDefault     no columns were declared: the grid shows one column per visible field of
//                 its dataset, rebuilt whenever the dataset opens, closes or changes layout;
//   csCustomized  the columns were declared in form data (`Columns = <item ... end>`) or added
//                 by code; they stay as declared, bound to fields by name.
// Adding a column to a default set first drops the default columns.

#include "platform/core/FormDataContext.h"
#include "platform/core/FormDataValue.h"
#include "platform/forms/grid/GridTypes.h"

#include <memory>
#include <vector>

namespace ger {

class TColumn;
class TDBGrid;

class TDBGridColumns {
public:
    explicit TDBGridColumns(TDBGrid* grid);
    ~TDBGridColumns();
    TDBGridColumns(const TDBGridColumns&) = delete;
    TDBGridColumns& operator=(const TDBGridColumns&) = delete;

    TDBGrid* Grid() const { return m_grid; }
    int Count() const { return static_cast<int>(m_items.size()); }
    // Raises EInvalidOperation naming the grid for an index out of range.
    TColumn* Items(int index) const;
    TColumn* operator[](int index) const { return Items(index); }
    int IndexOf(const TColumn* column) const;

    TColumn* Add();
    void Delete(int index);
    void Clear();
    TDBGridColumnsState State() const { return m_state; }
    // Back to csDefault rebuilds the default columns; csCustomized keeps the ones there are.
    void SetState(TDBGridColumnsState state);
    // With csDefault: one column per visible field of the grid's open dataset.
    void RebuildColumns();

    // `Columns = <item ... end ...>`: replaces the columns with the declared ones.
    void ReadCollection(const FormDataProperty& property, FormDataContext& context);

private:
    friend class TColumn;
    void Move(int from, int to);
    void Changed();

    TDBGrid* m_grid;
    std::vector<std::unique_ptr<TColumn>> m_items;
    TDBGridColumnsState m_state = csDefault;
};

} // namespace ger
