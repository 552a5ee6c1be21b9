#include "framework/TMessages.h"

#include "FrameworkTestSupport.h"
#include "framework/FrameworkExceptions.h"
#include "platform/forms/TForm.h"
#include "platform/forms/formdata/LoadFormData.h"

using namespace ger;
using namespace ger::fwtest;

namespace {

// The table as form data declares it, accents as character codes.
const char* const MessagesForm = R"(object frmMensagens: TForm
  object msgPadrao: TMessages
    Messages.Strings = (
      'Filial_Cad|Filial n'#227'o cadastrada.'
      'TipoOPeracao_n_cad|N'#227'o h'#225' tipo de opera'#231#227'o cadastrado.'
      'Inf_Fil|Filial deve ser informada. '
      'Conf|Linha|com barra'
      ''
      'Sem barra alguma'
      'Excl|Confirma exclus'#227'o?'
      'excl|Segunda linha da mesma chave')
  end
end
)";

class TMessagesTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = new TForm(&Application());
        LoadFormData(form, QString::fromUtf8(MessagesForm), QStringLiteral("messages"), handlers);
        messages = form->Find<TMessages>(QStringLiteral("msgPadrao"));
        ASSERT_NE(messages, nullptr);
    }

    HandlerTable handlers;
    TForm* form = nullptr;
    TMessages* messages = nullptr;
};

struct KeyCase {
    const char* key;
    const char* text;
};

class TMessagesKeyTest : public TMessagesTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(TMessagesKeyTest, MsgFindsTheTextWithoutRegardToTheKeysCase) {
    EXPECT_EQ(messages->Msg(QString::fromUtf8(GetParam().key)), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Keys, TMessagesKeyTest,
                         testing::Values(KeyCase{"Filial_Cad", "Filial não cadastrada."},
                                         KeyCase{"FILIAL_CAD", "Filial não cadastrada."},
                                         KeyCase{"TipoOperacao_n_cad",
                                                 "Não há tipo de operação cadastrado."},
                                         // The closing blank is part of the text.
                                         KeyCase{"inf_fil", "Filial deve ser informada. "},
                                         // Only the first bar separates key and text.
                                         KeyCase{"Conf", "Linha|com barra"},
                                         // The first of two lines with one key wins.
                                         KeyCase{"EXCL", "Confirma exclusão?"}));

TEST_F(TMessagesTest, AnUnknownKeyRaisesNamingTheTableAndTheKey) {
    const QString message =
        MessageOf<EMessageKeyError>([&] { messages->Msg(QStringLiteral("Filial_Inexistente")); });
    EXPECT_TRUE(message.contains(QLatin1String("msgPadrao"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("Filial_Inexistente"))) << message.toStdString();
}

TEST_F(TMessagesTest, LinesWithoutABarHoldNoMessage) {
    EXPECT_THROW(messages->Msg(QStringLiteral("Sem barra alguma")), EMessageKeyError);
    EXPECT_THROW(messages->Msg(QString()), EMessageKeyError);
    EXPECT_FALSE(messages->HasMsg(QStringLiteral("Sem barra alguma")));
    EXPECT_TRUE(messages->HasMsg(QStringLiteral("conf")));
}

TEST_F(TMessagesTest, ShowMsgAsksTheDialogServiceAndReturnsTheAnswer) {
    dialogs.Answer(mrNo);
    EXPECT_EQ(messages->ShowMsg(QStringLiteral("excl"), mtConfirmation, {mbYes, mbNo}, 0), mrNo);
    EXPECT_EQ(messages->ShowMsg(QStringLiteral("Filial_Cad"), mtError, mbOK, 0), mrOk);
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("Confirma exclusão?"));
    EXPECT_EQ(dialogs.Messages()[0].type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages()[0].buttons, TMsgDlgButtons({mbYes, mbNo}));
    EXPECT_EQ(dialogs.Messages()[1].text, QStringLiteral("Filial não cadastrada."));
    EXPECT_EQ(dialogs.Messages()[1].type, mtError);
}

TEST_F(TMessagesTest, ShowMsgOfAnUnknownKeyShowsNothing) {
    EXPECT_THROW(messages->ShowMsg(QStringLiteral("Nada"), mtError, mbOK, 0), EMessageKeyError);
    EXPECT_TRUE(dialogs.Messages().empty());
}

} // namespace
