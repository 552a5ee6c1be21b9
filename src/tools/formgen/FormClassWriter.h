#pragma once
// FormClassWriter: the C++ that a screen's form data implies, so that each component and
// handler name is written only in the form data and in the code that uses it.
//
// The header defines <Class>_FORM_DATA, which the class writes first in its body as
// `GER_FORM_DATA(<Class>);` (framework/BaseScreenForm.h). It declares, public:
//   - ClassName(), the root's class;
//   - a pointer member per component of the screen's file, of the class the file gives;
//   - a member function per handler, with the signature of its event, taken from the event
//     member itself: EventHandler<decltype(TMaskEdit::OnExit)> medFilialExit;
// and, protected: LoadScreenForm(), which the constructor calls, FormHandlers() and the
// BindComponents() override. The source defines those three: the base form's handlers, then
// one entry per handler of the screen's file; the base form's components, then one per
// component of the screen's file.
//
// What the compiler then refuses: a component class that does not exist, an event the class
// does not have, a handler bound to events of two signatures; and the linker (the module
// links with no undefined symbols): a handler the form data names and no file defines.

#include "tools/formgen/FormClassModel.h"

#include <QString>

namespace ger::formgen {

class HeaderIndex;

struct GeneratedFiles {
    QString header;
    QString source;
};

GeneratedFiles WriteFormClass(const FormClassModel& model, const HeaderIndex& headers);

} // namespace ger::formgen
