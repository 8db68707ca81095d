#include "CliArguments.h"

#include "model/CommandText.h"
#include "model/ParameterMirror.h"
#include "model/records/PresetTable.h"

#include "wire/LocalText.h"

#include <QProcessEnvironment>

#include <cmath>

namespace {

// The password every processor accepts until its owner sets another.
const char *const BuiltInPassword = "#*qubit*";
// Preset names travel in the device's 8-bit encoding, at most 16 bytes.
constexpr int PresetNameBytes = 16;

bool isNumberLike(const QString &word)
{
    return word.size() > 1 && word[0] == QLatin1Char('-')
            && (word[1].isDigit() || word[1] == QLatin1Char('.'));
}

bool readNumber(const QString &text, int minimum, int maximum, int *value)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < minimum || n > maximum)
        return false;
    *value = n;
    return true;
}

bool readChannel(const QString &text, int channels, int *index, QString *error)
{
    int n = 0;
    if (!readNumber(text, 1, channels, &n)) {
        *error = QStringLiteral("channel \"%1\" is not a channel number from 1 to %2")
                         .arg(text)
                         .arg(channels);
        return false;
    }
    *index = n - 1;
    return true;
}

bool readSlot(const QString &text, int *index, QString *error)
{
    int n = 0;
    if (!readNumber(text, 1, PresetTable::SlotCount, &n)) {
        *error = QStringLiteral("slot \"%1\" is not a preset slot from 1 to %2")
                         .arg(text)
                         .arg(PresetTable::SlotCount);
        return false;
    }
    *index = n - 1;
    return true;
}

bool readOnOff(const QString &text, bool *on, QString *error)
{
    if (text == QLatin1String("on") || text == QLatin1String("off")) {
        *on = text == QLatin1String("on");
        return true;
    }
    *error = QStringLiteral("\"%1\" is neither on nor off").arg(text);
    return false;
}

bool readLevel(const QString &text, double *level, QString *error)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < CommandText::MinimumGain
        || value > CommandText::MaximumGain) {
        *error = QStringLiteral("level \"%1\" is not a number of dB from %2 to %3")
                         .arg(text)
                         .arg(CommandText::MinimumGain)
                         .arg(CommandText::MaximumGain);
        return false;
    }
    *level = CommandText::roundToTenth(value);
    return true;
}

bool readSide(const QString &text, CliArguments::Side *side, QString *error)
{
    if (text == QLatin1String("in") || text == QLatin1String("out")) {
        *side = text == QLatin1String("in") ? CliArguments::Inputs : CliArguments::Outputs;
        return true;
    }
    *error = QStringLiteral("\"%1\" is neither in nor out").arg(text);
    return false;
}

bool readPort(const QString &text, quint16 *port)
{
    int n = 0;
    if (!readNumber(text, 1, 65535, &n))
        return false;
    *port = quint16(n);
    return true;
}

bool readSeconds(const QString &text, double *seconds)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0 || value > 3600)
        return false;
    *seconds = value;
    return true;
}

bool wordCount(const QStringList &words, int count, const QString &usage, QString *error)
{
    if (words.size() == count)
        return true;
    *error = QStringLiteral("usage: vexatarn-cli %1").arg(usage);
    return false;
}

} // namespace

QString CliArguments::builtInPassword()
{
    return QString::fromLatin1(BuiltInPassword);
}

