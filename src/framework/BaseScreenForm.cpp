#include "framework/BaseScreenForm.h"

#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "framework/TMessages.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomEdit.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/formdata/LoadFormData.h"

namespace ger {
namespace {

// A lookup button is reached from its edit with this key: F2 belongs to the grids.
constexpr Word LookupKey = VK_F3;
const QString LookupKeyName = QStringLiteral("F3");
// The confirm button, which no Tab reaches, is clicked with Ctrl+Enter.
constexpr Word ConfirmKey = VK_RETURN;
const QString ConfirmKeyName = QStringLiteral("Ctrl+Enter");

void ShowButtonHints(TWinControl* container) {
    for (int i = 0; i < container->ControlCount(); ++i)
        if (auto* button = dynamic_cast<TSpeedButton*>(container->Controls(i)))
            button->SetShowHint(true);
}

} // namespace

BaseScreenForm::BaseScreenForm(TComponent* AOwner, QString baseFile, QString baseClass)
    : TForm(AOwner)
    , m_baseFile(std::move(baseFile))
    , m_baseClass(std::move(baseClass)) {}

HandlerTable BaseScreenForm::BaseHandlers() {
    HandlerTable handlers;
    AddHandler(handlers, QStringLiteral("FormCreate"), &BaseScreenForm::FormCreate);
    AddHandler(handlers, QStringLiteral("FormClose"), &BaseScreenForm::FormClose);
    AddHandler(handlers, QStringLiteral("sbtCancelClick"), &BaseScreenForm::sbtCancelClick);
    AddHandler(handlers, QStringLiteral("sbtHelpClick"), &BaseScreenForm::sbtHelpClick);
    AddHandler(handlers, QStringLiteral("FormKeyDown"), &BaseScreenForm::FormKeyDown);
    AddHandler(handlers, QStringLiteral("FormCloseQuery"), &BaseScreenForm::FormCloseQuery);
    return handlers;
}

void BaseScreenForm::LoadScreen(const QStringList& files, const HandlerTable& handlers,
                                const QStringList& baseClasses) {
    LoadFormDataResources(this, QStringList{m_baseFile} + files, handlers,
                          QStringList{m_baseClass} + baseClasses);
    BindComponents();
}

void BaseScreenForm::BindComponents() {
    msgPadrao = Bind<TMessages>(QStringLiteral("msgPadrao"));
    panMenu = Bind<TPanel>(QStringLiteral("panMenu"));
    lblCodTela = Bind<TLabel>(QStringLiteral("lblCodTela"));
    panHelp = Bind<TPanel>(QStringLiteral("panHelp"));
    sbtHelp = Bind<TButtonFlat>(QStringLiteral("sbtHelp"));
    panBotoes = Bind<TPanel>(QStringLiteral("panBotoes"));
    sbtCancel = Bind<TButtonFlat>(QStringLiteral("sbtCancel"));
    grbDadosRel = Bind<TGroupBox>(QStringLiteral("grbDadosRel"));
}

void BaseScreenForm::MissingComponent(const QString& name) const {
    throw EFormDataError(QStringLiteral("%1 (%2): the form data declares no %3 of the base form")
                             .arg(Name(), ClassName(), name));
}

void BaseScreenForm::FormCreate(TObject*) {
    ShowButtonHints(panBotoes);
    ShowButtonHints(panHelp);
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* lookup = dynamic_cast<TBtnPesquisa*>(Components(i));
            lookup && lookup->Associate())
            lookup->SetHint(QStringLiteral("%1 (%2)").arg(lookup->Hint(), LookupKeyName));
    if (TButtonFlat* confirm = ConfirmButton())
        confirm->SetHint(QStringLiteral("%1 (%2)").arg(confirm->Hint(), ConfirmKeyName));
}

TBtnPesquisa* BaseScreenForm::LookupButtonOf(const TWinControl* control) const {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* lookup = dynamic_cast<TBtnPesquisa*>(Components(i));
            lookup && control && lookup->Associate() == control)
            return lookup;
    return nullptr;
}

void BaseScreenForm::FormClose(TObject*, TCloseAction& Action) {
    Action = caFree;
}

void BaseScreenForm::sbtCancelClick(TObject*) {
    Close();
}

void BaseScreenForm::FormKeyDown(TObject*, Word& Key, TShiftState Shift) {
    TWinControl* focused = FocusedControl();
    if (Key == ConfirmKey && Shift == TShiftState(ssCtrl)) {
        if (focused && focused->WantsKey(Key, Shift))
            return;
        TButtonFlat* confirm = ConfirmButton();
        if (confirm && confirm->Enabled() && confirm->Visible()) {
            Key = 0;
            confirm->Click();
        }
        return;
    }
    if (Shift != TShiftState())
        return;
    if (Key == VK_RETURN && dynamic_cast<TCustomEdit*>(focused)) {
        Key = 0;
        SelectNext(focused, true, true);
    } else if (Key == VK_ESCAPE && IsModal() && !(focused && focused->WantsKey(Key, Shift))) {
        Key = 0;
        sbtCancel->Click();
    } else if (Key == LookupKey) {
        TBtnPesquisa* lookup = LookupButtonOf(focused);
        if (lookup && lookup->Enabled() && lookup->Visible()) {
            Key = 0;
            lookup->Click();
        }
    }
}

void BaseScreenForm::FormCloseQuery(TObject*, bool& CanClose) {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* dataSet = dynamic_cast<TDataSet*>(Components(i));
        if (!dataSet || !IsEditMode(dataSet->State()))
            continue;
        const TModalResult answer = Application().Dialogs().MessageDlg(
            UnsavedChangeText, mtConfirmation, TMsgDlgButtons(mbYes) | mbNo | mbCancel);
        if (answer == mrYes) {
            auto* clientDataSet = dynamic_cast<TClientDataSet*>(dataSet);
            const int pending = clientDataSet ? clientDataSet->ChangeCount() : 0;
            dataSet->Post();
            // A screen that writes on post merges the written change; one left in the log
            // is a write that failed (the screen has said so): the screen stays open.
            if (IsEditMode(dataSet->State()) ||
                (clientDataSet && clientDataSet->ChangeCount() > pending))
                CanClose = false;
        } else if (answer == mrNo) {
            dataSet->Cancel();
        } else {
            CanClose = false;
        }
        if (!CanClose)
            return;
    }
}

void BaseScreenForm::sbtHelpClick(TObject*) {
    Application().Dialogs().MessageDlg(NoHelpText, mtInformation, TMsgDlgButtons(mbOK));
}

} // namespace ger
