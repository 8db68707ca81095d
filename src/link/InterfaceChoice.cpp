#include "InterfaceChoice.h"

#include <algorithm>

namespace InterfaceChoice {

namespace {

bool isIPv4Entry(const QNetworkAddressEntry &entry)
{
    return entry.ip().protocol() == QAbstractSocket::IPv4Protocol
            && entry.netmask().protocol() == QAbstractSocket::IPv4Protocol;
}

} // namespace

bool isUsable(const NetworkInterfaceInfo &iface)
{
    const auto flags = iface.flags;
    return (flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsRunning))
            && !flags.testFlag(QNetworkInterface::IsLoopBack);
}

int usableCount(const QList<NetworkInterfaceInfo> &interfaces)
{
    return int(std::count_if(interfaces.begin(), interfaces.end(), isUsable));
}

bool inSubnet(const QNetworkAddressEntry &entry, const QHostAddress &target)
{
    if (!isIPv4Entry(entry) || target.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    const QHostAddress network(entry.ip().toIPv4Address() & entry.netmask().toIPv4Address());
    return target.isInSubnet(network, entry.prefixLength());
}

QVector<Candidate> candidates(const QList<NetworkInterfaceInfo> &interfaces,
                              const QHostAddress &target)
{
    QVector<Candidate> result;
    for (const NetworkInterfaceInfo &iface : interfaces) {
        if (!isUsable(iface))
            continue;
        for (const QNetworkAddressEntry &entry : iface.addressEntries) {
            if (isIPv4Entry(entry))
                result.append(Candidate {entry.ip(), inSubnet(entry, target)});
        }
    }
    return result;
}

QHostAddress choose(const QVector<Candidate> &candidates, const QHostAddress &boundAddress)
{
    if (candidates.isEmpty())
        return {};
    // Compared as text, so a null address matches nothing.
    const QString bound = boundAddress.toString();
    for (int k = 0; k < candidates.size(); ++k) {
        if (!bound.isEmpty() && candidates[k].address.toString() == bound)
            return candidates[(k + 1) % candidates.size()].address;
    }
    for (const Candidate &c : candidates) {
        if (c.inSubnet)
            return c.address;
    }
    return candidates.first().address;
}

QHostAddress localAddressFor(const NetworkInterfaceInfo &iface, const QHostAddress &device)
{
    for (const QNetworkAddressEntry &entry : iface.addressEntries) {
        if (inSubnet(entry, device))
            return entry.ip();
    }
    return {};
}

QHostAddress firstIPv4(const NetworkInterfaceInfo &iface)
{
    for (const QNetworkAddressEntry &entry : iface.addressEntries) {
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
            return entry.ip();
    }
    return {};
}

} // namespace InterfaceChoice
