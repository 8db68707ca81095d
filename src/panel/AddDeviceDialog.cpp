#include "panel/AddDeviceDialog.h"

#include "widgets/LineEdit.h"
#include "panel/DeviceText.h"
#include "model/DataModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

AddDeviceDialog::AddDeviceDialog(QWidget *parent)
    : Dialog(parent), m_addressLabel(new QLabel(this)), m_addressEdit(new LineEdit(this)),
      m_okButton(new QPushButton(this)), m_cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("addDeviceDialog"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_addressEdit->setObjectName(QStringLiteral("addressEdit"));
    m_addressEdit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(DeviceText::hostPattern()), m_addressEdit));
    m_addressEdit->setMinimumWidth(200);
    m_addressEdit->setPlaceholderText(QStringLiteral("192.168.1.100"));
    m_addressLabel->setBuddy(m_addressEdit);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setMinimumWidth(80);
    m_cancelButton->setMinimumWidth(80);

    auto *field = new QHBoxLayout;
    field->setSpacing(12);
    field->addWidget(m_addressLabel);
    field->addWidget(m_addressEdit, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addLayout(field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &AddDeviceDialog::okButtonClicked);
    connect(m_addressEdit, &QLineEdit::returnPressed, this, &AddDeviceDialog::okButtonClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &AddDeviceDialog::reject);

    retranslate();
}

void AddDeviceDialog::addDevice()
{
    m_addressEdit->clear();
    show();
    raise();
    activateWindow();
    m_addressEdit->setFocus();
}

void AddDeviceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void AddDeviceDialog::okButtonClicked()
{
    bool ok = false;
    const quint32 address =
            DeviceText::parseAddress(m_addressEdit->text(), DeviceText::hostPattern(), &ok);
    if (ok && m_model)
        m_model->addDeviceByAddress(address);
    accept();
}

void AddDeviceDialog::retranslate()
{
    setWindowTitle(tr("Add Device"));
    m_addressLabel->setText(tr("IP Address"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
