#include "host/core/HostScriptDialogs.h"
#include "host/core/ScriptInterpreter.h"
#include "host/core/ScriptParser.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TForm.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ger;
using ::testing::HasSubstr;

namespace {

constexpr int kRows = 30;

// A grid of operation types taller than its window: a code column hidden between the
// description and the flag, the flag shown as "Sim"/"Não" with that pick list.
class GridScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(&Application());
        form->SetName(QStringLiteral("frmGrade"));
        form->SetBounds(0, 0, 500, 300);
        auto* name = new TEdit(form);
        name->SetName(QStringLiteral("edtNome"));
        name->SetParent(form);
        cds = new TClientDataSet(form);
        cds->SetName(QStringLiteral("cdsTipos"));
        auto* dts = new TDataSource(form);
        dts->SetName(QStringLiteral("dtsTipos"));
        dts->SetDataSet(cds);
        grid = new TDBGrid(form);
        grid->SetName(QStringLiteral("dbgTipos"));
        grid->SetParent(form);
        grid->SetBounds(0, 40, 400, 150);
        grid->SetDataSource(dts);
        for (const char* field : {"OPERACAO", "CDTIPOOPER", "IDLIBERADO"})
            grid->Columns().Add()->SetFieldName(QString::fromLatin1(field));
        grid->Columns()[0]->SetReadOnly(true);
        grid->Columns()[1]->SetVisible(false);
        grid->Columns()[2]->SetPickList({QStringLiteral("Sim"), QStringLiteral("Não")});
        DataPacket packet{{{"OPERACAO", 35}, {"CDTIPOOPER", 2}, {"IDLIBERADO", 1}}, {}};
        for (int i = 1; i <= kRows; ++i) {
            const QString code = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            packet.rows.push_back(
                {code + QStringLiteral(" - Tipo ") + code, code, QStringLiteral("S")});
        }
        cds->SetData(packet.Encode());
        cds->FieldByName(QStringLiteral("IDLIBERADO"))->OnGetText = [](TField* f, QString& text,
                                                                       bool) {
            text = f->AsString() == u"N" ? QStringLiteral("Não") : QStringLiteral("Sim");
        };
        form->Show();
    }

    void TearDown() override {
        Application().DestroyForms();
        Application().SetMainForm(nullptr);
    }

    int run(const QString& script) {
        transcript.clear();
        QTextStream stream(&transcript);
        HostScriptDialogs dialogs;
        ScriptInterpreter interpreter(
            dialogs, [] {}, stream);
        const int exitCode = interpreter.Run(ParseScript(script));
        error = interpreter.Error();
        return exitCode;
    }

    QString storedFlag(int recNo) {
        cds->SetRecNo(recNo);
        return cds->FieldByName(QStringLiteral("IDLIBERADO"))->AsString();
    }

    TForm* form = nullptr;
    TClientDataSet* cds = nullptr;
    TDBGrid* grid = nullptr;
    QString transcript;
    QString error;
};

TEST_F(GridScriptTest, DumpShowsTheRowsInViewWithTheCurrentOneMarked) {
    ASSERT_LT(grid->VisibleRowCount(), kRows) << "the grid must be shorter than its rows";
    ASSERT_EQ(run("dump dbgTipos\n"), 0) << error.toStdString();
    const QStringList lines = transcript.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4 + grid->VisibleRowCount());
    EXPECT_EQ(lines[2].toStdString(),
              QStringLiteral("  dataset browse, rows 1-%1 of %2, current row 1, column "
                             "\"OPERACAO\"")
                  .arg(grid->VisibleRowCount())
                  .arg(kRows)
                  .toStdString());
    EXPECT_EQ(lines[3].toStdString(), "    | # | OPERACAO     | IDLIBERADO")
        << "hidden columns are left out";
    EXPECT_EQ(lines[4].toStdString(), "  * | 1 | 01 - Tipo 01 | Sim");
    EXPECT_EQ(lines[5].toStdString(), "    | 2 | 02 - Tipo 02 | Sim");
}

TEST_F(GridScriptTest, CellCountsColumnsAsShownAndPickWritesTheFlag) {
    ASSERT_EQ(run("cell dbgTipos 2 2\npick Não\nkey Down\ndump dbgTipos\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(), HasSubstr("    | 2 | 02 - Tipo 02 | Não\n"));
    EXPECT_THAT(transcript.toStdString(), HasSubstr("  * | 3 | 03 - Tipo 03 | Sim\n"));
    EXPECT_EQ(cds->State(), dsBrowse) << "moving down posted the row";
    EXPECT_EQ(storedFlag(2).toStdString(), "N");
    EXPECT_EQ(storedFlag(1).toStdString(), "S");
}

struct GridMisuse {
    const char* name;
    const char* script;
    const char* said;
};

class GridMisuseTest : public GridScriptTest, public ::testing::WithParamInterface<GridMisuse> {};

TEST_P(GridMisuseTest, IsAScriptError) {
    EXPECT_EQ(run(QString::fromUtf8(GetParam().script)), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr(GetParam().said));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, GridMisuseTest,
    ::testing::Values(GridMisuse{"RowOutOfView", "cell dbgTipos 30 1\n", "shows no cell"},
                      GridMisuse{"ColumnBeyondTheShownOnes", "cell dbgTipos 1 3\n",
                                 "shows no column 3 (it shows 2)"},
                      GridMisuse{"NotAGrid", "cell edtNome 1 1\n", "edtNome is not a data grid"},
                      GridMisuse{"PickWithoutAGridFocused", "pick Sim\n",
                                 "no combo box or data grid has the focus"},
                      GridMisuse{"PickOfAnItemNotListed", "cell dbgTipos 1 2\npick Talvez\n",
                                 "Talvez"}),
    [](const auto& tested) { return std::string(tested.param.name); });

} // namespace
