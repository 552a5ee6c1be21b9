#pragma once
// Whole messages of the wire protocol (Protocol.h): builders that return a finished frame
// and readers that take one frame's payload. Readers are strict: a wrong type byte, a
// truncated body or trailing bytes raise EProtocolError.

#include "platform/net/CallRecord.h"
#include "platform/net/Credential.h"
#include "platform/net/Protocol.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>

namespace ger {

// What a client sends.
struct RequestMessage {
    protocol::MessageType type = protocol::MessageType::OpenModule;
    quint8 version = 0;    // OpenModule
    QString moduleName;    // OpenModule, when the version is ours
    Credential credential; // OpenModule, when the version is ours
    CallRecord call;       // Call
};

// What a server answers.
struct ReplyMessage {
    protocol::MessageType type = protocol::MessageType::Result;
    quint8 version = 0;      // ModuleOpened
    QVariant result;         // Result
    QStringList byReference; // Result: final values of the by-reference arguments, in order
    QString message;         // RemoteException, Refused, LoginRefused
};

class ProtocolMessage {
public:
    static QByteArray openModule(const QString& moduleName, const Credential& credential = {});
    static QByteArray call(const CallRecord& call,
                           quint32 maxFrameSize = protocol::kDefaultMaxFrameSize);

    static QByteArray moduleOpened();
    static QByteArray result(const QVariant& result, const QStringList& byReference,
                             quint32 maxFrameSize = protocol::kDefaultMaxFrameSize);
    static QByteArray remoteException(const QString& message);
    static QByteArray refused(const QString& reason);
    static QByteArray loginRefused(const QString& reason);

    static RequestMessage readRequest(QByteArrayView payload);
    static ReplyMessage readReply(QByteArrayView payload);
};

} // namespace ger
