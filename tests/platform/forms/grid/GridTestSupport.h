#pragma once
// The grid tests' fixture: the per-branch grid in small (support/OperationTypeGrid.h) loaded
// with three operation types, on a shown form.

#include "../FormsTestSupport.h"
#include "script/ScriptedUser.h"
#include "support/OperationTypeGrid.h"
#include "support/QtPrinters.h"

namespace ger::gridtest {

using namespace ger::formstest;

inline PacketValue V(const char* text) {
    return QString::fromUtf8(text);
}

class GridTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        const test::OperationTypeGrid parts = test::BuildOperationTypeGrid(
            *form, {400, 200,
                    TDBGridOptions(dgEditing | dgTitles | dgColumnResize | dgColLines | dgRowLines |
                                   dgTabs | dgAlwaysShowSelection | dgCancelOnExit)});
        cds = parts.cds;
        dts = parts.dts;
        grid = parts.grid;
        other = parts.other;
        Load(test::OperationTypesPacket());
        form->Show();
    }

    ScriptedUser user() { return ScriptedUser(*form); }

    void Load(const QByteArray& packet) { test::LoadOperationTypes(*cds, packet); }

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
