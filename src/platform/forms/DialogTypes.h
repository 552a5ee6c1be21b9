#pragma once
// Message dialog kinds and buttons, as MessageDlg takes them.

#include "platform/forms/FormTypes.h"

#include <QFlags>
#include <QString>

namespace ger {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
    mbYes = 0x1,
    mbNo = 0x2,
    mbOK = 0x4,
    mbCancel = 0x8,
    mbAbort = 0x10,
    mbRetry = 0x20,
    mbIgnore = 0x40,
    mbAll = 0x80,
    mbNoToAll = 0x100,
    mbYesToAll = 0x200,
    mbHelp = 0x400
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// The modal result a button gives (mbOK gives mrOk, mbYes mrYes, ...); mbHelp gives mrNone.
TModalResult ModalResultOf(TMsgDlgBtn button);

// The buttons of a set, in the order above.
QList<TMsgDlgBtn> ButtonsOf(TMsgDlgButtons buttons);

QString MsgDlgTypeName(TMsgDlgType type);

} // namespace ger
