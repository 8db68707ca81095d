#include "panel/EditDeviceDialog.h"

#include "widgets/LineEdit.h"
#include "panel/DeviceText.h"
#include "model/DataModel.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

EditDeviceDialog::EditDeviceDialog(QWidget *parent)
    : Dialog(parent), m_addressLabel(new QLabel(this)), m_maskLabel(new QLabel(this)),
      m_gatewayLabel(new QLabel(this)), m_addressEdit(new LineEdit(this)),
      m_maskEdit(new LineEdit(this)), m_gatewayEdit(new LineEdit(this)),
      m_okButton(new QPushButton(this)), m_cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("editDeviceDialog"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QRegularExpression host(DeviceText::hostPattern());
    const QRegularExpression mask(DeviceText::maskPattern());
    m_addressEdit->setObjectName(QStringLiteral("addressEdit"));
    m_addressEdit->setValidator(new QRegularExpressionValidator(host, m_addressEdit));
    m_maskEdit->setObjectName(QStringLiteral("maskEdit"));
    m_maskEdit->setValidator(new QRegularExpressionValidator(mask, m_maskEdit));
    m_gatewayEdit->setObjectName(QStringLiteral("gatewayEdit"));
    m_gatewayEdit->setValidator(new QRegularExpressionValidator(host, m_gatewayEdit));
    for (QLineEdit *edit : {m_addressEdit, m_maskEdit, m_gatewayEdit}) {
        edit->setMinimumWidth(200);
        connect(edit, &QLineEdit::textChanged, this, &EditDeviceDialog::fieldTextChanged);
    }
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setMinimumWidth(80);
    m_cancelButton->setMinimumWidth(80);

    auto *form = new QFormLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(m_addressLabel, m_addressEdit);
    form->addRow(m_maskLabel, m_maskEdit);
    form->addRow(m_gatewayLabel, m_gatewayEdit);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &EditDeviceDialog::okButtonClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &EditDeviceDialog::reject);

    retranslate();
}

void EditDeviceDialog::editDevice(int index)
{
    if (!m_model || index < 0 || index >= m_model->deviceCount())
        return;
    m_index = index;
    const quint32 address = m_model->device(index).packet.ipAddress;
    m_addressEdit->setText(DeviceText::address(address));
    m_maskEdit->clear();
    m_gatewayEdit->clear();
    const DeviceInfo &reported = m_model->mirror().device;
    if (index == m_model->currentIndex() && reported.address == address && reported.netmask != 0) {
        m_maskEdit->setText(DeviceText::address(reported.netmask));
        if (reported.gateway != 0)
            m_gatewayEdit->setText(DeviceText::address(reported.gateway));
    }
    fieldTextChanged();
    show();
    raise();
    activateWindow();
    m_addressEdit->setFocus();
    m_addressEdit->selectAll();
}

void EditDeviceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void EditDeviceDialog::okButtonClicked()
{
    const QString host = DeviceText::hostPattern();
    const quint32 address = DeviceText::parseAddress(m_addressEdit->text(), host);
    const quint32 mask = DeviceText::parseAddress(m_maskEdit->text(), DeviceText::maskPattern());
    const quint32 gateway = DeviceText::parseAddress(m_gatewayEdit->text(), host);
    if (m_model && m_index >= 0 && m_index < m_model->deviceCount())
        m_model->setDeviceNetwork(m_index, address, mask, gateway);
    accept();
}

void EditDeviceDialog::fieldTextChanged()
{
    // A datagram with address or mask 0 would cut the processor off the network: OK waits for
    // both. An empty gateway means none.
    bool addressOk = false;
    bool maskOk = false;
    bool gatewayOk = m_gatewayEdit->text().isEmpty();
    DeviceText::parseAddress(m_addressEdit->text(), DeviceText::hostPattern(), &addressOk);
    DeviceText::parseAddress(m_maskEdit->text(), DeviceText::maskPattern(), &maskOk);
    if (!gatewayOk)
        DeviceText::parseAddress(m_gatewayEdit->text(), DeviceText::hostPattern(), &gatewayOk);
    m_okButton->setEnabled(addressOk && maskOk && gatewayOk);
}

void EditDeviceDialog::retranslate()
{
    setWindowTitle(tr("Modify Network Parameters"));
    m_addressLabel->setText(tr("IP Address"));
    m_maskLabel->setText(tr("Subnet Mask"));
    m_gatewayLabel->setText(tr("Gateway"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
