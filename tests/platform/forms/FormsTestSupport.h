#pragma once
// Shared pieces of the toolkit model's tests: a fixture with scripted dialogs and a shown form,
// an event log, and form data values for ReadProperty.

#include "platform/core/FormDataValue.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TWinControl.h"
#include "script/ScriptedDialogs.h"
#include "support/TestFormDataContext.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace ger::formstest {

using test::TestFormDataContext;

// Records "name.Event" lines in order.
struct EventLog {
    QStringList lines;
    void add(const QString& line) { lines.append(line); }
    // OnEnter / OnExit of a win control log "<name>.enter" / "<name>.exit".
    void trackFocus(TWinControl* control) {
        control->OnEnter = [this, control](TObject*) { add(control->Name() + ".enter"); };
        control->OnExit = [this, control](TObject*) { add(control->Name() + ".exit"); };
    }
};

template <class T> T* make(TWinControl* parent, const QString& name) {
    auto* control = new T(parent->ParentForm() ? static_cast<TComponent*>(parent->ParentForm())
                                               : static_cast<TComponent*>(parent));
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

// A form owned by the application, and scripted dialogs installed, for each test.
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(&Application());
        form->SetName(QStringLiteral("frmTest"));
        form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override {
        Application().DestroyForms();
        Application().SetMainForm(nullptr);
        Screen().SetCursor(0);
    }

    ScriptedDialogs dialogs;
    TForm* form = nullptr;
};

// Form data values, as the loader passes them to ReadProperty.
inline FormDataProperty intProperty(const QString& name, qint64 value) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::Integer;
    p.value.integer = value;
    return p;
}
inline FormDataProperty stringProperty(const QString& name, const QString& value) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::String;
    p.value.text = value;
    return p;
}
inline FormDataProperty identProperty(const QString& name, const QString& value) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::Identifier;
    p.value.text = value;
    return p;
}
inline FormDataProperty setProperty(const QString& name, const QStringList& items) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::Set;
    p.value.items = items;
    return p;
}
inline FormDataProperty listProperty(const QString& name, const QStringList& items) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::List;
    p.value.items = items;
    return p;
}
inline FormDataProperty binaryProperty(const QString& name, const QByteArray& data) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::Binary;
    p.value.binary = data;
    return p;
}

} // namespace ger::formstest
