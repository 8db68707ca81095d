#include "DeviceCommands.h"

#include "DeviceSession.h"
#include "ExitCode.h"
#include "MirrorSnapshot.h"
#include "TerminalProgress.h"

#include "files/FirmwareUpgrade.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "model/StatusPoll.h"
#include "wire/ByteWriter.h"
#include "wire/Frame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

// The queries of one module page for one channel, with the system status the poll reads on
// every page.
std::vector<StatusQuery> moduleQueries(int module, int channel, quint8 dialogs = 0)
{
    StatusPoll::State state;
    state.tick = 100;
    state.currentModule = module;
    state.currentChannel = quint8(channel);
    state.openDialogs = dialogs;
    std::vector<StatusQuery> queries;
    StatusPoll::build(state, queries);
    return queries;
}

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString versionText(const DeviceInfo::Version &v)
{
    return QStringLiteral("%1.%2.%3").arg(v[0]).arg(v[1]).arg(v[2]);
}

QStringList faultTexts(const DeviceInfo &d)
{
    QStringList faults;
    if (d.faultFlags & 0x01)
        faults << QStringLiteral("DSP");
    if (d.faultFlags & 0x10)
        faults << QStringLiteral("codec");
    static const char *const rails[] = {"+5V", "+48V", "-5V", "+15V", "-15V"};
    for (size_t i = 0; i < d.faults.size(); ++i)
        if (d.faults[i] == 2)
            faults << QLatin1String(rails[i]);
    return faults;
}

