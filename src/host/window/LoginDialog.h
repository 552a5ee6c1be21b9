#pragma once
// Asks the person at the desktop who they are to the application server, when the server has
// refused the credential the host had (none, or the settings'). Enter confirms, Escape gives
// up; the password is not shown.

#include "platform/net/Credential.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace ger {

class LoginDialog : public QDialog {
    Q_OBJECT
public:
    LoginDialog(const QString& target, const QString& reason, const Credential& suggested,
                QWidget* parent = nullptr);

    Credential credential() const;

    // The dialog over the active window; none when the person cancelled.
    static std::optional<Credential> Ask(const QString& target, const QString& reason,
                                         const Credential& suggested);

private:
    QLineEdit* m_user;
    QLineEdit* m_password;
};

} // namespace ger
