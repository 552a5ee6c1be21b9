#pragma once
// GridDataLink: the data link through which a data grid follows its data source. It passes
// every notification to the grid and remembers whether the in-place editor holds text not yet
// written to the field (Modified), which the platform's rules consult: an inserted row counts
// as changed when either the dataset or the editor was modified.

#include "platform/db/TDataLink.h"

namespace ger {

class TDBGrid;

class GridDataLink : public TDataLink {
public:
    explicit GridDataLink(TDBGrid* grid)
        : m_grid(grid) {}

    // The grid stops hearing notifications (it is being destroyed).
    void Detach() { m_grid = nullptr; }

    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    // The editor's text goes back to the field's value when it was modified; otherwise the
    // dataset's edit or insert is cancelled. True when the editor was reset.
    bool Reset();

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int Distance) override;
    void EditingChanged() override;
    void FocusControl(TField*& Field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;

private:
    TDBGrid* m_grid;
    bool m_modified = false;
};

} // namespace ger
