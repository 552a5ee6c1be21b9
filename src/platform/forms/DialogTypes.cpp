#include "platform/forms/DialogTypes.h"

#include <QList>

namespace ger {

TModalResult ModalResultOf(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
        return mrYes;
    case mbNo:
        return mrNo;
    case mbOK:
        return mrOk;
    case mbCancel:
        return mrCancel;
    case mbAbort:
        return mrAbort;
    case mbRetry:
        return mrRetry;
    case mbIgnore:
        return mrIgnore;
    case mbAll:
        return mrAll;
    case mbNoToAll:
        return mrNoToAll;
    case mbYesToAll:
        return mrYesToAll;
    case mbHelp:
        break;
    }
    return mrNone;
}

QList<TMsgDlgBtn> ButtonsOf(TMsgDlgButtons buttons) {
    QList<TMsgDlgBtn> list;
    for (TMsgDlgBtn b : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
                         mbYesToAll, mbHelp})
        if (buttons.testFlag(b))
            list.append(b);
    return list;
}

QString MsgDlgTypeName(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QStringLiteral("mtWarning");
    case mtError:
        return QStringLiteral("mtError");
    case mtInformation:
        return QStringLiteral("mtInformation");
    case mtConfirmation:
        return QStringLiteral("mtConfirmation");
    case mtCustom:
        break;
    }
    return QStringLiteral("mtCustom");
}

} // namespace ger
