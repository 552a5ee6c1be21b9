#pragma once
// Creating one of the module's screens, as the platform's `TForm.Create(Application)`: the form
// is owned by the application, reads its form data, then runs OnCreate and, when its form data
// declares it visible, OnShow (TCustomForm::AfterConstruction). A failure anywhere in there
// destroys the half-created form and goes on to the caller, so no caller ever holds a screen
// whose creation did not finish.

#include "platform/forms/TApplication.h"

#include <memory>

namespace ger {

template <class Form> Form* CreateScreen() {
    auto form = std::make_unique<Form>(&Application());
    form->AfterConstruction();
    return form.release();
}

} // namespace ger
