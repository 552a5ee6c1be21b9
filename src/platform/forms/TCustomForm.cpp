#include "platform/forms/TCustomForm.h"

#include "platform/forms/FormsExceptions.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"

namespace ger {
namespace {

TBorderIcons readBorderIcons(const FormDataProperty& p) {
    TBorderIcons icons;
    for (const QString& item : p.value.asSet(p.name))
        icons |= EnumFromIdent<TBorderIcon>(p.name, item,
                                            {{"biSystemMenu", biSystemMenu},
                                             {"biMinimize", biMinimize},
                                             {"biMaximize", biMaximize},
                                             {"biHelp", biHelp}});
    return icons;
}

const PropertyTable<TCustomForm>& formProperties() {
    using F = TCustomForm&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TCustomForm> table{
        {"formstyle",
         [](F f, P p, C) {
             f.SetFormStyle(ReadEnum<TFormStyle>(p, {{"fsNormal", fsNormal},
                                                     {"fsMDIChild", fsMDIChild},
                                                     {"fsMDIForm", fsMDIForm},
                                                     {"fsStayOnTop", fsStayOnTop}}));
         }},
        {"windowstate",
         [](F f, P p, C) {
             f.SetWindowState(ReadEnum<TWindowState>(p, {{"wsNormal", wsNormal},
                                                         {"wsMinimized", wsMinimized},
                                                         {"wsMaximized", wsMaximized}}));
         }},
        {"position",
         [](F f, P p, C) {
             f.SetPosition(ReadEnum<TPosition>(p, {{"poDesigned", poDesigned},
                                                   {"poDefault", poDefault},
                                                   {"poDefaultPosOnly", poDefaultPosOnly},
                                                   {"poDefaultSizeOnly", poDefaultSizeOnly},
                                                   {"poScreenCenter", poScreenCenter},
                                                   {"poDesktopCenter", poDesktopCenter},
                                                   {"poMainFormCenter", poMainFormCenter},
                                                   {"poOwnerFormCenter", poOwnerFormCenter}}));
         }},
        {"borderstyle",
         [](F f, P p, C) {
             f.SetBorderStyle(ReadEnum<TFormBorderStyle>(p, {{"bsNone", bsNone},
                                                             {"bsSingle", bsSingle},
                                                             {"bsSizeable", bsSizeable},
                                                             {"bsDialog", bsDialog},
                                                             {"bsToolWindow", bsToolWindow},
                                                             {"bsSizeToolWin", bsSizeToolWin}}));
         }},
        {"bordericons", [](F f, P p, C) { f.SetBorderIcons(readBorderIcons(p)); }},
        {"keypreview", [](F f, P p, C) { f.SetKeyPreview(ReadBool(p)); }},
        {"activecontrol",
         [](F f, P p, C x) {
             ReadReference<TWinControl>(p, x, "win control",
                                        [&f](TWinControl* c) { f.SetActiveControl(c); });
         }},
        {"oncreate", [](F f, P p, C x) { f.OnCreate = ReadEvent<TNotifyEvent>(p, x); }},
        {"onshow", [](F f, P p, C x) { f.OnShow = ReadEvent<TNotifyEvent>(p, x); }},
        {"onhide", [](F f, P p, C x) { f.OnHide = ReadEvent<TNotifyEvent>(p, x); }},
        {"onactivate", [](F f, P p, C x) { f.OnActivate = ReadEvent<TNotifyEvent>(p, x); }},
        {"ondeactivate", [](F f, P p, C x) { f.OnDeactivate = ReadEvent<TNotifyEvent>(p, x); }},
        {"onclose", [](F f, P p, C x) { f.OnClose = ReadEvent<TCloseEvent>(p, x); }},
        {"onclosequery", [](F f, P p, C x) { f.OnCloseQuery = ReadEvent<TCloseQueryEvent>(p, x); }},
        {"ondestroy", [](F f, P p, C x) { f.OnDestroy = ReadEvent<TNotifyEvent>(p, x); }},
    };
    return table;
}

} // namespace

TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner) {
    StoreVisible(false);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
    NotifyDestroying();
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    m_focused = m_entered = m_pendingFocus = nullptr;
    Application().FormDestroyed(this);
    Screen().RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
    DoCreate();
    if (m_visibleDeclared)
        Show();
}

