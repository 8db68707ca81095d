#include "ChannelConfig.h"

namespace sim {

namespace {

const ChannelConfig Configs[] = {
        {QStringLiteral("16x16"), 16, 16, false},
        {QStringLiteral("16x8"), 16, 8, false},
        {QStringLiteral("8x8"), 8, 8, false},
        {QStringLiteral("12x12+Dante4x4"), 12, 12, true},
        {QStringLiteral("8x8+Dante4x4"), 8, 8, true},
};

} // namespace

std::optional<ChannelConfig> ChannelConfig::fromName(const QString &name)
{
    for (const ChannelConfig &c : Configs)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return std::nullopt;
}

QStringList ChannelConfig::names()
{
    QStringList list;
    for (const ChannelConfig &c : Configs)
        list << c.name;
    return list;
}

} // namespace sim
