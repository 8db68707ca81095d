#include "ClearConfigDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ClearConfigDialog::Responder &responder()
{
    static ClearConfigDialog::Responder r;
    return r;
}

} // namespace

ClearConfigDialog::ClearConfigDialog(QWidget *parent)
    : Dialog(parent), m_text(new QLabel(this)), m_keepNetworkBox(new QCheckBox(this)),
      m_okButton(new QPushButton(this)), m_cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("clearConfigDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_text->setWordWrap(true);
    m_keepNetworkBox->setObjectName(QStringLiteral("keepNetworkCheckBox"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addWidget(m_text);
    layout->addWidget(m_keepNetworkBox);
    layout->addLayout(buttons);
    connect(m_okButton, &QPushButton::clicked, this, &ClearConfigDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &ClearConfigDialog::reject);
    retranslate();
    resize(420, sizeHint().height());
}

std::optional<bool> ClearConfigDialog::ask(QWidget *parent)
{
    if (responder())
        return responder()();
    ClearConfigDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_keepNetworkBox->isChecked();
}

void ClearConfigDialog::setResponder(Responder r)
{
    responder() = std::move(r);
}

void ClearConfigDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void ClearConfigDialog::retranslate()
{
    setWindowTitle(tr("Dante Setup"));
    m_text->setText(
            tr("Are you sure that you want to clear configuration and reboot now to take effect?"));
    m_keepNetworkBox->setText(tr("Keep Network Configuration"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
