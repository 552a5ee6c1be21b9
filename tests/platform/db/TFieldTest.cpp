#include "DbTestSupport.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TStringField.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

// A form holding cdsTpOperFil with two persistent fields, as form data would declare them.
class PersistentFieldsTest : public ::testing::Test {
protected:
    PersistentFieldsTest() {
        cds->SetName("cdsTpOperFil");
        operacao->SetName("cdsTpOperFilOPERACAO");
        operacao->SetFieldName("OPERACAO");
        operacao->SetSize(35);
        operacao->SetDisplayLabel("Tipo de Operação");
        operacao->SetParentComponent(cds);
        liberado->SetName("cdsTpOperFilIDLIBERADO");
        liberado->SetFieldName("IDLIBERADO");
        liberado->SetSize(1);
        liberado->SetParentComponent(cds);
    }

    TComponent form{nullptr};
    TClientDataSet* cds = new TClientDataSet(&form);
    TStringField* operacao = new TStringField(&form);
    TStringField* liberado = new TStringField(&form);
};

} // namespace

TEST_F(PersistentFieldsTest, LoadingBindsDeclaredFieldsByNameAndKeepsOtherColumns) {
    cds->SetData(BranchPacket());
    EXPECT_FALSE(cds->DefaultFields());
    EXPECT_EQ(cds->FieldCount(), 2);
    EXPECT_EQ(cds->Fields(0), operacao);
    EXPECT_EQ(cds->FindField("CDFILIAL"), nullptr);
    EXPECT_EQ(liberado->AsString(), "S");
    EXPECT_EQ(cds->FieldByName("idliberado"), liberado);
    EXPECT_EQ(DataPacket::Decode(cds->Data()).fields.size(), 3u);
}

TEST_F(PersistentFieldsTest, DeclaredFieldMissingFromThePacketRaisesAndChangesNothing) {
    cds->SetData(BranchPacket());
    cds->Next();
    const QByteArray before = cds->Data();
    const QByteArray other = Packet({{"OPERACAO", 35}}, {{V("99")}});
    EXPECT_THAT(
        [&] { cds->SetData(other); },
        ThrowsWithMessage<EDatabaseError>("cdsTpOperFil.SetData: Field 'IDLIBERADO' not found"));
    EXPECT_EQ(cds->Data(), before);
    EXPECT_EQ(cds->RecNo(), 2);
}

TEST_F(PersistentFieldsTest, CreateDataSetBuildsEmptyColumnsFromTheFields) {
    cds->CreateDataSet();
    EXPECT_TRUE(cds->IsEmpty());
    EXPECT_EQ(DataPacket::Decode(cds->Data()).fields,
              (std::vector<PacketField>{{"OPERACAO", 35}, {"IDLIBERADO", 1}}));
    EXPECT_THROW(cds->CreateDataSet(), EDatabaseError);
}

TEST_F(PersistentFieldsTest, DisplayLabelFallsBackToFieldName) {
    EXPECT_EQ(operacao->DisplayLabel(), "Tipo de Operação");
    EXPECT_EQ(liberado->DisplayLabel(), "IDLIBERADO");
    EXPECT_EQ(liberado->DisplayWidth(), 1);
    EXPECT_EQ(liberado->Index(), 1);
    liberado->SetIndex(0);
    EXPECT_EQ(cds->Fields(0), liberado);
}

TEST_F(PersistentFieldsTest, DestroyingFieldOrDataSetFirstLeavesNoDanglingLink) {
    cds->SetData(BranchPacket());
    delete liberado;
    EXPECT_EQ(cds->FieldCount(), 1);
    delete cds;
    EXPECT_EQ(operacao->DataSet(), nullptr);
    EXPECT_TRUE(operacao->IsNull());
}

TEST_F(PersistentFieldsTest, FieldsCannotBeRedefinedWhileOpen) {
    cds->SetData(BranchPacket());
    EXPECT_THROW(liberado->SetSize(2), EDatabaseError);
    EXPECT_THROW(liberado->SetFieldName("X"), EDatabaseError);
    EXPECT_THROW(liberado->SetDataSet(nullptr), EDatabaseError);
}

class FieldValueTest : public ::testing::Test {
protected:
    void SetUp() override {
        cds.SetName("cdsTpOperFil");
        cds.SetData(BranchPacket());
        cds.Last();
    }
    TField* Liberado() { return cds.FieldByName("IDLIBERADO"); }
    TClientDataSet cds{nullptr};
};

TEST_F(FieldValueTest, NullReadsAsEmptyOnlyThroughAsString) {
    EXPECT_TRUE(Liberado()->IsNull());
    EXPECT_EQ(Liberado()->AsString(), QString());
    EXPECT_FALSE(Liberado()->AsVariant().isValid());
    cds.Edit();
    Liberado()->SetAsString("");
    EXPECT_FALSE(Liberado()->IsNull());
    EXPECT_EQ(Liberado()->AsVariant(), QVariant(QString()));
    Liberado()->SetAsVariant(QVariant());
    EXPECT_TRUE(Liberado()->IsNull());
    Liberado()->SetAsVariant(QVariant(QStringLiteral("S")));
    EXPECT_EQ(Liberado()->AsString(), "S");
    Liberado()->Clear();
    EXPECT_TRUE(Liberado()->IsNull());
}

