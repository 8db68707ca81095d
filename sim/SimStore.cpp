#include "SimStore.h"

#include <QDateTime>

namespace sim {

namespace {

QByteArray modelFor(const ChannelConfig &config)
{
    QByteArray name = "VX-" + QByteArray::number(config.inputCount).rightJustified(2, '0')
            + QByteArray::number(config.outputCount).rightJustified(2, '0');
    return config.dante ? name + "D" : name;
}

} // namespace

SimStore::SimStore(const SimIdentity &id) : identity(id)
{
    config = ChannelConfig::fromName(id.config).value_or(*ChannelConfig::fromName("16x16"));
    system.model = id.model.isEmpty() ? modelFor(config) : id.model.left(NameSize);
    system.serialNumber = "VT" + QByteArray::number(id.deviceId).rightJustified(8, '0');
    system.armVersion = id.armVersion;
    system.dspVersion = id.dspVersion;
    system.armBuild = id.armBuild;
    system.deviceId = id.deviceId;
    system.address = id.address;
    system.gateway = (id.address & 0xFFFFFF00) | 1;
    system.mac = {0x02,
                  0x56,
                  0x58,
                  quint8(id.deviceId >> 16),
                  quint8(id.deviceId >> 8),
                  quint8(id.deviceId)};
    system.bootCount = 17;
    system.totalTimeBefore = 1234567;
    system.location = "Rack 1";
    system.description = "Main hall";
    dante = SimDante::forDevice(id.deviceId);
    factoryReset();
}

void SimStore::factoryReset()
{
    audio = SimAudio();
    system.inputLabels = {};
    system.outputLabels = {};
    system.shortLabels = {};
    system.gpio = {};
    system.password = identity.password;
    system.userPassword = identity.userPassword;
    presets = {};
    presets[0].used = true;
    presets[0].name = "Default";
    presets[0].scene = presetScene(0, m_sceneSize);
    currentPreset = 0;
}

void SimStore::setSceneSize(int size)
{
    m_sceneSize = qMax(0, size);
    for (int slot = 0; slot < PresetSlots; ++slot) {
        if (presets[slot].used)
            presets[slot].scene = presetScene(slot, m_sceneSize);
    }
}

QByteArray presetScene(int slot, int size)
{
    QByteArray scene(qMax(0, size), Qt::Uninitialized);
    quint32 x = 0x9E3779B9u * quint32(slot + 1);
    for (char &c : scene) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return scene;
}

bool SimStore::savePreset(int slot)
{
    if (slot < 0 || slot >= PresetSlots)
        return false;
    PresetSlot &p = presets[slot];
    p.audio = audio;
    p.scene = presetScene(slot, m_sceneSize);
    if (!p.used && p.name.isEmpty())
        p.name = "Preset " + QByteArray::number(slot + 1);
    p.used = true;
    currentPreset = quint8(slot);
    return true;
}

bool SimStore::loadPreset(int slot)
{
    if (slot < 0 || slot >= PresetSlots || !presets[slot].used)
        return false;
    audio = presets[slot].audio;
    currentPreset = quint8(slot);
    return true;
}

bool SimStore::deletePreset(int slot)
{
    if (slot < 0 || slot >= PresetSlots)
        return false;
    presets[slot] = PresetSlot();
    if (currentPreset == slot)
        currentPreset = NoPreset;
    return true;
}

quint32 SimStore::runTime() const
{
    return quint32(qMax<qint64>(now - bootTime, 0) / 1000);
}

quint32 SimStore::totalTime() const
{
    return system.totalTimeBefore + runTime();
}

QByteArray SimStore::dateTime() const
{
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(now + system.clockOffsetMs);
    const QDate d = t.date();
    const QTime c = t.time();
    QByteArray out;
    for (int v : {c.second(), c.minute(), c.hour(), d.day(), 0, d.month() - 1, d.year() - 1900})
        out.append(char(quint8(v)));
    return out;
}

void SimStore::setDateTime(const QByteArray &seven)
{
    const auto b = [&](int i) { return int(quint8(seven[i])); };
    const QDateTime t(QDate(1900 + b(6), b(5) + 1, b(3)), QTime(b(2), b(1), b(0)));
    if (t.isValid())
        system.clockOffsetMs = t.toMSecsSinceEpoch() - now;
}

void SimStore::reboot(const FirmwareVersion &armVersion)
{
    system.totalTimeBefore = totalTime();
    system.armVersion = armVersion;
    ++system.bootCount;
    bootTime = now;
}

} // namespace sim
