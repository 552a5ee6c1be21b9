#include "platform/db/TDataSource.h"

#include "DbTestSupport.h"
#include "platform/db/TDataLink.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

// A link that writes down every notification it gets.
class RecordingLink : public TDataLink {
public:
    QStringList calls;
    TField* focusTarget = nullptr;

protected:
    void ActiveChanged() override { calls << QStringLiteral("Active=%1").arg(Active()); }
    void EditingChanged() override { calls << QStringLiteral("Editing=%1").arg(Editing()); }
    void DataSetChanged() override { calls << "DataSetChanged"; }
    void DataSetScrolled(int distance) override {
        calls << QStringLiteral("Scrolled(%1)").arg(distance);
    }
    void RecordChanged(TField* field) override {
        calls << QStringLiteral("RecordChanged(%1)").arg(field ? field->FieldName() : "nil");
    }
    void LayoutChanged() override { calls << "LayoutChanged"; }
    void UpdateData() override { calls << "UpdateData"; }
    void FocusControl(TField*& field) override {
        if (field == focusTarget) {
            calls << "FocusControl";
            field = nullptr;
        }
    }
};

class DataSourceTest : public ::testing::Test {
protected:
    DataSourceTest() {
        dts->SetDataSet(cds);
        dts->OnStateChange = [this](TObject*) { states << StateName(dts->State()); };
        link.SetDataSource(dts);
    }
    QStringList TakeCalls() { return std::exchange(link.calls, {}); }

    TComponent form{nullptr};
    TClientDataSet* cds = new TClientDataSet(&form);
    TDataSource* dts = new TDataSource(&form);
    RecordingLink link;
    QStringList states;
};

} // namespace

TEST_F(DataSourceTest, StateChangesReachOnStateChangeAndLinks) {
    cds->SetData(BranchPacket());
    cds->Edit();
    cds->FieldByName("IDLIBERADO")->SetAsString("N");
    cds->Post();
    cds->Insert();
    cds->Cancel();
    cds->Close();
    EXPECT_EQ(states, QStringList({"browse", "edit", "browse", "insert", "browse", "inactive"}));
    EXPECT_EQ(TakeCalls(), QStringList({"Active=1", "Editing=1", "RecordChanged(nil)",
                                        "RecordChanged(IDLIBERADO)", "UpdateData", "Editing=0",
                                        "DataSetChanged", "Editing=1", "DataSetChanged",
                                        "Editing=0", "DataSetChanged", "Active=0"}));
}

TEST_F(DataSourceTest, ScrollsReportTheDistanceAndJumpsAChange) {
    cds->SetData(BranchPacket());
    TakeCalls();
    cds->MoveBy(2);
    cds->Prior();
    cds->First();
    EXPECT_EQ(TakeCalls(), QStringList({"Scrolled(2)", "Scrolled(-1)", "DataSetChanged"}));
}

TEST_F(DataSourceTest, DisabledControlsHearNothingThenOneCatchUp) {
    cds->SetData(BranchPacket());
    TakeCalls();
    {
        TDataSet::DisabledControlsScope scope(*cds);
        EXPECT_TRUE(cds->ControlsDisabled());
        cds->Next();
        cds->Edit();
        cds->FieldByName("OPERACAO")->SetEditMask("000");
        cds->FieldByName("IDLIBERADO")->SetAsString("N");
        EXPECT_TRUE(TakeCalls().isEmpty());
        EXPECT_TRUE(states.endsWith("browse"));
    }
    EXPECT_FALSE(cds->ControlsDisabled());
    EXPECT_EQ(TakeCalls(), QStringList({"Editing=1", "DataSetChanged"}));
    EXPECT_EQ(states.last(), "edit");
}

TEST_F(DataSourceTest, NestedDisableWaitsForTheLastEnable) {
    cds->SetData(BranchPacket());
    TakeCalls();
    cds->DisableControls();
    cds->DisableControls();
    cds->FieldByName("OPERACAO")->SetDisplayLabel("Tipo");
    cds->EnableControls();
    EXPECT_TRUE(TakeCalls().isEmpty());
    cds->EnableControls();
    EXPECT_EQ(TakeCalls(), QStringList({"LayoutChanged"}));
}

TEST_F(DataSourceTest, EditThroughTheDataSourceHonoursAutoEdit) {
    cds->SetData(BranchPacket());
    dts->SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(cds->State(), dsBrowse);
    dts->SetAutoEdit(true);
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(cds->State(), dsEdit);
    dts->Edit(); // already editing: nothing
    EXPECT_EQ(cds->State(), dsEdit);
}

TEST_F(DataSourceTest, DisabledDataSourceIsInactiveAndSilent) {
    cds->SetData(BranchPacket());
    dts->SetEnabled(false);
    EXPECT_EQ(dts->State(), dsInactive);
    TakeCalls();
    cds->Next();
    EXPECT_TRUE(TakeCalls().isEmpty());
    dts->SetEnabled(true);
    EXPECT_EQ(TakeCalls(), QStringList({"Active=1"}));
}

TEST_F(DataSourceTest, FieldFocusControlReachesTheLinkShowingIt) {
    cds->SetData(BranchPacket());
    TakeCalls();
    link.focusTarget = cds->FieldByName("OPERACAO");
    cds->FieldByName("IDLIBERADO")->FocusControl();
    link.focusTarget->FocusControl();
    EXPECT_EQ(TakeCalls(), QStringList({"FocusControl"}));
}

TEST_F(DataSourceTest, OnDataChangeNamesTheAssignedField) {
    cds->SetData(BranchPacket());
    QStringList changes;
    dts->OnDataChange = [&changes](TObject*, TField* field) {
        changes << (field ? field->FieldName() : QStringLiteral("nil"));
    };
    cds->Edit();
    cds->FieldByName("IDLIBERADO")->SetAsString("N");
    EXPECT_EQ(changes, QStringList({"nil", "IDLIBERADO"}));
}

TEST_F(DataSourceTest, DestroyingTheDataSetDeactivatesLinksSilently) {
    cds->SetData(BranchPacket());
    TakeCalls();
    states.clear();
    delete cds;
    EXPECT_EQ(dts->DataSet(), nullptr);
    EXPECT_EQ(dts->State(), dsInactive);
    EXPECT_TRUE(states.isEmpty());
    EXPECT_EQ(TakeCalls(), QStringList({"Active=0"}));
}

TEST_F(DataSourceTest, DestroyingTheDataSourceDetachesLinksAndDataSet) {
    cds->SetData(BranchPacket());
    delete dts;
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_FALSE(link.Active());
    cds->Next(); // must not reach the destroyed data source
    EXPECT_EQ(cds->RecNo(), 2);
}
