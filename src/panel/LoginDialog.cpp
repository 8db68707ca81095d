#include "panel/LoginDialog.h"

#include "widgets/LineEdit.h"
#include "model/DataModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LoginDialog::LoginDialog(QWidget *parent)
    : Dialog(parent), m_passwordLabel(new QLabel(this)), m_passwordEdit(new LineEdit(this)),
      m_errorLabel(new QLabel(this)), m_loginButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("loginDialog"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_passwordLabel->setObjectName(QStringLiteral("passwordLabel"));
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setMinimumWidth(220);
    m_passwordLabel->setBuddy(m_passwordEdit);
    m_errorLabel->setObjectName(QStringLiteral("passwordErrorLabel"));
    m_errorLabel->setProperty("status", QStringLiteral("2"));
    m_errorLabel->setVisible(false);
    m_loginButton->setObjectName(QStringLiteral("loginButton"));
    m_loginButton->setMinimumWidth(80);

    auto *fieldLayout = new QHBoxLayout;
    fieldLayout->setSpacing(8);
    fieldLayout->addWidget(m_passwordLabel);
    fieldLayout->addWidget(m_passwordEdit, 1);

    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addWidget(m_errorLabel, 1);
    buttonLayout->addWidget(m_loginButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(fieldLayout);
    layout->addLayout(buttonLayout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_loginButton, &QPushButton::clicked, this, &LoginDialog::loginButtonClicked);
    // Typing the password and pressing Return logs in, as the button does.
    connect(m_passwordEdit, &QLineEdit::returnPressed, this, &LoginDialog::loginButtonClicked);

    retranslate();
}

void LoginDialog::showPasswordError()
{
    m_errorLabel->setVisible(true);
}

bool LoginDialog::isPasswordErrorVisible() const
{
    return !m_errorLabel->isHidden();
}

bool LoginDialog::takeUserAttempt()
{
    const bool attempted = m_userAttempt;
    m_userAttempt = false;
    return attempted;
}

void LoginDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void LoginDialog::hideEvent(QHideEvent *event)
{
    // Closed or logged in; a window system hiding it with the minimised window keeps the field.
    if (!event->spontaneous()) {
        m_passwordEdit->clear();
        m_errorLabel->setVisible(false);
    }
    Dialog::hideEvent(event);
}

void LoginDialog::loginButtonClicked()
{
    if (m_model) {
        m_model->login(m_passwordEdit->text().trimmed(), true);
        m_userAttempt = true;
    }
    hide();
}

void LoginDialog::retranslate()
{
    setWindowTitle(tr("Login"));
    m_passwordLabel->setText(tr("Password"));
    m_passwordEdit->setPlaceholderText(tr("Enter password to login"));
    m_errorLabel->setText(tr("Password is wrong!"));
    m_loginButton->setText(tr("Login"));
}
