#include "FirmwareUpgrade.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteWriter.h"

#include <QtEndian>

namespace {

// The watchdog looks at the clock this often while it runs.
constexpr int WatchdogPollMs = 50;

constexpr quint8 StepStart = 0x00;
constexpr quint8 StepBlock = 0x01;
constexpr int UpgradeDataSize = 4;
constexpr quint8 StatusFileError = 254;
constexpr quint8 StatusFileFormatError = 255;

} // namespace

FirmwareUpgrade::FirmwareUpgrade(DataModel *model, QObject *parent)
    : QObject(parent), m_model(model)
{
    qRegisterMetaType<FirmwareUpgrade::State>();
    qRegisterMetaType<FirmwareUpgrade::Outcome>();
    m_watchdogTimer.setInterval(WatchdogPollMs);
    connect(&m_watchdogTimer, &QTimer::timeout, this, &FirmwareUpgrade::checkWatchdog);
    m_block.reserve(FirmwareImage::BlockSize + 4);
}

bool FirmwareUpgrade::start(const QString &path)
{
    if (path.isEmpty())
        return false;
    m_watchdogTimer.stop();
    m_deadline = -1;
    m_value = 0;
    m_sent = -1;
    m_blockCount = 0;
    // An image that cannot be opened is refused when the device answers, like any other that
    // does not pass; one with more blocks than the counter can number never gets that far.
    if (m_image.open(path) && m_image.checkSize() == FirmwareImage::Check::TooManyBlocks) {
        m_image.close();
        refuse(Outcome::FileFormatError);
        return false;
    }
    enter(State::Requested);
    m_model->sendWrite(Msg::UpgradeData, ByteWriter().u8(0).u8(StepStart));
    return true;
}

void FirmwareUpgrade::cancel()
{
    switch (m_state) {
    case State::Transferring:
    case State::Failed:
        // The running watchdog closes it; late acknowledgements send nothing more.
        enter(State::Cancelled);
        break;
    case State::Requested:
        finish(Outcome::Cancelled);
        break;
    case State::Refused:
        finish(m_outcome);
        break;
    case State::Idle:
    case State::Cancelled:
        break;
    }
}

QString FirmwareUpgrade::text() const
{
    switch (m_state) {
    case State::Transferring:
        if (m_value == 0)
            return tr("Upgrading...");
        return tr("Upgrading...") + QStringLiteral("%1%").arg(percent(m_value, m_blockCount));
    case State::Failed:
        return tr("Upgrade failed!");
    case State::Refused:
        return m_outcome == Outcome::FileFormatError ? tr("File format is error!")
                                                     : tr("File is error!");
    case State::Idle:
    case State::Requested:
    case State::Cancelled:
        break;
    }
    return QString();
}

int FirmwareUpgrade::percent(int n, int count)
{
    if (count <= 0)
        return 0;
    return int(double(n) / double(count) * 100.0);
}

void FirmwareUpgrade::tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar, uchar other,
                                  const QVariant &any)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::UpgradeStatus) {
        deviceStatus(other);
        return;
    }
    if (id != Msg::UpgradeData)
        return;
    const QByteArray data = any.toByteArray();
    if (data.size() != UpgradeDataSize || data[0] != char(0))
        return;
    const quint16 value = qFromLittleEndian<quint16>(data.constData() + 2);
    if (data[1] == char(StepStart))
        deviceReady(value);
    else if (data[1] == char(StepBlock))
        blockAcknowledged(value);
}

void FirmwareUpgrade::deviceReady(quint16 identifier)
{
    if (m_state != State::Requested)
        return; // not asked for by this program
    const FirmwareImage::Check check =
            m_image.checkTrailer(identifier, m_model->deviceInfo().armVersion[1]);
    if (check != FirmwareImage::Check::Ok) {
        m_image.close();
        refuse(Outcome::FileFormatError);
        return;
    }
    m_blockCount = m_image.blockCount();
    m_value = 0;
    enter(State::Transferring);
    emit progressChanged(m_value, m_blockCount);
    armWatchdog(WatchdogMs);
    sendBlock(0);
}

void FirmwareUpgrade::blockAcknowledged(quint16 block)
{
    // Only the block just sent moves the upgrade on: a repeated or stray acknowledgement would
    // otherwise send blocks twice or out of turn.
    if ((m_state != State::Transferring && m_state != State::Failed) || block != m_sent)
        return;
    if (int(block) >= m_blockCount - 1) {
        m_image.close();
        finish(Outcome::Completed);
        return;
    }
    m_value = block + 1;
    if (m_state != State::Transferring)
        enter(State::Transferring); // acknowledgements came back before the failure closed
    emit progressChanged(m_value, m_blockCount);
    armWatchdog(WatchdogMs);
    sendBlock(m_value);
}

void FirmwareUpgrade::deviceStatus(quint8 status)
{
    if (m_state == State::Idle)
        return; // no upgrade of this program runs
    if (status == StatusFileFormatError)
        refuse(Outcome::FileFormatError);
    else if (status == StatusFileError)
        refuse(Outcome::FileError);
}

void FirmwareUpgrade::sendBlock(int n)
{
    QByteArray data;
    if (!m_image.readBlock(n, &data)) {
        // The image changed or vanished since it was checked: stop rather than send the device
        // something else than what was checked.
        m_image.close();
        refuse(Outcome::FileError);
        return;
    }
    m_block = ByteWriter(FirmwareImage::BlockSize + 4).u8(0).u8(StepBlock).u16(quint16(n));
    m_block.append(data);
    m_sent = n;
    m_model->sendWrite(Msg::UpgradeData, m_block);
}

void FirmwareUpgrade::refuse(Outcome outcome)
{
    m_outcome = outcome;
    m_sent = -1;
    enter(State::Refused);
    armWatchdog(WatchdogMs);
}

void FirmwareUpgrade::checkWatchdog()
{
    if (m_deadline < 0 || m_model->now() < m_deadline)
        return;
    switch (m_state) {
    case State::Transferring:
        m_outcome = Outcome::Failed;
        enter(State::Failed);
        armWatchdog(FailureShownMs);
        break;
    case State::Failed:
        finish(Outcome::Failed);
        break;
    case State::Cancelled:
        finish(Outcome::Cancelled);
        break;
    case State::Refused:
        finish(m_outcome);
        break;
    case State::Idle:
    case State::Requested:
        m_deadline = -1;
        m_watchdogTimer.stop();
        break;
    }
}

void FirmwareUpgrade::enter(State state)
{
    m_state = state;
    emit stateChanged(state);
}

void FirmwareUpgrade::finish(Outcome outcome)
{
    m_outcome = outcome;
    m_deadline = -1;
    m_watchdogTimer.stop();
    m_sent = -1;
    m_image.close();
    enter(State::Idle);
    emit finished(outcome);
}

void FirmwareUpgrade::armWatchdog(qint64 ms)
{
    m_deadline = m_model->now() + ms;
    if (!m_watchdogTimer.isActive())
        m_watchdogTimer.start();
}
