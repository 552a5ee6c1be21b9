#pragma once
// BaseScreenForm: what the framework's base forms (TfrmRotiGeral, TfrmPadrImportExport) share:
// the message table, the menu bar with the screen code and the help button, the toolbar panel
// with its cancel button, the data area, their handlers and the construction protocol of a
// screen derived from them. It has no form data of its own; each base form has one file.
//
// Construction protocol of a screen, shown for TfrmTpoper on TfrmRotiGeral. Its components and
// handlers are named in its form data only: the build writes the rest from Cli_ger99501.dfm
// (ger_form_class in cmake/FormData.cmake; tools/formgen/FormClassWriter.h):
//
//   #include "module/TfrmTpoper_form.h"                             // generated
//
//   class TfrmTpoper : public TfrmRotiGeral {
//       GER_FORM_DATA(TfrmTpoper);        // ClassName, a member per component and handler of
//                                         // the form data, LoadScreenForm, BindComponents
//   public:
//       explicit TfrmTpoper(TComponent* AOwner)
//           : TfrmRotiGeral(AOwner, DerivedScreen) {                // the base loads nothing
//           LoadScreenForm();       // base file + own as ONE load, base handlers + own
//       }
//   };
//
//   void TfrmTpoper::FormCreate(TObject* Sender) {                  // in a handler file
//       TfrmRotiGeral::FormCreate(Sender);                          // the base's first
//       ...
//   }
//   auto* frmTpoper = new TfrmTpoper(&Application());
//   frmTpoper->AfterConstruction();                                 // OnCreate, then Show if
//                                                                   // declared visible
//
// The screen's file writes its root as `inherited frmTpoper: TfrmTpoper` and reaches the base's
// components with `inherited` (`inherited sbtConfirma: TButtonFlat  OnClick = ... end`); its
// own components go inside them (`inherited grbDadosRel: TGroupBox  object grbFilial: ...`).
// LoadScreen reads the base form's file first and the screen's files after it as one load (so
// references may point across files and any error undoes the whole load), then binds the
// base's component pointers below; a missing one is an EFormDataError. A screen derived from a
// screen passes its intermediate class names as `baseClasses`.
//
// Handlers of the base: FormCreate (OnCreate), FormClose (OnClose), FormCloseQuery
// (OnCloseQuery), FormKeyDown (OnKeyDown),
// sbtCancelClick, sbtHelpClick. A handler the screen's own file names is the screen's method: a
// screen whose file names FormCreate or FormClose replaces the base's and calls the base method
// itself.
//
// Behaviour of the base:
//   FormCreate      makes every button of the toolbar and of the help panel show its hint, the
//                   screen's own buttons included (they are in the toolbar by then), and adds
//                   "(F3)" to the hint of every lookup button that has an associated edit,
//                   and "(Ctrl+Enter)" to the confirm button's;
//   FormCloseQuery  a dataset of the screen with a row being edited or inserted asks
//                   UnsavedChangeText: Yes posts it (and so writes it, where the screen writes
//                   on post), No cancels it, Cancel keeps the screen open; a post that fails,
//                   or leaves its change unmerged in a client dataset's log (the write that
//                   follows it failed), keeps it open too;
//   FormClose       Action := caFree: closing releases the form (a modal one once its loop has
//                   ended); whatever keeps a pointer to it forgets it in its OnDestroy;
//   sbtCancelClick  closes the form (a modal form ends with mrCancel);
//   sbtHelpClick    shows "Ajuda não disponível para esta tela." as information: the system
//                   has no help file;
//   FormKeyDown     (KeyPreview: before the focused control) Enter in an edit moves to the
//                   next control, as Tab does; Escape in a modal form runs sbtCancel, unless
//                   the focused control uses Escape itself (a grid editing a row); F3 in the
//                   edit of an enabled lookup button clicks the button; Ctrl+Enter clicks
//                   the enabled confirm button (ConfirmButton), which takes no focus and so
//                   cannot be reached with Tab, unless the focused control uses Ctrl+Enter
//                   itself (a grid cell's ellipsis button). Every other key goes to the
//                   focused control.

#include "platform/core/HandlerTable.h"
#include "platform/forms/FormTypes.h"
#include "platform/forms/TForm.h"

#include <QStringList>
#include <utility>

namespace ger {

class TBtnPesquisa;
class TButtonFlat;
class TGroupBox;
class TLabel;
class TMessages;
class TPanel;

// The generated part of a screen class's body (see the construction protocol above); access
// is public after it.
#define GER_FORM_DATA(Class) Class##_FORM_DATA

struct DerivedScreenTag {};
// Passed to a base form's constructor by a derived screen, which then loads the files itself.
inline constexpr DerivedScreenTag DerivedScreen{};

inline const QString NoHelpText = QStringLiteral("Ajuda não disponível para esta tela.");
inline const QString UnsavedChangeText =
    QStringLiteral("Há uma alteração não gravada. Deseja gravá-la antes de fechar?");

class BaseScreenForm : public TForm {
public:
    QString ClassName() const override { return QStringLiteral("BaseScreenForm"); }

    TMessages* msgPadrao = nullptr;
    TPanel* panMenu = nullptr;
    TLabel* lblCodTela = nullptr;
    TPanel* panHelp = nullptr;
    TButtonFlat* sbtHelp = nullptr;
    TPanel* panBotoes = nullptr;
    TButtonFlat* sbtCancel = nullptr;
    TGroupBox* grbDadosRel = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void sbtCancelClick(TObject* Sender);
    void sbtHelpClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void FormCloseQuery(TObject* Sender, bool& CanClose);

protected:
    // `baseFile`: the resource path of the base form's file; `baseClass`: its root class.
    BaseScreenForm(TComponent* AOwner, QString baseFile, QString baseClass);

    HandlerTable BaseHandlers();
    void LoadScreen(const QStringList& files, const HandlerTable& handlers,
                    const QStringList& baseClasses = {});

    // Binds the handler name to a method of the screen being constructed.
    template <class Screen, class... Args>
    void AddHandler(HandlerTable& table, const QString& name, void (Screen::*method)(Args...)) {
        Screen* self = static_cast<Screen*>(this);
        table.add<void(Args...)>(
            name, [self, method](Args... args) { (self->*method)(std::forward<Args>(args)...); });
    }

    // The component of that name and type, for the pointers above; EFormDataError otherwise.
    template <class T> T* Bind(const QString& name) const {
        T* component = dynamic_cast<T*>(FindComponent(name));
        if (!component)
            MissingComponent(name);
        return component;
    }
    // Called by LoadScreen once the files are read; overrides bind their own and call this.
    virtual void BindComponents();
    // The toolbar button that confirms the screen's work, if the base form has one.
    virtual TButtonFlat* ConfirmButton() const { return nullptr; }

private:
    [[noreturn]] void MissingComponent(const QString& name) const;
    // The lookup button whose Associate is `control`, or null.
    TBtnPesquisa* LookupButtonOf(const TWinControl* control) const;

    QString m_baseFile;
    QString m_baseClass;
};

} // namespace ger
