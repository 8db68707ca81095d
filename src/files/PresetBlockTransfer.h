#pragma once

#include "wire/MessageId.h"

#include <QObject>
#include <QVariant>

class DataModel;

// What preset export and import share: one exchange at a time with the connected device, moved
// on only by the device's replies (each next step is sent the moment its reply is handled),
// reporting progress and exactly one end. Replies arrive through deviceMessage(), shaped like
// DataModel::tcpSyncToUI so that a window or a command-line tool can feed it.
class PresetBlockTransfer : public QObject
{
    Q_OBJECT

public:
    enum Scope { OneSlot, AllSlots };
    Q_ENUM(Scope)

    enum Outcome {
        Completed, // every block moved
        Empty, // the device had nothing to export (an unused slot)
        Failed, // stopped with a message for the user
        Cancelled, // stopped by cancel()
    };
    Q_ENUM(Outcome)

    explicit PresetBlockTransfer(DataModel *model, QObject *parent = nullptr);

    bool isRunning() const { return m_state != Idle; }
    Scope scope() const { return m_scope; }
    // The funcId of the running or last exchange.
    quint8 funcId() const { return m_funcId; }

    // Stops the exchange without telling the device; a later reply is ignored.
    void cancel();

public slots:
    void deviceMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);

signals:
    // value of maximum blocks; percent is -1 until the first block, as the label then carries no
    // percentage.
    void progressChanged(int value, int maximum, int percent);
    // The end of an exchange, once; message is the text to show for Failed, else empty.
    void ended(PresetBlockTransfer::Outcome outcome, const QString &message);

protected:
    enum State { Idle, Starting, Moving };

    // A reply of this exchange's funcId, while running.
    virtual void reply(const QByteArray &payload) = 0;
    // Drops what the exchange holds (temporary file, image) when it stops for any reason.
    virtual void release() = 0;
    // The message shown when the device's link goes while the exchange runs.
    virtual QString linkLostMessage() const = 0;

    void begin(Scope scope, quint8 funcId);
    void end(Outcome outcome, const QString &message = QString());

    DataModel *model() const { return m_model; }
    State state() const { return m_state; }
    void setState(State state) { m_state = state; }

private:
    void linkChanged();

    DataModel *m_model;
    State m_state = Idle;
    Scope m_scope = OneSlot;
    quint8 m_funcId = 0;
    int m_deviceIndex = -1;
};
