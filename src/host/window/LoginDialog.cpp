#include "host/window/LoginDialog.h"

#include "qtview/QtActivationReturn.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ger {

LoginDialog::LoginDialog(const QString& target, const QString& reason, const Credential& suggested,
                         QWidget* parent)
    : QDialog(parent)
    , m_user(new QLineEdit(suggested.user, this))
    , m_password(new QLineEdit(this)) {
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(QStringLiteral("Acesso ao servidor de aplicação em %1").arg(target));
    m_user->setObjectName(QStringLiteral("edtUsuario"));
    m_password->setObjectName(QStringLiteral("edtSenha"));
    m_password->setEchoMode(QLineEdit::Password);

    auto* why = new QLabel(reason, this);
    why->setObjectName(QStringLiteral("lblMotivo"));
    why->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Usuário:"), m_user);
    form->addRow(QStringLiteral("&Senha:"), m_password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(why);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setTabOrder(m_user, m_password);
    (suggested.user.isEmpty() ? m_user : m_password)->setFocus();
}

Credential LoginDialog::credential() const {
    return {m_user->text().trimmed(), m_password->text()};
}

std::optional<Credential> LoginDialog::Ask(const QString& target, const QString& reason,
                                           const Credential& suggested) {
    // The keyboard goes back to the window the person was working in.
    const QtActivationReturn activation;
    // The password is not offered again, only who tried.
    LoginDialog dialog(target, reason, {suggested.user, QString()}, activation.window());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.credential();
}

} // namespace ger
