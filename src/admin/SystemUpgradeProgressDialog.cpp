#include "SystemUpgradeProgressDialog.h"

#include "widgets/MessageBox.h"

#include <QDir>
#include <QEvent>
#include <QProgressBar>
#include <QPushButton>

SystemUpgradeProgressDialog::SystemUpgradeProgressDialog(DataModel *model, QWidget *parent)
    : ProgressDialog(parent), m_upgrade(new FirmwareUpgrade(model, this)),
      m_bar(findChild<QProgressBar *>())
{
    setObjectName(QStringLiteral("systemUpgradeProgressDialog"));
    m_upgrade->setObjectName(QStringLiteral("firmwareUpgrade"));
    connect(m_upgrade, &FirmwareUpgrade::stateChanged, this,
            &SystemUpgradeProgressDialog::upgradeStateChanged);
    connect(m_upgrade, &FirmwareUpgrade::progressChanged, this,
            &SystemUpgradeProgressDialog::upgradeProgressChanged);
    connect(this, &QProgressDialog::canceled, this,
            &SystemUpgradeProgressDialog::cancelButtonClicked);
    setMinimumWidth(360);
    retranslate();
}

void SystemUpgradeProgressDialog::systemUpgradeActionTriggered()
{
    m_imagePath = MessageBox::openFileName(parentWidget(), tr("Select a firmware file to upgrade"),
                                           QDir::currentPath(),
                                           tr("img file") + QStringLiteral("(*.img)"));
    if (m_imagePath.isEmpty())
        return;
    m_upgrade->start(m_imagePath);
}

void SystemUpgradeProgressDialog::tcpSyncToUI(uchar type, uchar subType, uchar funcId,
                                              uchar channel, uchar other, const QVariant &any)
{
    m_upgrade->tcpSyncToUI(type, subType, funcId, channel, other, any);
}

void SystemUpgradeProgressDialog::upgradeStateChanged(FirmwareUpgrade::State state)
{
    switch (state) {
    case FirmwareUpgrade::State::Transferring:
        if (!isVisible() || wasCanceled()) {
            reset();
            m_bar->setVisible(true);
            setCancelButtonText(tr("Cancel"));
        }
        setLabelText(m_upgrade->text());
        show();
        break;
    case FirmwareUpgrade::State::Failed:
        setLabelText(m_upgrade->text());
        break;
    case FirmwareUpgrade::State::Refused:
        reset();
        setLabelText(m_upgrade->text());
        setCancelButtonText(tr("OK"));
        m_bar->setVisible(false);
        show();
        break;
    case FirmwareUpgrade::State::Idle:
    case FirmwareUpgrade::State::Cancelled:
        setLabelText(QString());
        if (isVisible())
            cancel(); // hides it
        break;
    case FirmwareUpgrade::State::Requested:
        break;
    }
}

void SystemUpgradeProgressDialog::upgradeProgressChanged(int value, int blockCount)
{
    // The bar itself: QProgressDialog::setValue() would run the event loop of a modal dialog
    // in the middle of the device's reply.
    if (m_bar->maximum() != blockCount)
        m_bar->setRange(0, blockCount);
    m_bar->setValue(value);
    setLabelText(m_upgrade->text());
}

void SystemUpgradeProgressDialog::cancelButtonClicked()
{
    // "Cancel" during the transfer, "OK" of a refusal.
    m_upgrade->cancel();
}

void SystemUpgradeProgressDialog::changeEvent(QEvent *event)
{
    ProgressDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void SystemUpgradeProgressDialog::retranslate()
{
    setWindowTitle(tr("System Upgrade"));
    const bool refused = m_upgrade->state() == FirmwareUpgrade::State::Refused;
    setCancelButtonText(refused ? tr("OK") : tr("Cancel"));
    if (m_upgrade->state() != FirmwareUpgrade::State::Idle)
        setLabelText(m_upgrade->text());
}
