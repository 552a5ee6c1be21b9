#include "qtview/QtDBEditView.h"

#include "QtViewTestSupport.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/UserInput.h"
#include "platform/forms/dbctrls/TDBEdit.h"
#include "platform/forms/dbctrls/TDBText.h"

#include <QLabel>
#include <QLineEdit>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

// The issuing-data dialog in small: edits and a label on the address rows of a branch.
class QtDBEditViewTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        cds = new TClientDataSet(form);
        cds->SetName("cdsDadosEmissaoNF");
        dts = new TDataSource(form);
        dts->SetName("dtsDadosEmissaoNF");
        dts->SetDataSet(cds);
        cds->SetData(DataPacket{
            {{"IDTPENDEFILI", 1}, {"NMLOGRADOURO", 40}},
            {{QString("P"), QString("Rua Augusta")}, {QString("C"), QString("Avenida Paulista")}}}
                         .Encode());
        street = make<TDBEdit>(form, "dbeLogradouro");
        street->SetDataSource(dts);
        street->SetDataField("NMLOGRADOURO");
        kind = make<TDBText>(form, "dbtTipo");
        kind->SetTop(40);
        kind->SetDataSource(dts);
        kind->SetDataField("IDTPENDEFILI");
        unbound = make<TDBEdit>(form, "dbeSemCampo");
        unbound->SetTop(80);
        showForm();
    }
    QLineEdit* line(TControl* control) const { return widget<QLineEdit>(control); }

    TClientDataSet* cds = nullptr;
    TDataSource* dts = nullptr;
    TDBEdit* street = nullptr;
    TDBText* kind = nullptr;
    TDBEdit* unbound = nullptr;
};

TEST_F(QtDBEditViewTest, TheWidgetsFollowTheCurrentRecord) {
    ASSERT_NE(line(street), nullptr);
    EXPECT_EQ(line(street)->text(), "Rua Augusta");
    EXPECT_EQ(widget<QLabel>(kind)->text(), "P");
    cds->Next();
    EXPECT_EQ(line(street)->text(), "Avenida Paulista");
    EXPECT_EQ(widget<QLabel>(kind)->text(), "C");
}

TEST_F(QtDBEditViewTest, TypingPutsTheDatasetIntoEditThroughTheModel) {
    UserInput::Focus(*street);
    QTest::keyClick(line(street), Qt::Key_End);
    QTest::keyClicks(line(street), ", 100");
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(line(street)->text(), "Rua Augusta, 100");
    QTest::keyClick(line(street), Qt::Key_Escape);
    EXPECT_EQ(line(street)->text(), "Rua Augusta");
}

TEST_F(QtDBEditViewTest, AnEditWithoutAModifiableFieldLooksReadOnly) {
    EXPECT_TRUE(line(unbound)->isReadOnly());
    EXPECT_FALSE(line(street)->isReadOnly());
    cds->FieldByName("NMLOGRADOURO")->SetReadOnly(true);
    cds->Next();
    EXPECT_TRUE(line(street)->isReadOnly());
}

} // namespace