bool CliArguments::parse(const QStringList &arguments, QString *error)
{
    QStringList words;
    password = QProcessEnvironment::systemEnvironment().value(QStringLiteral("VEXATARN_PASSWORD"),
                                                              builtInPassword());
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || isNumberLike(arg)
            || arg == QLatin1String("-")) {
            words << arg;
            argumentsWithoutHosts << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            argumentsWithoutHosts << arg;
            continue;
        }
        QString name = arg;
        QString value;
        bool hasValue = false;
        const int equals = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && equals > 0) {
            name = arg.left(equals);
            value = arg.mid(equals + 1);
            hasValue = true;
        }
        if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            help = true;
            continue;
        }
        if (name == QLatin1String("--version")) {
            version = true;
            continue;
        }
        if (name == QLatin1String("--json")) {
            json = true;
            argumentsWithoutHosts << arg;
            continue;
        }
        static const QStringList valued {QStringLiteral("-H"),
                                         QStringLiteral("--host"),
                                         QStringLiteral("--port"),
                                         QStringLiteral("--password"),
                                         QStringLiteral("--broadcast-port"),
                                         QStringLiteral("--wait"),
                                         QStringLiteral("--timeout")};
        if (!valued.contains(name)) {
            *error = QStringLiteral("unknown option %1").arg(name);
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("option %1 needs a value").arg(name);
                return false;
            }
            value = arguments[++i];
        }
        if (name == QLatin1String("-H") || name == QLatin1String("--host")) {
            const QHostAddress address(value);
            if (address.protocol() != QAbstractSocket::IPv4Protocol) {
                *error = QStringLiteral("\"%1\" is not an IPv4 address").arg(value);
                return false;
            }
            hosts << address;
            continue;
        }
        argumentsWithoutHosts << name << value;
        bool ok = true;
        if (name == QLatin1String("--port"))
            ok = readPort(value, &controlPort);
        else if (name == QLatin1String("--broadcast-port"))
            ok = readPort(value, &broadcastPort);
        else if (name == QLatin1String("--wait"))
            ok = readSeconds(value, &waitSeconds);
        else if (name == QLatin1String("--timeout"))
            ok = readSeconds(value, &timeoutSeconds);
        else
            password = value;
        if (!ok) {
            *error = QStringLiteral("\"%1\" is not a valid value for %2").arg(value, name);
            return false;
        }
    }
    if (help || version)
        return true;
    if (words.isEmpty()) {
        *error = QStringLiteral("no command given (see vexatarn-cli --help)");
        return false;
    }
    if (!parseCommand(words, error))
        return false;
    if (needsDevice() && hosts.isEmpty()) {
        *error = QStringLiteral("%1 needs a device: -H ADDRESS").arg(command);
        return false;
    }
    if (!needsDevice() && !hosts.isEmpty()) {
        *error = QStringLiteral("%1 takes no -H").arg(command);
        return false;
    }
    return true;
}

bool CliArguments::parseCommand(const QStringList &words, QString *error)
{
    command = words[0];
    const QStringList rest = words.mid(1);
    action = rest.value(0);
    const int channels = ParameterMirror::ChannelCount;
    if (command == QLatin1String("frame"))
        return parseFrame(rest, error);
    if (command == QLatin1String("discover") || command == QLatin1String("info"))
        return wordCount(rest, 0, command, error);
    if (command == QLatin1String("get")) {
        if (!wordCount(rest, 3, QStringLiteral("get in|out CHANNEL level|mute"), error)
            || !readSide(rest[0], &side, error) || !readChannel(rest[1], channels, &channel, error))
            return false;
        parameter = rest[2];
        if (parameter != QLatin1String("level") && parameter != QLatin1String("mute")) {
            *error = QStringLiteral("\"%1\" is neither level nor mute").arg(parameter);
            return false;
        }
        return true;
    }
    if (command == QLatin1String("set")) {
        if (!wordCount(rest, 4, QStringLiteral("set in|out CHANNEL level DB|mute on|off"), error)
            || !readSide(rest[0], &side, error) || !readChannel(rest[1], channels, &channel, error))
            return false;
        parameter = rest[2];
        if (parameter == QLatin1String("level"))
            return readLevel(rest[3], &level, error);
        if (parameter == QLatin1String("mute"))
            return readOnOff(rest[3], &on, error);
        *error = QStringLiteral("\"%1\" is neither level nor mute").arg(parameter);
        return false;
    }
    if (command == QLatin1String("mute"))
        return wordCount(rest, 1, QStringLiteral("mute on|off"), error)
                && readOnOff(rest[0], &on, error);
    if (command == QLatin1String("upgrade")) {
        if (!wordCount(rest, 1, QStringLiteral("upgrade FILE"), error))
            return false;
        file = rest[0];
        return true;
    }
    if (command == QLatin1String("snapshot")) {
        if (!wordCount(rest, 2, QStringLiteral("snapshot save|diff FILE"), error))
            return false;
        if (action != QLatin1String("save") && action != QLatin1String("diff")) {
            *error = QStringLiteral("unknown snapshot command \"%1\"").arg(action);
            return false;
        }
        file = rest[1];
        return true;
    }
    if (command == QLatin1String("label")) {
        if (!wordCount(rest, 2, QStringLiteral("label export|import FILE"), error))
            return false;
        if (action != QLatin1String("export") && action != QLatin1String("import")) {
            *error = QStringLiteral("unknown label command \"%1\"").arg(action);
            return false;
        }
        file = rest[1];
        return true;
    }
    if (command == QLatin1String("preset")) {
        const QString usage = QStringLiteral("preset list | preset save|load|delete SLOT | "
                                             "preset rename SLOT NAME | preset export|import "
                                             "SLOT FILE | preset export-all|import-all FILE");
        if (action == QLatin1String("list"))
            return wordCount(rest, 1, usage, error);
        if (action == QLatin1String("save") || action == QLatin1String("load")
            || action == QLatin1String("delete"))
            return wordCount(rest, 2, usage, error) && readSlot(rest[1], &slot, error);
        if (action == QLatin1String("rename")) {
            if (!wordCount(rest, 3, usage, error) || !readSlot(rest[1], &slot, error))
                return false;
            name = rest[2];
            if (LocalText::encode(name).size() > PresetNameBytes) {
                *error = QStringLiteral("the name \"%1\" is longer than %2 bytes")
                                 .arg(name)
                                 .arg(PresetNameBytes);
                return false;
            }
            return true;
        }
        if (action == QLatin1String("export") || action == QLatin1String("import")) {
            if (!wordCount(rest, 3, usage, error) || !readSlot(rest[1], &slot, error))
                return false;
            file = rest[2];
            return true;
        }
        if (action == QLatin1String("export-all") || action == QLatin1String("import-all")) {
            if (!wordCount(rest, 2, usage, error))
                return false;
            file = rest[1];
            return true;
        }
        *error = QStringLiteral("unknown preset command \"%1\"").arg(action);
        return false;
    }
    *error = QStringLiteral("unknown command \"%1\" (see vexatarn-cli --help)").arg(command);
    return false;
}

