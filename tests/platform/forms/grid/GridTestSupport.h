#pragma once
// The per-branch grid of the screens, in small: a client dataset of operation types with two
// one-character flags shown as "Sim"/"Não", its data source, and a grid with three columns
// (the operation read-only by the column, the flags with the pick list "Sim", "Não"), on a
// shown form with an edit to move the focus to.

#include "../FormsTestSupport.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "script/ScriptedUser.h"
#include "support/QtPrinters.h"

namespace ger::gridtest {

using namespace ger::formstest;

inline PacketValue V(const char* text) {
    return QString::fromUtf8(text);
}

inline QByteArray OperationTypes() {
    return DataPacket{{{"OPERACAO", 35}, {"IDLIBERADO", 1}, {"IDLANCMANUAL", 1}},
                      {{V("01 - Venda"), V("S"), V("N")},
                       {V("02 - Devolução"), V("N"), V("S")},
                       {V("03 - Remessa"), std::nullopt, V("S")}}}
        .Encode();
}

// "Não" for "N", "Sim" for anything else, NULL included.
inline void FlagText(TField* sender, QString& text, bool) {
    text = sender->AsString() == QLatin1String("N") ? QStringLiteral("Não") : QStringLiteral("Sim");
}

class GridTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        cds = new TClientDataSet(form);
        cds->SetName("cdsTpOperFil");
        dts = new TDataSource(form);
        dts->SetName("dtsTpOperFil");
        dts->SetDataSet(cds);
        grid = make<TDBGrid>(form, "dbgPadrao");
        grid->SetBounds(0, 0, 400, 200);
        grid->SetOptions(TDBGridOptions(dgEditing | dgTitles | dgColumnResize | dgColLines |
                                        dgRowLines | dgTabs | dgAlwaysShowSelection |
                                        dgCancelOnExit));
        grid->SetDataSource(dts);
        for (const char* name : {"OPERACAO", "IDLIBERADO", "IDLANCMANUAL"}) {
            TColumn* column = grid->Columns().Add();
            column->SetFieldName(QString::fromLatin1(name));
            if (column->Index() > 0)
                column->SetPickList({"Sim", "Não"});
        }
        grid->Columns()[0]->SetReadOnly(true);
        other = make<TEdit>(form, "edtOutro");
        other->SetTop(250);
        Load(OperationTypes());
        form->Show();
    }

    ScriptedUser user() { return ScriptedUser(*form); }

    void Load(const QByteArray& packet) {
        cds->SetData(packet);
        cds->FieldByName("IDLIBERADO")->OnGetText = FlagText;
        cds->FieldByName("IDLANCMANUAL")->OnGetText = FlagText;
    }

    // The stored values of one column, row by row.
    QStringList Column(const char* field) {
        QStringList values;
        const int row = cds->RecNo();
        for (int i = 0; i < grid->RowCount(); ++i) {
            TDataSet::ActiveRecordScope scope(*cds, i);
            const TField* f = cds->FieldByName(QString::fromLatin1(field));
            values << (f->IsNull() ? QStringLiteral("<null>") : f->AsString());
        }
        EXPECT_EQ(cds->RecNo(), row);
        return values;
    }

    QString Value(const char* field) {
        return cds->FieldByName(QString::fromLatin1(field))->AsString();
    }

    TClientDataSet* cds = nullptr;
    TDataSource* dts = nullptr;
    TDBGrid* grid = nullptr;
    TEdit* other = nullptr;
};

} // namespace ger::gridtest