bool writeJson(const QString &path, const QJsonObject &object, QString *error)
{
    // Written beside the target and renamed over it only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(object).toJson(QJsonDocument::Indented)) < 0
        || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

DeviceCommands::DeviceCommands(const CliArguments &arguments, DeviceSession &session,
                               QTextStream &out)
    : m_args(arguments), m_session(session), m_out(out)
{
}

QString DeviceCommands::expandFile(const QString &file, const QString &address, quint32 deviceId)
{
    QString path = file;
    path.replace(QLatin1String("{address}"), address);
    path.replace(QLatin1String("{id}"), QString::number(deviceId));
    return path;
}

int DeviceCommands::checkFiles(const CliArguments &a, const QString &address, QString *error)
{
    if (a.file.isEmpty())
        return ExitCode::Done;
    const QString path = expandFile(a.file, address, 0);
    const bool reads = a.command == QLatin1String("upgrade")
            || (a.command == QLatin1String("snapshot") && a.action == QLatin1String("diff"))
            || a.action.startsWith(QLatin1String("import"));
    if (reads) {
        // A file named by the device's identifier is known only once the device answers.
        if (a.file.contains(QLatin1String("{id}")))
            return ExitCode::Done;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(path);
            return ExitCode::Failed;
        }
        return ExitCode::Done;
    }
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        *error = QStringLiteral("cannot write into %1")
                         .arg(QDir::toNativeSeparators(folder.filePath()));
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

QString DeviceCommands::file() const
{
    return expandFile(m_args.file, m_session.address(), m_session.deviceId());
}

int DeviceCommands::fail(int code, const QString &error)
{
    m_error = error;
    return code;
}

int DeviceCommands::lost()
{
    return fail(ExitCode::NoConnection, m_session.error());
}

int DeviceCommands::run()
{
    const QString &c = m_args.command;
    if (c == QLatin1String("info"))
        return info();
    if (c == QLatin1String("get"))
        return get();
    if (c == QLatin1String("set"))
        return set();
    if (c == QLatin1String("mute"))
        return systemMute();
    if (c == QLatin1String("upgrade"))
        return upgrade();
    if (c == QLatin1String("snapshot"))
        return m_args.action == QLatin1String("save") ? snapshotSave() : snapshotDiff();
    if (c == QLatin1String("preset"))
        return preset();
    if (c == QLatin1String("label"))
        return label();
    return fail(ExitCode::Usage, QStringLiteral("unknown command \"%1\"").arg(c));
}

int DeviceCommands::info()
{
    if (!m_session.readEverything())
        return lost();
    const DeviceInfo &d = m_session.model().mirror().device;
    const QString configuration =
            QStringLiteral("%1x%2%3")
                    .arg(d.inputCount)
                    .arg(d.outputCount)
                    .arg(d.danteSupported ? QStringLiteral("+Dante") : QString());
    const QStringList faults = faultTexts(d);
    if (m_args.json) {
        const QJsonObject object {{QStringLiteral("address"), m_session.address()},
                                  {QStringLiteral("deviceId"), QString::number(d.deviceId)},
                                  {QStringLiteral("model"), d.modelName},
                                  {QStringLiteral("serialNumber"), d.serialNumber},
                                  {QStringLiteral("controlFirmware"), versionText(d.armVersion)},
                                  {QStringLiteral("dspFirmware"), versionText(d.dspVersion)},
                                  {QStringLiteral("configuration"), configuration},
                                  {QStringLiteral("location"), d.location},
                                  {QStringLiteral("description"), d.description},
                                  {QStringLiteral("faults"), QJsonArray::fromStringList(faults)},
                                  {QStringLiteral("systemMute"), d.systemMute != 0},
                                  {QStringLiteral("runTime"), qint64(d.runTime)},
                                  {QStringLiteral("temperature"), double(d.temperature)}};
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        return ExitCode::Done;
    }
    m_out << "model: " << d.modelName << " | serial number: " << d.serialNumber
          << " | device id: " << d.deviceId << " | control firmware: " << versionText(d.armVersion)
          << " | DSP firmware: " << versionText(d.dspVersion)
          << " | configuration: " << configuration << " | faults: "
          << (faults.isEmpty() ? QStringLiteral("none") : faults.join(QLatin1Char(',')))
          << " | system mute: " << onOff(d.systemMute) << '\n';
    return ExitCode::Done;
}

QString DeviceCommands::levelText(int side, int channel) const
{
    const ParameterMirror &m = m_session.model().mirror();
    const bool inputs = side == CliArguments::Inputs;
    if (m_args.parameter == QLatin1String("mute"))
        return onOff(inputs ? m.inputs[size_t(channel)].preMixMute
                            : m.outputs[size_t(channel)].mute);
    const float gain =
            inputs ? m.inputs[size_t(channel)].preMixGain : m.outputs[size_t(channel)].gain;
    return QString::number(double(gain), 'f', 1);
}

int DeviceCommands::get()
{
    const int module =
            m_args.side == CliArguments::Inputs ? StatusPoll::LevelPreMix : StatusPoll::OutLevel;
    if (!m_session.readQueries(moduleQueries(module, m_args.channel)))
        return lost();
    m_out << levelText(m_args.side, m_args.channel) << '\n';
    return ExitCode::Done;
}

int DeviceCommands::set()
{
    DataModel &model = m_session.model();
    const bool inputs = m_args.side == CliArguments::Inputs;
    const auto ch = quint8(m_args.channel);
    const bool mute = m_args.parameter == QLatin1String("mute");
    const auto level = float(m_args.level);
    MessageId id;
    QByteArray payload;
    if (inputs) {
        InputChannel &in = model.input(ch);
        id = mute ? Msg::PreMixMute : Msg::PreMixGain;
        if (mute)
            in.preMixMute = m_args.on ? 1 : 0;
        else
            in.preMixGain = level;
    } else {
        OutputChannel &out = model.output(ch);
        id = mute ? Msg::OutMute : Msg::OutGain;
        if (mute)
            out.mute = m_args.on ? 1 : 0;
        else
            out.gain = level;
    }
    payload = mute ? SetPayload::channelByte(ch, m_args.on ? 1 : 0)
                   : SetPayload::channelFloat(ch, level);
    // Sent without the write-echo record: nobody drags a control here, and the value read
    // back at once is the proof that the device took it.
    model.sendFrame(id, Frame::WriteRequest, payload);
    const int module = inputs ? StatusPoll::LevelPreMix : StatusPoll::OutLevel;
    if (!m_session.readQueries(moduleQueries(module, ch)))
        return lost();
    const QString now = levelText(m_args.side, ch);
    const QString wanted = mute ? onOff(m_args.on) : QString::number(m_args.level, 'f', 1);
    if (now != wanted)
        return fail(ExitCode::Failed,
                    QStringLiteral("the device kept %1 instead of %2").arg(now, wanted));
    m_out << now << '\n';
    return ExitCode::Done;
}

int DeviceCommands::systemMute()
{
    DataModel &model = m_session.model();
    model.deviceInfo().systemMute = m_args.on ? 1 : 0;
    model.sendFrame(Msg::SysSystemMute, Frame::WriteRequest, ByteWriter().u8(m_args.on ? 1 : 0));
    if (!m_session.readQueries(moduleQueries(StatusPoll::LevelPreMix, 0)))
        return lost();
    if ((model.deviceInfo().systemMute != 0) != m_args.on)
        return fail(ExitCode::Failed,
                    QStringLiteral("the device kept system mute %1")
                            .arg(onOff(model.deviceInfo().systemMute)));
    m_out << onOff(m_args.on) << '\n';
    return ExitCode::Done;
}

int DeviceCommands::upgrade()
{
    DataModel &model = m_session.model();
    // The image is checked against the control firmware version the device reports.
    if (!m_session.waitFor([&] { return model.deviceInfo().armVersion[0] != 0; },
                           m_session.timeoutMs()))
        return lost();
    FirmwareUpgrade upgrade(&model);
    QObject::connect(&model, &DataModel::tcpSyncToUI, &upgrade, &FirmwareUpgrade::tcpSyncToUI);
    TerminalProgress progress(QStringLiteral("%1 upgrade").arg(m_session.address()));
    QObject::connect(&upgrade, &FirmwareUpgrade::progressChanged, &upgrade,
                     [&](int value, int count) { progress.update(value, count); });
    bool finished = false;
    FirmwareUpgrade::Outcome outcome = FirmwareUpgrade::Outcome::Failed;
    QObject::connect(&upgrade, &FirmwareUpgrade::finished, &upgrade,
                     [&](FirmwareUpgrade::Outcome o) {
                         finished = true;
                         outcome = o;
                     });
    if (!upgrade.start(file()) && upgrade.state() == FirmwareUpgrade::State::Idle)
        return fail(ExitCode::Failed, QStringLiteral("cannot read %1").arg(file()));
    // A refusal stays on show for its 3 s in the program; here its text is all that counts.
    const bool ended = m_session.waitFor(
            [&] {
                return finished || upgrade.state() == FirmwareUpgrade::State::Refused
                        || upgrade.state() == FirmwareUpgrade::State::Failed;
            },
            m_session.timeoutMs() + int(FirmwareUpgrade::WatchdogMs) * 2);
    progress.finish();
    const FirmwareUpgrade::State state = upgrade.state();
    if (state == FirmwareUpgrade::State::Refused)
        return fail(ExitCode::Failed, upgrade.text());
    if (state == FirmwareUpgrade::State::Failed)
        return fail(ExitCode::NoConnection, upgrade.text());
    if (!ended && !finished)
        return lost();
    switch (outcome) {
    case FirmwareUpgrade::Outcome::Completed:
        m_out << "upgraded; the device restarts\n";
        return ExitCode::Done;
    case FirmwareUpgrade::Outcome::FileFormatError:
        return fail(ExitCode::Failed, QStringLiteral("File format is error!"));
    case FirmwareUpgrade::Outcome::FileError:
        return fail(ExitCode::Failed, QStringLiteral("File is error!"));
    case FirmwareUpgrade::Outcome::Failed:
    case FirmwareUpgrade::Outcome::Cancelled:
        break;
    }
    return fail(ExitCode::NoConnection, QStringLiteral("Upgrade failed!"));
}

int DeviceCommands::snapshotSave()
{
    if (!m_session.readEverything())
        return lost();
    QJsonObject snapshot = MirrorSnapshot::fromMirror(m_session.model().mirror());
    QString error;
    if (!writeJson(file(), snapshot, &error))
        return fail(ExitCode::Failed, error);
    m_out << "saved " << file() << '\n';
    return ExitCode::Done;
}

int DeviceCommands::snapshotDiff()
{
    QFile in(file());
    if (!in.open(QIODevice::ReadOnly))
        return fail(ExitCode::Failed, QStringLiteral("cannot read %1").arg(file()));
    QJsonParseError parseError;
    const QJsonDocument saved = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !saved.isObject())
        return fail(ExitCode::Failed, QStringLiteral("%1 is not a snapshot").arg(file()));
    if (!m_session.readEverything())
        return lost();
    const QStringList lines = MirrorSnapshot::differences(
            saved.object(), MirrorSnapshot::fromMirror(m_session.model().mirror()));
    for (const QString &line : lines)
        m_out << line << '\n';
    if (lines.isEmpty()) {
        m_out << "no differences\n";
        return ExitCode::Done;
    }
    return fail(ExitCode::Failed,
                QStringLiteral("%1 parameters differ from %2").arg(lines.size()).arg(file()));
}
