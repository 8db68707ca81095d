#pragma once

#include "files/FirmwareUpgrade.h"
#include "widgets/ProgressDialog.h"

#include <QVariant>

class DataModel;
class QProgressBar;

// The firmware upgrade as the user sees it: the image file choice, then the progress of the
// blocks, the device's refusals with "OK", and "Upgrade failed!" when the device stops
// answering. The upgrade itself is FirmwareUpgrade; this dialog only shows it.
class SystemUpgradeProgressDialog : public ProgressDialog
{
    Q_OBJECT

public:
    explicit SystemUpgradeProgressDialog(DataModel *model, QWidget *parent = nullptr);

    FirmwareUpgrade *upgrade() const { return m_upgrade; }
    // The image file chosen last.
    const QString &imagePath() const { return m_imagePath; }

public slots:
    // The "System Upgrade" menu entry: asks for the image file and starts.
    void systemUpgradeActionTriggered();
    // The device messages of type 1.
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void upgradeStateChanged(FirmwareUpgrade::State state);
    void upgradeProgressChanged(int value, int blockCount);
    void cancelButtonClicked();

private:
    void retranslate();

    FirmwareUpgrade *m_upgrade;
    QProgressBar *m_bar;
    QString m_imagePath;
};