bool CliArguments::parseFrame(const QStringList &words, QString *error)
{
    const int channels = CommandText::LastChannel + 1;
    const QString usage = QStringLiteral(
            "frame login TEXT | frame in-mute|out-mute CHANNEL on|off | "
            "frame in-gain|out-gain|in-step|out-step CHANNEL DB | frame preset-load SLOT | "
            "frame system-mute on|off");
    using namespace CommandText;
    Command c;
    if (action == QLatin1String("login")) {
        if (!wordCount(words, 2, usage, error))
            return false;
        c = login(words[1]);
    } else if (action == QLatin1String("in-mute") || action == QLatin1String("out-mute")) {
        if (!wordCount(words, 3, usage, error) || !readChannel(words[1], channels, &channel, error)
            || !readOnOff(words[2], &on, error))
            return false;
        c = action == QLatin1String("in-mute") ? inputMute(quint8(channel), on)
                                               : outputMute(quint8(channel), on);
    } else if (action == QLatin1String("in-gain") || action == QLatin1String("out-gain")
               || action == QLatin1String("in-step") || action == QLatin1String("out-step")) {
        if (!wordCount(words, 3, usage, error) || !readChannel(words[1], channels, &channel, error)
            || !readLevel(words[2], &level, error))
            return false;
        const auto ch = quint8(channel);
        if (action == QLatin1String("in-gain"))
            c = inputGain(ch, level);
        else if (action == QLatin1String("out-gain"))
            c = outputGain(ch, level);
        else if (action == QLatin1String("in-step"))
            c = inputStep(ch, level);
        else
            c = outputStep(ch, level);
    } else if (action == QLatin1String("preset-load")) {
        if (!wordCount(words, 2, usage, error) || !readSlot(words[1], &slot, error))
            return false;
        c = presetLoad(quint8(slot));
    } else if (action == QLatin1String("system-mute")) {
        if (!wordCount(words, 2, usage, error) || !readOnOff(words[1], &on, error))
            return false;
        c = systemMute(on);
    } else {
        *error = action.isEmpty() ? QStringLiteral("usage: vexatarn-cli %1").arg(usage)
                                  : QStringLiteral("unknown frame \"%1\"").arg(action);
        return false;
    }
    frameText = CommandText::frameText(c);
    if (frameText.isEmpty()) {
        *error = QStringLiteral("the text is too long for one frame");
        return false;
    }
    return true;
}

