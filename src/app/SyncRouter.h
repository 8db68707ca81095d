#pragma once

#include <QObject>
#include <QVariant>

// Hands each change notification of the device model to the views that show it, by type and
// subType. Every destination is a signal with the notification's own arguments, so a view is
// plugged in with one connect to its slot of the same shape:
//
//     connect(&router, &SyncRouter::overviewMessage, overview, &OverviewWidget::syncFromModel);
//
// Destinations, by message:
//   type 1                      upgradeMessage
//   type 2, subType 2           systemMessage (the main window's own reports: version, boot mode,
//                               faults), deviceSetupMessage, overviewMessage, moduleMessage
//   type 2, subType 3 (labels)  labelMessage, overviewMessage, moduleMessage
//   type 2, subType 4 and 16    deviceSetupMessage (system state, data-sync mode)
//   type 2, subType 5           recPlayMessage
//   type 2, subType 6           gpioMessage
//   type 3                      moduleMessage, overviewMessage; subType 32 also presetMessage;
//                               3/8/17 and 3/11/9 (USB record sources) also recPlayMessage
//   type 4, subType 1, funcId 1, 3 and 4   danteSetupMessage
// Anything else (the login result, unknown types) goes nowhere.
class SyncRouter : public QObject
{
    Q_OBJECT

public:
    enum Destination : unsigned {
        Upgrade = 1u << 0,
        System = 1u << 1,
        DeviceSetup = 1u << 2,
        Overview = 1u << 3,
        Module = 1u << 4,
        Label = 1u << 5,
        RecPlay = 1u << 6,
        Gpio = 1u << 7,
        Preset = 1u << 8,
        DanteSetup = 1u << 9,
    };

    using QObject::QObject;

    // The destinations of one message, as a set of Destination bits.
    static unsigned destinations(uchar type, uchar subType, uchar funcId);

public slots:
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);

signals:
    // Emitted in the order declared here.
    void systemMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);
    void upgradeMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                        const QVariant &any);
    void deviceSetupMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                            const QVariant &any);
    void labelMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                      const QVariant &any);
    void recPlayMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                        const QVariant &any);
    void gpioMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);
    void presetMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);
    void danteSetupMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                           const QVariant &any);
    void overviewMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                         const QVariant &any);
    void moduleMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);
};
