#pragma once
// platform/forms: a headless model of the classic RAD toolkit the screens are written against.
//
// The model is complete without any display: forms own their components; controls have
// parents, bounds, alignment, colours and fonts; the focus moves by the platform's rules
// (OnExit of what is left, innermost first, then OnEnter of what is entered, outermost first;
// an exception in an exit keeps the focus where it was); keys and clicks arrive through
// UserInput in the platform's order. Screen logic manipulates only this model; a renderer
// (qtview) mirrors it with real widgets through the controls' signals and turns what the person
// does into UserInput calls, and the tests and the host's script mode drive it with the
// scripted user and scripted dialogs of src/script.
//
// Invariants:
//   - every user action runs through Dispatch, the one place where exceptions end: EAbort
//     silently, anything else shown through Application().HandleException;
//   - whatever stops and asks (message boxes, modal loops, lookups, progress) goes through the
//     application's IDialogService;
//   - loading form data (IsLoading on the component or its owner) fires no event handler;
//   - graphic controls (TGraphicControl) never take the focus, so clicking them runs no OnExit;
//   - nothing here includes QtGui or QtWidgets.

#include "platform/forms/Dispatch.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/MaskPattern.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/UserInput.h"
