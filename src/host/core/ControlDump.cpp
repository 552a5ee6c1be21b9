#include "host/core/ControlDump.h"

#include "host/core/GridScript.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TRadioButton.h"
#include "platform/forms/TTabSheet.h"

namespace ger {
namespace {

QString YesNo(bool value) {
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

bool IsFocused(const TControl& control) {
    const TCustomForm* form = control.ParentForm();
    return form && form->FocusedControl() == &control;
}

QString ExtraState(const TControl& control) {
    if (const auto* check = dynamic_cast<const TCheckBox*>(&control))
        return QStringLiteral(" checked=") + YesNo(check->Checked());
    if (const auto* radio = dynamic_cast<const TRadioButton*>(&control))
        return QStringLiteral(" checked=") + YesNo(radio->Checked());
    if (const auto* combo = dynamic_cast<const TComboBox*>(&control))
        return QStringLiteral(" index=%1").arg(combo->ItemIndex());
    if (const auto* pages = dynamic_cast<const TPageControl*>(&control)) {
        const TTabSheet* page = pages->ActivePage();
        return QStringLiteral(" page=") + (page ? page->Name() : QStringLiteral("(none)"));
    }
    return {};
}

} // namespace

QStringList DumpControl(const TControl& control) {
    QString text = control.Text();
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    QStringList lines{QStringLiteral("%1 %2 text=\"%3\" enabled=%4 visible=%5 focused=%6%7")
                          .arg(control.ClassName(), control.Name(), text, YesNo(control.Enabled()),
                               YesNo(control.Visible()), YesNo(IsFocused(control)),
                               ExtraState(control))};
    lines += DumpGridRows(control);
    return lines;
}

} // namespace ger