void TCustomForm::Free() {
    try {
        DoDestroy();
    } catch (...) {
        delete this;
        throw;
    }
    delete this;
}

void TCustomForm::Release() {
    Application().ScheduleRelease(this);
}

void TCustomForm::Show() {
    SetVisible(true);
    emit broughtToFront();
    Screen().Activate(this);
}

void TCustomForm::Hide() {
    SetVisible(false);
}

void TCustomForm::SetVisible(bool value) {
    if (IsLoadingState()) {
        m_visibleDeclared = value;
        return;
    }
    if (value == Visible())
        return;
    if (value) {
        StoreVisible(true);
        try {
            DoShow();
        } catch (...) {
            StoreVisible(false);
            throw;
        }
        emit visibleChanged();
        emit changed();
        emit shown();
        Screen().Activate(this);
        return;
    }
    DoHide();
    StoreVisible(false);
    emit visibleChanged();
    emit changed();
    emit hidden();
    Screen().FormHidden(this);
}

bool TCustomForm::Active() const {
    return Screen().ActiveForm() == this;
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (m_formStyle == fsMDIChild)
        action = m_borderIcons.testFlag(biMinimize) ? caMinimize : caNone;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    default:
        Release();
        break;
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || m_modal || m_formStyle == fsMDIChild)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    IDialogService& dialogs = Application().Dialogs();
    m_modal = true;
    m_modalDone = false;
    m_modalResult = mrNone;
    const TCursor savedCursor = Screen().Cursor();
    Screen().SetCursor(crDefault);
    Application().PushModal(this);
    try {
        Show();
        emit modalStarted();
        dialogs.RunModal(*this);
    } catch (...) {
        EndModal(savedCursor);
        throw;
    }
    EndModal(savedCursor);
    return m_modalResult;
}

void TCustomForm::EndModal(TCursor savedCursor) {
    m_modal = false;
    Application().PopModal(this);
    Screen().SetCursor(savedCursor);
    emit modalFinished();
    Hide();
}

void TCustomForm::CheckModalEnd() {
    if (!m_modal || m_modalDone || m_modalResult == mrNone)
        return;
    CloseModal();
    if (m_modalResult != mrNone) {
        m_modalDone = true;
        emit modalLoopEnded();
    }
}

void TCustomForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone)
            m_modalResult = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        m_modalResult = mrNone;
        throw;
    }
}

void TCustomForm::Activated() {
    if (OnActivate)
        OnActivate(this);
    emit activated();
    FocusOnActivation();
}

void TCustomForm::Deactivated() {
    if (OnDeactivate)
        OnDeactivate(this);
    emit deactivated();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
    if (value == m_formStyle)
        return;
    m_formStyle = value;
    emit changed();
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (value == m_windowState)
        return;
    m_windowState = value;
    emit windowStateChanged();
    emit changed();
}

void TCustomForm::SetPosition(TPosition value) {
    if (value == m_position)
        return;
    m_position = value;
    emit changed();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    emit changed();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    if (value == m_borderIcons)
        return;
    m_borderIcons = value;
    emit changed();
}

void TCustomForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose)
        OnClose(this, action);
}

// Destruction cannot be refused: an exception of OnDestroy is reported, as on the platform,
// and the form goes anyway.
void TCustomForm::DoDestroy() {
    if (!OnDestroy)
        return;
    try {
        OnDestroy(this);
    } catch (const std::exception& e) {
        Application().HandleException(e);
    }
}

void TCustomForm::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (ReadFromTable(formProperties(), *this, property, context))
        return;
    // The window icon belongs to the renderer's window frame, which this model does not have.
    if (property.name.startsWith(QLatin1String("Icon."), Qt::CaseInsensitive))
        return;
    TWinControl::ReadProperty(property, context);
}

} // namespace ger
