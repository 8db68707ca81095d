#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sim {

// One of the five channel configurations a processor is built in. Analog channels count from
// channel 1; a Dante module adds four receive and four transmit channels as channels 13..16.
// The USB pair (channel indices 16 and 17) exists in every configuration.
struct ChannelConfig
{
    QString name;
    quint8 inputCount = 16;
    quint8 outputCount = 16;
    bool dante = false;

    static std::optional<ChannelConfig> fromName(const QString &name);
    static QStringList names();

    bool inputPresent(int channel) const { return present(channel, inputCount); }
    bool outputPresent(int channel) const { return present(channel, outputCount); }
    bool isDanteChannel(int channel) const { return dante && channel >= 12 && channel < 16; }

private:
    bool present(int channel, int count) const
    {
        return channel < count || channel == 16 || channel == 17 || isDanteChannel(channel);
    }
};

} // namespace sim
