#pragma once
// qtview: the Qt 6 Widgets renderer of the toolkit model (platform/forms).
//
// The model is the truth; the widgets are its mirror. Each model control gets one small view
// (QtEditView for an edit, QtPanelView for a panel, ...) that owns nothing but its widget: it
// copies what the model says (bounds after Align, text, selection, colours, font, enabled,
// visible, focus) and follows the model's change signals. The views never edit anything by
// themselves. Every key, click, double click, focus request, combo choice, tab click and window
// close that Qt delivers to a mirror widget is caught by an event filter, swallowed, and turned
// into a UserInput call, which runs the model's rules (OnExit chains, masks, aborts, posting on a
// row change) through the dispatch boundary; afterwards the widgets show the model's result,
// and Qt's focus goes back to the control the model has focused. So a screen behaves in the real
// window exactly as in the headless tests.
//
// Invariants:
//   - nothing below this layer (and no screen) knows that this layer exists;
//   - a view never reads its model control once the control emitted destroying(); its widget is
//     then hidden and deleted later, since the model may go away inside one of the view's own
//     event handlers;
//   - win controls' widgets take Qt focus only programmatically (Qt::TabFocus, with Tab itself
//     forwarded to the model), and controls that take no focus in the model (graphic controls:
//     flat and lookup buttons, labels, images) have Qt::NoFocus;
//   - message boxes, modal forms, lookups, the progress window and the screen cursor are the
//     IDialogService of this layer, QtDialogService.

#include "qtview/QtDialogService.h"
#include "qtview/QtFormView.h"
#include "qtview/QtScreenView.h"
