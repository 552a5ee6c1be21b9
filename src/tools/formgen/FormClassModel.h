#pragma once
// FormClassModel: what a screen's form data declares that its C++ class must have, read from
// the base form's file and the screen's own file before anything is compiled.
//
//   base  object frmPadrImportExport: TfrmPadrImportExport      (framework/forms)
//           OnClose = FormClose                                  the base's handler
//           object sbtImportExport: TButtonFlat ... end          the base's component
//   form  inherited frmTpOperFil: TfrmTpOperFil                  (module)
//           OnCreate = FormCreate                                handler FormCreate
//           inherited sbtImportExport: TButtonFlat               the base's, with a handler:
//             OnClick = sbtImportExportClick                       handler sbtImportExportClick
//           object medFilial: TMaskEdit                          component medFilial
//             OnExit = medFilialExit                               handler medFilialExit
//
// Components are the named `object` blocks of the screen's file, in the order written; those
// of the base file belong to the base class. Handlers are every event of the screen's file
// (a property named On..., Before... or After... whose value is an identifier), in the order
// first named: a handler the screen's file names is the screen's method, even when the base
// names one of that name (the screen's FormCreate replaces the base's and calls it).
//
// Refused, with the file and line: a root of another class, an `inherited` block the base
// does not declare or declares with another class, two components or two handlers whose names
// differ only in case (form data names are not case-sensitive), a handler named like a
// component, an unnamed inherited block, and inline frames.

#include "platform/forms/formdata/FormDataDocument.h"

#include <QString>
#include <vector>

namespace ger::formgen {

struct FormComponent {
    QString name;
    QString className;
};

// One event bound to a handler: `className` declares the event member `event`.
struct FormEvent {
    QString className;
    QString event;
};

struct FormHandler {
    QString name;
    std::vector<FormEvent> events; // every event the handler is bound to, in file order
};

struct FormClassModel {
    QString className;     // the screen's class, the root of its file
    QString baseClassName; // the root of the base form's file
    QString formFileName;  // the screen's file name, its resource name under :/forms
    std::vector<FormComponent> components;
    std::vector<FormHandler> handlers;

    // Raises EFormDataError naming the file and line of what does not fit.
    static FormClassModel Read(const FormDataDocument& base, const FormDataDocument& form);
};

// Whether a property of this name binds an event (`OnExit`, `BeforePesq`, `AfterPost`).
bool IsEventProperty(const QString& name);

} // namespace ger::formgen
