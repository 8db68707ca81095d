#include "DeviceSession.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/StatusPoll.h"
#include "wire/LoginStatus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>

namespace {

constexpr int SampleMs = 50;
// Queries sent in one go; the poll sends at most 90 frames a tick.
constexpr int QueryBatch = 90;

LinkSettings linkSettings(quint16 controlPort)
{
    LinkSettings settings;
    settings.controlPort = controlPort;
    // Nobody needs announcements while a command runs: an unused port keeps the tool off the
    // program's discovery port.
    settings.broadcastPort = 0;
    return settings;
}

LinkEnvironment environment()
{
    LinkEnvironment env;
    // The tool keeps no registry of its own and never touches the program's devices.db.
    env.registryFile = QStringLiteral(":memory:");
    return env;
}

} // namespace

DeviceSession::DeviceSession(const QHostAddress &address, quint16 controlPort, int timeoutMs,
                             QObject *parent)
    : QObject(parent), m_address(address), m_timeoutMs(timeoutMs),
      m_model(std::make_unique<DataModel>(linkSettings(controlPort), environment()))
{
    connect(m_model.get(), &DataModel::tcpLoginChanged, this, [this](uchar status) {
        m_loginStatus = status;
        // The device greets a new connection with "nobody logged in": answer it once.
        if (status == LoginStatus::NotLoggedIn && !m_loginSent) {
            m_loginSent = true;
            m_model->login(m_password, false);
        }
    });
    connect(m_model.get(), &DataModel::tcpConnectTimeout, this, [this](bool) { m_gaveUp = true; });
}

DeviceSession::~DeviceSession() = default;

quint32 DeviceSession::deviceId() const
{
    return m_model->mirror().device.deviceId;
}

bool DeviceSession::isConnected() const
{
    const QTcpSocket *socket = m_model->currentSocket();
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

int DeviceSession::open(const QString &password)
{
    m_password = password;
    const int index = m_model->addDeviceByAddress(m_address.toIPv4Address());
    m_model->selectDevice(index, true);
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    while (!m_gaveUp && elapsed.elapsed() < m_timeoutMs) {
        if (m_loginStatus == LoginStatus::Accepted)
            break;
        if (m_loginStatus == LoginStatus::Rejected) {
            m_error = QStringLiteral("login refused");
            return 3;
        }
        loop.processEvents(QEventLoop::WaitForMoreEvents, SampleMs);
    }
    if (m_loginStatus != LoginStatus::Accepted) {
        m_error = isConnected() ? QStringLiteral("no answer to the login")
                                : QStringLiteral("no connection");
        return 3;
    }
    // The identifier comes with the system status the poll reads.
    if (!waitFor([this] { return deviceId() != 0; }, m_timeoutMs)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("the device did not report its identifier");
        return 3;
    }
    return 0;
}

bool DeviceSession::waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    while (!done()) {
        if (!isConnected()) {
            m_error = QStringLiteral("connection lost");
            return false;
        }
        if (elapsed.elapsed() >= timeoutMs) {
            m_error = QStringLiteral("no answer (time-out)");
            return false;
        }
        loop.processEvents(QEventLoop::WaitForMoreEvents, SampleMs);
    }
    return true;
}

bool DeviceSession::readQueries(const std::vector<StatusQuery> &queries)
{
    // The device answers in order: once the answer to a last query arrives, every answer before
    // it is in the mirror. The last query is one the status poll never asks while no dialog is
    // open, and its field is cleared first, so only that answer can fill it again.
    const StatusQuery last = StatusQuery::plain(Msg::SysRs232Baud);
    std::vector<StatusQuery> all;
    all.reserve(queries.size() + 1);
    for (const StatusQuery &q : queries)
        if (!(q == last))
            all.push_back(q);
    all.push_back(last);
    quint32 &marker = m_model->deviceInfo().rs232Baud;
    marker = 0;
    for (size_t at = 0; at < all.size(); at += QueryBatch) {
        const auto end = all.begin() + qint64(std::min(all.size(), at + QueryBatch));
        m_model->sendQueries(std::vector<StatusQuery>(all.begin() + qint64(at), end));
    }
    return waitFor([&] { return marker != 0; }, m_timeoutMs);
}

bool DeviceSession::readEverything()
{
    std::vector<StatusQuery> all;
    std::vector<StatusQuery> tick;
    StatusPoll::State state;
    state.tick = 100; // a tick on which every period is due
    state.openDialogs = StatusPoll::LabelsDialog | StatusPoll::PresetsDialog
            | StatusPoll::UsbRecPlayDialog | StatusPoll::DeviceSetupDialog
            | StatusPoll::GpioSetupDialog | StatusPoll::DanteSetupDialog;
    for (int module = StatusPoll::InSetup; module <= StatusPoll::OutDelay; ++module) {
        for (int channel = 0; channel < ParameterMirror::ChannelCount; ++channel) {
            state.currentModule = module;
            state.currentChannel = quint8(channel);
            StatusPoll::build(state, tick);
            for (const StatusQuery &q : tick)
                if (std::find(all.begin(), all.end(), q) == all.end())
                    all.push_back(q);
        }
    }
    return readQueries(all);
}
