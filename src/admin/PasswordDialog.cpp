#include "PasswordDialog.h"

#include "widgets/LineEdit.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int MaxPasswordLength = 8;

PasswordDialog::Responder &responder()
{
    static PasswordDialog::Responder r;
    return r;
}

} // namespace

PasswordDialog::PasswordDialog(const QString &title, QWidget *parent)
    : Dialog(parent), m_passwordLabel(new QLabel(this)), m_confirmationLabel(new QLabel(this)),
      m_passwordEdit(new LineEdit(this)), m_confirmationEdit(new LineEdit(this)),
      m_okButton(new QPushButton(this)), m_cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_passwordEdit->setObjectName(QStringLiteral("newPasswordEdit"));
    m_confirmationEdit->setObjectName(QStringLiteral("confirmPasswordEdit"));
    for (QLineEdit *edit : {m_passwordEdit, m_confirmationEdit}) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setMaxLength(MaxPasswordLength);
        edit->setMinimumWidth(180);
    }
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(m_passwordLabel, m_passwordEdit);
    form->addRow(m_confirmationLabel, m_confirmationEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &PasswordDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &PasswordDialog::reject);
    retranslate();
}

std::optional<PasswordDialog::Entries> PasswordDialog::ask(QWidget *parent, const QString &title)
{
    if (responder())
        return responder()(title);
    PasswordDialog dialog(title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Entries {dialog.m_passwordEdit->text(), dialog.m_confirmationEdit->text()};
}

void PasswordDialog::setResponder(Responder r)
{
    responder() = std::move(r);
}

void PasswordDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void PasswordDialog::retranslate()
{
    m_passwordLabel->setText(tr("New Password"));
    m_confirmationLabel->setText(tr("Confirm Password"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
