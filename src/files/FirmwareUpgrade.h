#pragma once

#include "FirmwareImage.h"

#include <QObject>
#include <QTimer>
#include <QVariant>

class DataModel;

// The firmware upgrade of the connected device, without any window: the image check against
// the identifier the device announces and its control firmware version, the 512-byte blocks
// each sent as soon as the previous one is acknowledged, progress, and the end states with the
// system's texts. Time is the model's clock, so the 3 s and 2 s watchdog rules are testable.
class FirmwareUpgrade : public QObject
{
    Q_OBJECT

public:
    // Acknowledgements may pause this long before the upgrade counts as failed; the failure and
    // the refusals stay on show as long again (2 s and 3 s).
    static constexpr qint64 WatchdogMs = 3000;
    static constexpr qint64 FailureShownMs = 2000;

    enum class State {
        Idle, // nothing on show
        Requested, // the start message went out; nothing on show until the device answers
        Transferring, // blocks going out, progress on show
        Failed, // acknowledgements stopped: "Upgrade failed!" on show for 2 s
        Refused, // "File format is error!" or "File is error!" with "OK", for 3 s
        Cancelled, // the user stopped it: no further block, nothing on show
    };

    enum class Outcome {
        Completed, // the last block was acknowledged
        Cancelled,
        FileFormatError, // the image does not fit this device, or the device says 255
        FileError, // the device says 254, or the image could not be read to the end
        Failed, // the device stopped acknowledging
    };

    explicit FirmwareUpgrade(DataModel *model, QObject *parent = nullptr);

    // Starts an upgrade from the image at path: sends the start message (nothing for an empty
    // path). An image whose blocks would not fit the 16-bit counter is refused at once.
    // Returns false when nothing was sent.
    bool start(const QString &path);
    // The user's "Cancel" (no further block) or "OK" of a refusal (closes it).
    void cancel();

    State state() const { return m_state; }
    // What the display shows: "Upgrading...", "Upgrading...33%", the refusals, the failure.
    QString text() const;
    int value() const { return m_value; }
    int blockCount() const { return m_blockCount; }
    // The percentage shown with block n of count: n / count * 100, truncated.
    static int percent(int n, int count);
    // The outcome of the last upgrade that ended.
    Outcome outcome() const { return m_outcome; }
    // The watchdog deadline on the model's clock; -1 when it does not run.
    qint64 deadline() const { return m_deadline; }

public slots:
    // Every change notification of the model; only the upgrade messages (type 1) are read.
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);
    // Ends the state on show once its time is up. Runs on a timer of its own while a deadline
    // is set; tests call it after moving the model's clock.
    void checkWatchdog();

signals:
    void stateChanged(FirmwareUpgrade::State state);
    void progressChanged(int value, int blockCount);
    // The upgrade is over and nothing is on show any more.
    void finished(FirmwareUpgrade::Outcome outcome);

private:
    void deviceReady(quint16 identifier);
    void blockAcknowledged(quint16 block);
    void deviceStatus(quint8 status);
    void sendBlock(int n);
    void refuse(Outcome outcome);
    void enter(State state);
    void finish(Outcome outcome);
    void armWatchdog(qint64 ms);

    DataModel *m_model;
    FirmwareImage m_image;
    QTimer m_watchdogTimer;
    State m_state = State::Idle;
    Outcome m_outcome = Outcome::Completed;
    int m_blockCount = 0;
    int m_value = 0;
    int m_sent = -1; // the block waiting for its acknowledgement
    qint64 m_deadline = -1;
    QByteArray m_block; // reused from block to block
};

Q_DECLARE_METATYPE(FirmwareUpgrade::State)
Q_DECLARE_METATYPE(FirmwareUpgrade::Outcome)
