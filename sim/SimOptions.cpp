#include "SimOptions.h"

#include "ChannelConfig.h"
#include "SimSystem.h"

#include <QCommandLineParser>

#include <cmath>

namespace sim {

// The simulator is a developer's tool outside the translated areas of the program: its
// command-line texts are English only.
namespace {

std::optional<FirmwareVersion> parseVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    FirmwareVersion v {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const uint n = parts[i].toUInt(&ok);
        if (!ok || n > 255)
            return std::nullopt;
        v[i] = quint8(n);
    }
    return v;
}

std::optional<quint16> parsePort(const QString &text, bool allowZero = true)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port > 65535 || (!allowZero && port == 0))
        return std::nullopt;
    return quint16(port);
}

// Seconds (fractions allowed) to milliseconds; nothing for a negative or unreadable value.
std::optional<qint64> parseSeconds(const QString &text)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 1e7)
        return std::nullopt;
    return qint64(std::llround(seconds * 1000.0));
}

quint32 defaultDeviceId(const QHostAddress &address)
{
    return 20000 + (address.toIPv4Address() & 0xFFFF);
}

} // namespace

void SimOptions::declare(QCommandLineParser &p)
{
    p.setApplicationDescription(QStringLiteral(
            "A simulated VexaTarn audio matrix processor: it announces itself, answers the "
            "control protocol on TCP from a stateful parameter store, runs presets and "
            "firmware upgrades, and can show link and hardware faults on request.\n"
            "Firmware images end in a 10-byte trailer: u16 identifier, major, minor and "
            "patch version bytes, five further bytes."));
    p.addHelpOption();
    p.addVersionOption();
    // Every option with a value names its default in its description.
    const auto option = [&p](const QString &name, const QString &description,
                             const QString &valueName = QString(),
                             const QString &defaultValue = QString()) {
        QString text = description;
        if (!defaultValue.isEmpty())
            text += QLatin1Char(' ') + QStringLiteral("Default: %1.").arg(defaultValue);
        p.addOption(QCommandLineOption(name, text, valueName, defaultValue));
    };
    option("bind", QStringLiteral("Address of the control server and source of the announcements."),
           QStringLiteral("address"), "127.0.0.1");
    option("control-port", QStringLiteral("TCP port of the control server (0: any free port)."),
           QStringLiteral("port"), "2698");
    option("announce-to",
           QStringLiteral(
                   "Where announcements go. Never a broadcast by default; 255.255.255.255 is for "
                   "test namespaces."),
           QStringLiteral("address"), "127.0.0.1");
    option("broadcast-port", QStringLiteral("UDP port the announcements are sent to."),
           QStringLiteral("port"), "6697");
    option("command-port",
           QStringLiteral("UDP port of the network-change command, listened on every address."),
           QStringLiteral("port"), "6001");
    option("device-id",
           QStringLiteral(
                   "Device identifier. Default: 20000 plus the low 16 bits of the bind address."),
           QStringLiteral("n"));
    option("model",
           QStringLiteral(
                   "Model name, at most 16 bytes. Default: from the configuration, e.g. VX-1616."),
           QStringLiteral("text"));
    option("config",
           QStringLiteral("Channel configuration: %1.")
                   .arg(ChannelConfig::names().join(QLatin1String(", "))),
           QStringLiteral("name"), "16x16");
    option("password",
           QStringLiteral("Admin password. Without one the built-in password opens the processor; "
                          "with one "
                          "the built-in password is refused."),
           QStringLiteral("text"));
    option("user-password",
           QStringLiteral("Password of the user login. Without one the user login takes the admin "
                          "password."),
           QStringLiteral("text"));
    option("announce-form",
           QStringLiteral("Announcement size: 106, or 110 with the inserted word 7. Default: 110 "
                          "when the control firmware's major version is 5 (that processor "
                          "family announces so), otherwise 106."),
           QStringLiteral("106|110"));
    option("family",
           QStringLiteral("Processor family, setting both firmware versions: classic (3.1.4, "
                          "2.0.7; echo and noise cancellation in place), v5 (5.0.2, 5.0.2) or v6 "
                          "(3.1.4, 6.1.45) (cancellation blocks feeding the matrix). "
                          "--arm-version and --dsp-version override it."),
           QStringLiteral("name"), "classic");
    option("arm-version", QStringLiteral("Control processor firmware version."),
           QStringLiteral("A.B.C"), "3.1.4");
    option("dsp-version", QStringLiteral("DSP firmware version."), QStringLiteral("A.B.C"),
           "2.0.7");
    option("upgrade-id",
           QStringLiteral(
                   "Firmware image identifier this hardware takes, decimal or 0x hexadecimal."),
           QStringLiteral("n"), "0x5654");
    option("reboot-delay", QStringLiteral("Seconds a firmware upgrade's reboot takes."),
           QStringLiteral("seconds"), "5");
    option("silent-after",
           QStringLiteral(
                   "Stop answering this many seconds after each client connects; the socket stays "
                   "open."),
           QStringLiteral("seconds"));
    option("drop-after", QStringLiteral("Drop each connection this many seconds after it opened."),
           QStringLiteral("seconds"));
    option("garbage-every", QStringLiteral("Send stray bytes between replies this often."),
           QStringLiteral("seconds"));
    option("byte-by-byte", QStringLiteral("Send replies one byte at a time."));
    option("fault",
           QStringLiteral("Report a hardware fault; repeatable: %1.")
                   .arg(SimSystem::faultNames().join(QLatin1Char('|'))),
           QStringLiteral("name"));
    option("reject-upgrade", QStringLiteral("Refuse every firmware image with this status."),
           QStringLiteral("254|255"));
    option("follow-network",
           QStringLiteral("Move the control server and the announcements to the address that a "
                          "network change gives the processor, as the hardware does. The new "
                          "address must exist on an interface (test namespaces)."));
    option("no-usb-drive", QStringLiteral("Start with no drive in the USB port."));
    option("preset-scene-size",
           QStringLiteral("Bytes of touch-screen scene each saved preset keeps, 0 to 1048576 "
                          "(preset images grow by as much per slot)."),
           QStringLiteral("bytes"), "0");
    option("drop-after-preset-blocks",
           QStringLiteral("Drop the connection after this many blocks of a preset export or "
                          "import."),
           QStringLiteral("count"));
    option("verbose", QStringLiteral("Log every frame received and sent."));
    option("quiet", QStringLiteral("Log nothing but errors."));
}

