#pragma once
// Connects a dataset to data-aware controls. The dataset tells its data sources of every state
// change and data event; a data source passes them to its links (the controls' TDataLink
// objects) and fires OnStateChange at each state change and OnDataChange when rows, the cursor
// or a field changed. A disabled data source (Enabled false) reports dsInactive and passes
// nothing on.
//
//   TDataSource dts(form);
//   dts.SetDataSet(&cds);          // State() follows cds.State()
//   dts.OnStateChange = [](TObject*) { ... };
//   dts.Edit();                    // cds.Edit() when AutoEdit and browsing; else nothing

#include "platform/core/TComponent.h"
#include "platform/db/DbTypes.h"

#include <vector>

namespace ger {

class TDataLink;

class TDataSource : public TComponent {
public:
    explicit TDataSource(TComponent* AOwner);
    ~TDataSource() override;

    QString ClassName() const override { return QStringLiteral("TDataSource"); }

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    TDataSetState State() const { return m_state; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool AutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }

    // Puts the dataset into edit state when AutoEdit is set and it is browsing.
    void Edit();

    TNotifyEvent OnStateChange;
    TDataChangeEvent OnDataChange;
    TNotifyEvent OnUpdateData;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    friend class TDataSet;
    friend class TDataLink;

    void DataEvent(TDataEvent event, TField* field, int distance);
    void FocusControl(TField*& field);
    void UpdateState();
    void SetState(TDataSetState state);
    void DataSetDestroyed();
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    bool HasLink(TDataLink* link) const;

    TDataSet* m_dataSet = nullptr;
    std::vector<TDataLink*> m_links;
    TDataSetState m_state = dsInactive;
    bool m_enabled = true;
    bool m_autoEdit = true;
    bool m_silent = false; // no handlers while the dataset is being destroyed
};

} // namespace ger
