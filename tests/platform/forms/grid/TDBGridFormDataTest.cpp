// A grid declared in form data: options, events, and its columns as a collection.

#include "../FormsTestSupport.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

using namespace ger;
using namespace ger::formstest;

namespace {

const char* const kGridForm = R"(object frmGrade: TForm
  object cdsTpOperFil: TClientDataSet
    object cdsTpOperFilOPERACAO: TStringField
      DisplayLabel = 'Tipo de Opera'#231#227'o'
      FieldName = 'OPERACAO'
      Size = 35
    end
    object cdsTpOperFilIDLIBERADO: TStringField
      DisplayLabel = 'Liberado'
      FieldName = 'IDLIBERADO'
      Size = 1
    end
  end
  object dtsTpOperFil: TDataSource
    DataSet = cdsTpOperFil
  end
  object dbgPadrao: TDBGrid
    Left = 8
    Top = 8
    Width = 500
    Height = 200
    BorderStyle = bsNone
    Color = clInfoBk
    DataSource = dtsTpOperFil
    Options = [dgEditing, dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgCancelOnExit]
    TitleFont.Charset = DEFAULT_CHARSET
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    TitleFont.Style = [fsBold]
    OnColEnter = dbgPadraoColEnter
    OnDrawColumnCell = dbgPadraoDrawColumnCell
    Columns = <
      item
        Expanded = False
        FieldName = 'OPERACAO'
        Width = 250
        Visible = True
      end
      item
        Expanded = False
        FieldName = 'IDLIBERADO'
        PickList.Strings = (
          'Sim'
          'N'#227'o')
        Title.Caption = 'Liberado?'
        Title.Alignment = taCenter
        ButtonStyle = cbsAuto
        Visible = True
      end
      item
        FieldName = 'IDENDEMISTPOPFIL'
        ReadOnly = True
        ButtonStyle = cbsEllipsis
      end>
  end
end
)";

class GridFormDataTest : public FormsTest {
protected:
    void Load(const QString& text) {
        handlers.add<void(TObject*)>("dbgPadraoColEnter", [this](TObject*) { ++colEnters; });
        handlers.add<void(TObject*, const TRect&, int, TColumn*, TGridDrawState)>(
            "dbgPadraoDrawColumnCell",
            [this](TObject*, const TRect&, int, TColumn*, TGridDrawState) { ++cellsDrawn; });
        LoadFormData(form, text, QStringLiteral("grade.dfm"), handlers);
    }

    HandlerTable handlers;
    int colEnters = 0;
    int cellsDrawn = 0;
};

TEST_F(GridFormDataTest, ReadsOptionsColumnsAndPickLists) {
    Load(QString::fromLatin1(kGridForm));
    auto* grid = form->Find<TDBGrid>("dbgPadrao");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Options(),
              TDBGridOptions(dgEditing | dgTitles | dgColumnResize | dgColLines | dgRowLines |
                             dgTabs | dgAlwaysShowSelection | dgCancelOnExit));
    EXPECT_EQ(grid->BorderStyle(), bsNone);
    EXPECT_EQ(grid->Color(), clInfoBk);
    EXPECT_EQ(grid->DataSource(), form->Find<TDataSource>("dtsTpOperFil"));
    ASSERT_EQ(grid->Columns().Count(), 3);
    EXPECT_EQ(grid->Columns().State(), csCustomized);

    const TColumn* operation = grid->Columns()[0];
    const TColumn* released = grid->Columns()[1];
    const TColumn* address = grid->Columns()[2];
    EXPECT_EQ(operation->FieldName(), "OPERACAO");
    EXPECT_EQ(operation->Width(), 250);
    EXPECT_EQ(operation->Title().Caption(), QString::fromUtf8("Tipo de Operação"))
        << "the title defaults to the field's label";
    EXPECT_EQ(released->PickList(), QStringList({"Sim", QString::fromUtf8("Não")}));
    EXPECT_EQ(released->Title().Caption(), "Liberado?");
    EXPECT_EQ(released->Title().Alignment(), taCenter);
    EXPECT_EQ(released->ButtonStyle(), cbsAuto);
    EXPECT_TRUE(released->Title().Font().IsBold()) << "titles follow the grid's TitleFont";
    EXPECT_TRUE(address->ReadOnly());
    EXPECT_EQ(address->ButtonStyle(), cbsEllipsis);
    EXPECT_EQ(address->Field(), nullptr) << "the dataset has no such field";

    EXPECT_EQ(colEnters, 0) << "loading fires no event";
    grid->SetSelectedIndex(1);
    EXPECT_EQ(colEnters, 1);
}

TEST_F(GridFormDataTest, TheDrawHandlerFromFormDataRunsPerCell) {
    Load(QString::fromLatin1(kGridForm));
    auto* cds = form->Find<TClientDataSet>("cdsTpOperFil");
    cds->SetData(DataPacket{{{"OPERACAO", 35}, {"IDLIBERADO", 1}},
                            {{QString("01 - Venda"), QString("S")}, {QString("02"), QString("N")}}}
                     .Encode());
    RecordingCanvas canvas;
    form->Find<TDBGrid>("dbgPadrao")->Paint(canvas);
    EXPECT_EQ(cellsDrawn, 6);
}

TEST_F(GridFormDataTest, UnknownOptionsAndColumnPropertiesAreLoadErrors) {
    QString badOption = QString::fromLatin1(kGridForm);
    badOption.replace("dgTabs,", "dgTabulacao,");
    EXPECT_THROW(Load(badOption), EFormDataError);
    QString badColumn = QString::fromLatin1(kGridForm);
    badColumn.replace("ButtonStyle = cbsEllipsis", "Botao = cbsEllipsis");
    EXPECT_THROW(Load(badColumn), EFormDataError);
}

} // namespace
