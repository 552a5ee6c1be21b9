#include "qtview/QtViewFactory.h"

#include "platform/forms/TBevel.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TCustomEdit.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TNotebook.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/TRadioButton.h"
#include "platform/forms/TScrollBox.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TSpeedButton.h"
#include "platform/forms/dbctrls/TDBEdit.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtBevelView.h"
#include "qtview/QtButtonView.h"
#include "qtview/QtCheckBoxView.h"
#include "qtview/QtComboBoxView.h"
#include "qtview/QtContainerView.h"
#include "qtview/QtDBEditView.h"
#include "qtview/QtDBGridView.h"
#include "qtview/QtEditView.h"
#include "qtview/QtGroupBoxView.h"
#include "qtview/QtImageView.h"
#include "qtview/QtLabelView.h"
#include "qtview/QtNotebookView.h"
#include "qtview/QtPageControlView.h"
#include "qtview/QtPanelView.h"
#include "qtview/QtProgressBarView.h"
#include "qtview/QtRadioButtonView.h"
#include "qtview/QtScrollBoxView.h"
#include "qtview/QtShapeView.h"
#include "qtview/QtSpeedButtonView.h"

#include <vector>

namespace ger {
namespace {

std::vector<QtViewFactory::Creator>& registered() {
    static std::vector<QtViewFactory::Creator> creators;
    return creators;
}

template <class Control, class View> QtControlView* tryCreate(TControl& control, QWidget* parent) {
    if (auto* typed = dynamic_cast<Control*>(&control))
        return new View(*typed, parent);
    return nullptr;
}

QtControlView* plainWidget(TControl& control, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setFocusPolicy(Qt::NoFocus);
    if (auto* win = dynamic_cast<TWinControl*>(&control))
        return new QtContainerView(*win, widget);
    return new QtControlView(control, widget);
}

} // namespace

void QtViewFactory::Register(Creator creator) {
    registered().push_back(std::move(creator));
}

QtControlView* QtViewFactory::Create(TControl& control, QtContainerView& parent) {
    QtControlView* view = nullptr;
    const auto& creators = registered();
    for (auto it = creators.rbegin(); it != creators.rend() && !view; ++it)
        view = (*it)(control, parent.ClientWidget());
    if (!view)
        view = createBuiltIn(control, parent.ClientWidget());
    view->Start(&parent);
    return view;
}

QtControlView* QtViewFactory::createBuiltIn(TControl& control, QWidget* parent) {
    using Try = QtControlView* (*)(TControl&, QWidget*);
    static const Try kinds[] = {
        tryCreate<TDBGrid, QtDBGridView>,
        tryCreate<TDBEdit, QtDBEditView>,
        tryCreate<TCustomEdit, QtEditView>,
        tryCreate<TComboBox, QtComboBoxView>,
        tryCreate<TRadioButton, QtRadioButtonView>,
        tryCreate<TCheckBox, QtCheckBoxView>,
        tryCreate<TButton, QtButtonView>,
        tryCreate<TPageControl, QtPageControlView>,
        tryCreate<TNotebook, QtNotebookView>,
        tryCreate<TGroupBox, QtGroupBoxView>,
        tryCreate<TScrollBox, QtScrollBoxView>,
        tryCreate<TPanel, QtPanelView>,
        tryCreate<TProgressBar, QtProgressBarView>,
        tryCreate<TSpeedButton, QtSpeedButtonView>,
        tryCreate<TLabel, QtLabelView>,
        tryCreate<TImage, QtImageView>,
        tryCreate<TBevel, QtBevelView>,
        tryCreate<TShape, QtShapeView>,
    };
    for (Try kind : kinds)
        if (QtControlView* view = kind(control, parent))
            return view;
    return plainWidget(control, parent);
}

} // namespace ger
