#pragma once
// The maker's socket connection, as the screens declare it (`netTpOperFil`). It adds
// ThrowException to TSocketConnection. ThrowException is read from form data and kept, but it
// does not change how failures are reported: with either value a failed connection or call
// raises, because the screens rely on that exception (a screen whose connection cannot be
// made is not created; a failed write leaves the change log unmerged).

#include "server/TSocketConnection.h"

namespace ger {

class TNetConnection : public TSocketConnection {
    Q_OBJECT
public:
    explicit TNetConnection(TComponent* AOwner);

    QString ClassName() const override { return QStringLiteral("TNetConnection"); }

    bool ThrowException() const { return m_throwException; }
    void SetThrowException(bool value) { m_throwException = value; }

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    bool m_throwException = true;
};

} // namespace ger