TEST_F(FieldValueTest, AssigningTruncatesToSizeInCharacters) {
    cds.Edit();
    Liberado()->SetAsString("Não");
    EXPECT_EQ(Liberado()->AsString(), "N");
    cds.FieldByName("OPERACAO")->SetAsVariant(QString(40, QChar(0x00E7)));
    EXPECT_EQ(cds.FieldByName("OPERACAO")->AsString(), QString(35, QChar(0x00E7)));
    Liberado()->SetText("Sim");
    EXPECT_EQ(Liberado()->AsString(), "S");
}

TEST_F(FieldValueTest, AssigningOutsideEditRaisesNamingDataSetFieldAndOperation) {
    EXPECT_THAT([&] { Liberado()->SetAsString("N"); },
                ThrowsWithMessage<EDatabaseError>(
                    "cdsTpOperFil.IDLIBERADO.SetAsString: Dataset not in edit or insert mode"));
    EXPECT_THROW(Liberado()->Clear(), EDatabaseError);
    EXPECT_TRUE(Liberado()->IsNull());
}

TEST_F(FieldValueTest, ReadOnlyFieldRefusesAndRequiredFieldBlocksPost) {
    cds.Edit();
    Liberado()->SetReadOnly(true);
    EXPECT_THROW(Liberado()->SetAsString("S"), EDatabaseError);
    Liberado()->SetReadOnly(false);
    Liberado()->SetRequired(true);
    EXPECT_THROW(cds.Post(), EDatabaseError);
    EXPECT_EQ(cds.State(), dsEdit);
    Liberado()->SetAsString("S");
    cds.Post();
    EXPECT_EQ(cds.State(), dsBrowse);
}

TEST_F(FieldValueTest, GetTextHandlerServesTextAndDisplayText) {
    QList<bool> calls;
    Liberado()->OnGetText = [&calls](TField* sender, QString& text, bool displayText) {
        calls << displayText;
        text = sender->AsString() == "N" ? QStringLiteral("Não") : QStringLiteral("Sim");
    };
    EXPECT_EQ(Liberado()->DisplayText(), "Sim"); // NULL shows "Sim"
    cds.Prior();
    EXPECT_EQ(Liberado()->Text(), "Não");
    EXPECT_EQ(calls, QList<bool>({true, false}));
}

TEST_F(FieldValueTest, DisplayTextAppliesTheEditMaskThroughTheInstalledFormatter) {
    cds.Edit();
    Liberado()->SetAsString("S");
    Liberado()->SetEditMask("!>L;0;_");
    EXPECT_EQ(Liberado()->DisplayText(), "S");
    TStringField::SetMaskFormatter(
        [](const QString& mask, const QString& value) { return mask.left(1) + value; });
    EXPECT_EQ(Liberado()->DisplayText(), "!S");
    EXPECT_EQ(Liberado()->Text(), "S");
    TStringField::SetMaskFormatter({});
}

TEST_F(FieldValueTest, FailingValidationKeepsThePreviousValue) {
    cds.Edit();
    Liberado()->SetAsString("S");
    Liberado()->OnValidate = [](TField* f) {
        if (f->AsString() != "S" && f->AsString() != "N")
            throw EDatabaseError("S or N");
    };
    EXPECT_THROW(Liberado()->SetAsString("X"), EDatabaseError);
    EXPECT_EQ(Liberado()->AsString(), "S");
    int changes = 0;
    Liberado()->OnChange = [&changes](TField*) { ++changes; };
    Liberado()->SetAsString("N");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(cds.Modified());
}

TEST(DefaultFieldsTest, CreatedFromThePacketAndFreedOnClose) {
    TClientDataSet cds(nullptr);
    cds.SetData(BranchPacket());
    ASSERT_EQ(cds.FieldCount(), 3);
    EXPECT_TRUE(cds.DefaultFields());
    EXPECT_EQ(cds.Fields(0)->FieldName(), "OPERACAO");
    EXPECT_EQ(cds.Fields(0)->Size(), 35);
    EXPECT_EQ(cds.Fields(2)->DataType(), ftString);
    cds.Close();
    EXPECT_EQ(cds.FieldCount(), 0);
    EXPECT_THROW(cds.FieldByName("OPERACAO"), EDatabaseError);
}

TEST(DefaultFieldsTest, CreateDataSetFromFieldDefs) {
    TClientDataSet cds(nullptr);
    EXPECT_THROW(cds.CreateDataSet(), EDatabaseError);
    cds.FieldDefs().Add("CDFILIAL", ftString, 4);
    cds.FieldDefs().Add("NMFILIAL", ftString, 30);
    EXPECT_THROW(cds.FieldDefs().Add("cdfilial", ftString, 4), EDatabaseError);
    cds.CreateDataSet();
    EXPECT_EQ(cds.FieldCount(), 2);
    EXPECT_EQ(cds.FieldByName("NMFILIAL")->Size(), 30);
    cds.Append();
    cds.FieldByName("CDFILIAL")->SetAsString("000123");
    cds.Post();
    EXPECT_EQ(Rows(cds), (std::vector<PacketRow>{{V("0001"), N()}}));
}