QString CliArguments::helpText()
{
    return QStringLiteral(
            "Usage: vexatarn-cli discover [--wait SECONDS] [--json]\n"
            "       vexatarn-cli -H ADDRESS [-H ADDRESS]... [--port N] [--password TEXT] COMMAND\n"
            "       vexatarn-cli frame FRAME\n"
            "\n"
            "Controls VexaTarn audio processors from scripts. Channels and preset slots are\n"
            "counted from 1. With several -H the command runs on every device at once, one\n"
            "result line per device; FILE may contain {id} and {address}, replaced per device.\n"
            "\n"
            "Commands on a device (-H):\n"
            "  info [--json]                    identity, versions, faults, channel configuration\n"
            "      vexatarn-cli -H 192.168.1.20 info --json\n"
            "  get in|out CHANNEL level|mute    the value: dB with one decimal, or on|off\n"
            "      vexatarn-cli -H 192.168.1.20 get in 3 level\n"
            "  set in|out CHANNEL level DB      the level, -56.0 to 12.0 dB\n"
            "      vexatarn-cli -H 192.168.1.20 set out 2 level -6.5\n"
            "  set in|out CHANNEL mute on|off\n"
            "      vexatarn-cli -H 192.168.1.20 set in 1 mute on\n"
            "  mute on|off                      system mute\n"
            "      vexatarn-cli -H 192.168.1.20 mute off\n"
            "  preset list [--json]             the 32 slots with their names\n"
            "      vexatarn-cli -H 192.168.1.20 preset list\n"
            "  preset save|load|delete SLOT\n"
            "      vexatarn-cli -H 192.168.1.20 preset load 4\n"
            "  preset rename SLOT NAME\n"
            "      vexatarn-cli -H 192.168.1.20 preset rename 4 \"Conference\"\n"
            "  preset export SLOT FILE          one slot into a .pst file\n"
            "      vexatarn-cli -H 192.168.1.20 preset export 4 hall.pst\n"
            "  preset export-all FILE           every slot into a .pstl file\n"
            "      vexatarn-cli -H 10.0.0.5 -H 10.0.0.6 preset export-all backup-{id}.pstl\n"
            "  preset import SLOT FILE          a .pst file into one slot\n"
            "      vexatarn-cli -H 192.168.1.20 preset import 4 hall.pst\n"
            "  preset import-all FILE           a .pstl file into every slot\n"
            "      vexatarn-cli -H 192.168.1.20 preset import-all backup-{id}.pstl\n"
            "  label export FILE                the channel labels into a .lbl file\n"
            "      vexatarn-cli -H 192.168.1.20 label export labels-{address}.lbl\n"
            "  label import FILE                the labels of a .lbl file onto the device\n"
            "      vexatarn-cli -H 192.168.1.20 label import labels.lbl\n"
            "  upgrade FILE                     install a firmware image (.img)\n"
            "      vexatarn-cli -H 192.168.1.20 upgrade firmware-3.7.2.img\n"
            "  snapshot save FILE               every mirrored parameter as JSON\n"
            "      vexatarn-cli -H 192.168.1.20 snapshot save commissioned-{id}.json\n"
            "  snapshot diff FILE               the parameters that differ from a snapshot\n"
            "      vexatarn-cli -H 192.168.1.20 snapshot diff commissioned-{id}.json\n"
            "\n"
            "Commands without a device:\n"
            "  discover [--wait SECONDS] [--json]   the processors that announce themselves\n"
            "      vexatarn-cli discover --wait 5 --json\n"
            "  frame FRAME                      the frame an external controller sends, as\n"
            "                                   the command assistant shows it:\n"
            "    frame login TEXT                   vexatarn-cli frame login 1234\n"
            "    frame in-mute|out-mute CHANNEL on|off  vexatarn-cli frame out-mute 17 on\n"
            "    frame in-gain|out-gain CHANNEL DB      vexatarn-cli frame in-gain 1 -10.5\n"
            "    frame in-step|out-step CHANNEL DB      vexatarn-cli frame out-step 2 1.0\n"
            "    frame preset-load SLOT                 vexatarn-cli frame preset-load 5\n"
            "    frame system-mute on|off               vexatarn-cli frame system-mute on\n"
            "\n"
            "Options:\n"
            "  -H, --host ADDRESS        a processor's IPv4 address (repeatable)\n"
            "  --port N                  its TCP control port (default 2698)\n"
            "  --password TEXT           the login password; else VEXATARN_PASSWORD, else the\n"
            "                            built-in one. Never stored.\n"
            "  --broadcast-port N        UDP port of the announcements (default 6697)\n"
            "  --wait SECONDS            how long discover listens (default 3)\n"
            "  --timeout SECONDS         connection, login and each exchange (default 10)\n"
            "  --json                    JSON output (info, preset list, discover)\n"
            "  -h, --help                this text\n"
            "  --version                 the version\n"
            "\n"
            "Exit codes: 0 done; 1 the device refused or a check failed (a file, a check word,\n"
            "an image for other hardware, differences in diff); 2 usage error; 3 no\n"
            "connection, login refused or time-out. Errors are one line on stderr naming the\n"
            "device. Transfers show a progress bar on stderr when it is a terminal.\n");
}