std::optional<SimOptions> SimOptions::read(const QCommandLineParser &p, QString *error)
{
    SimOptions o;
    const auto fail = [&](const QString &option, const QString &value) {
        *error = QStringLiteral("Invalid value for --%1: %2").arg(option, value);
        return std::nullopt;
    };
    o.bind = QHostAddress(p.value("bind"));
    if (o.bind.protocol() != QAbstractSocket::IPv4Protocol)
        return fail("bind", p.value("bind"));
    o.announceTo = QHostAddress(p.value("announce-to"));
    if (o.announceTo.protocol() != QAbstractSocket::IPv4Protocol)
        return fail("announce-to", p.value("announce-to"));
    const std::pair<const char *, quint16 *> ports[] = {{"control-port", &o.controlPort},
                                                        {"broadcast-port", &o.broadcastPort},
                                                        {"command-port", &o.commandPort}};
    for (const auto &[name, target] : ports) {
        const auto port = parsePort(p.value(name), std::string(name) != "broadcast-port");
        if (!port)
            return fail(name, p.value(name));
        *target = *port;
    }
    SimIdentity &id = o.identity;
    id.address = o.bind.toIPv4Address();
    id.deviceId = defaultDeviceId(o.bind);
    if (p.isSet("device-id")) {
        bool ok = false;
        id.deviceId = p.value("device-id").toUInt(&ok);
        if (!ok)
            return fail("device-id", p.value("device-id"));
    }
    id.model = p.value("model").toLocal8Bit();
    if (id.model.size() > 16)
        return fail("model", p.value("model"));
    if (!ChannelConfig::fromName(p.value("config")))
        return fail("config", p.value("config"));
    id.config = ChannelConfig::fromName(p.value("config"))->name;
    id.password = p.value("password").toLocal8Bit();
    id.userPassword = p.value("user-password").toLocal8Bit();
    if (id.password.size() > 16 || id.userPassword.size() > 16)
        return fail(id.password.size() > 16 ? "password" : "user-password",
                    QStringLiteral("too long"));
    if (p.isSet("announce-form")) {
        o.announceForm = p.value("announce-form").toInt();
        if (o.announceForm != 106 && o.announceForm != 110)
            return fail("announce-form", p.value("announce-form"));
    }
    const SimFamily *family = nullptr;
    for (const SimFamily &f : SimFamilies)
        if (p.value("family") == QLatin1String(f.name))
            family = &f;
    if (!family)
        return fail("family", p.value("family"));
    id.armVersion = family->armVersion;
    id.dspVersion = family->dspVersion;
    for (const auto &[name, target] :
         {std::pair {"arm-version", &id.armVersion}, std::pair {"dsp-version", &id.dspVersion}}) {
        if (!p.isSet(name))
            continue;
        const auto v = parseVersion(p.value(name));
        if (!v)
            return fail(name, p.value(name));
        *target = *v;
    }
    bool ok = false;
    const uint upgradeId = p.value("upgrade-id").toUInt(&ok, 0);
    if (!ok || upgradeId > 0xFFFF)
        return fail("upgrade-id", p.value("upgrade-id"));
    id.upgradeId = quint16(upgradeId);

    const auto seconds = [&](const char *name, qint64 *target) {
        if (!p.isSet(name))
            return true;
        const auto ms = parseSeconds(p.value(name));
        if (ms)
            *target = *ms;
        return bool(ms);
    };
    qint64 rebootMs = o.timing.rebootMs;
    if (!seconds("reboot-delay", &rebootMs) || rebootMs > 3600000)
        return fail("reboot-delay", p.value("reboot-delay"));
    o.timing.rebootMs = int(rebootMs);
    if (!seconds("silent-after", &o.faults.silentAfterMs))
        return fail("silent-after", p.value("silent-after"));
    if (!seconds("drop-after", &o.faults.dropAfterMs))
        return fail("drop-after", p.value("drop-after"));
    if (!seconds("garbage-every", &o.faults.garbageEveryMs)
        || (p.isSet("garbage-every") && o.faults.garbageEveryMs == 0))
        return fail("garbage-every", p.value("garbage-every"));
    o.faults.byteByByte = p.isSet("byte-by-byte");
    SimSystem probe;
    for (const QString &fault : p.values("fault")) {
        if (!probe.injectFault(fault))
            return fail("fault", fault);
        o.hardwareFaults << fault;
    }
    if (p.isSet("reject-upgrade")) {
        const int status = p.value("reject-upgrade").toInt();
        if (status != 254 && status != 255)
            return fail("reject-upgrade", p.value("reject-upgrade"));
        o.faults.rejectUpgrade = status;
    }
    o.followNetwork = p.isSet("follow-network");
    o.usbDrive = !p.isSet("no-usb-drive");
    const int sceneSize = p.value("preset-scene-size").toInt(&ok);
    if (!ok || sceneSize < 0 || sceneSize > (1 << 20))
        return fail("preset-scene-size", p.value("preset-scene-size"));
    o.presetSceneSize = sceneSize;
    if (p.isSet("drop-after-preset-blocks")) {
        const int blocks = p.value("drop-after-preset-blocks").toInt(&ok);
        if (!ok || blocks < 0)
            return fail("drop-after-preset-blocks", p.value("drop-after-preset-blocks"));
        o.faults.dropAfterPresetBlocks = blocks;
    }
    o.verbose = p.isSet("verbose");
    o.quiet = p.isSet("quiet");
    return o;
}

std::optional<SimOptions> SimOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    declare(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    return read(parser, error);
}

} // namespace sim
