#pragma once
// CheckResultServ: the one place where a remote method's result is judged. Every remote method
// of the application server but GetTpOperFil answers with a list of two values:
//
//   success  {0, packet}             packet: a data packet (QByteArray; empty when the method
//                                    returns no data; an empty variant counts as
//                                    empty)
//   failure  {code, message}         code: any integer but 0; message: a non-empty text for
//                                    the person at the screen
//
//   QByteArray packet = CheckResultServ(result, true, 0);   // returns only on success
//   cdsTpOperFil->SetData(packet);
//
// On a failure the message is shown as an error (mtError, OK button) through the application's
// dialog service and EServerResult is raised: a silent exception (an EAbort), so the dispatch
// boundary shows nothing more; callers that merge their change log after a normal return thus
// merge only what the server accepted. Any other shape (not a list, another length, a code
// that is not an integer, a success without a packet, a failure without a text) is a failure
// with the message "Resposta inválida do servidor de aplicação.", shown and raised the same way.
//
// `showMessage` false raises without showing. `helpContext` is accepted for the callers' sake
// and not used: the system has no help file.

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace ger {

// The text shown for a result of the wrong shape.
inline const QString InvalidServerResultText =
    QStringLiteral("Resposta inválida do servidor de aplicação.");

QByteArray CheckResultServ(const QVariant& result, bool showMessage, int helpContext);

} // namespace ger
