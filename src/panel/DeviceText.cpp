#include "panel/DeviceText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const char *const HostOctet = "(\\d{1,2}|1\\d\\d|2[0-1]\\d|22[0-3])";
const char *const Octet = "(\\d{1,2}|1\\d\\d|2[0-4]\\d|25[0-5])";

QString dotted(const char *first)
{
    const QString octet = QLatin1String(Octet);
    return QLatin1String(first) + QStringLiteral("\\.") + octet + QStringLiteral("\\.") + octet
            + QStringLiteral("\\.") + octet;
}

} // namespace

namespace DeviceText {

QString address(quint32 address)
{
    return QStringLiteral("%1.%2.%3.%4")
            .arg((address >> 24) & 0xFF)
            .arg((address >> 16) & 0xFF)
            .arg((address >> 8) & 0xFF)
            .arg(address & 0xFF);
}

QString version(const std::array<quint8, 3> &version)
{
    return QStringLiteral("%1.%2.%3").arg(version[0]).arg(version[1]).arg(version[2]);
}

QString duration(quint32 seconds)
{
    const QChar zero(QLatin1Char('0'));
    return QCoreApplication::translate("DeviceText", "%1day %2:%3:%4")
            .arg(seconds / 86400)
            .arg((seconds / 3600) % 24, 2, 10, zero)
            .arg((seconds / 60) % 60, 2, 10, zero)
            .arg(seconds % 60, 2, 10, zero);
}

QString hostPattern()
{
    return dotted(HostOctet);
}

QString maskPattern()
{
    return dotted(Octet);
}

quint32 parseAddress(const QString &text, const QString &pattern, bool *ok)
{
    const QRegularExpression exact(QRegularExpression::anchoredPattern(pattern));
    const QRegularExpressionMatch match = exact.match(text);
    if (ok)
        *ok = match.hasMatch();
    if (!match.hasMatch())
        return 0;
    quint32 value = 0;
    for (int i = 1; i <= 4; ++i)
        value = (value << 8) | match.captured(i).toUInt();
    return value;
}

} // namespace DeviceText
