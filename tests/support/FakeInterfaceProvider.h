#pragma once

#include "link/NetworkInterfaceProvider.h"

#include <QHostAddress>
#include <QStringList>

// Network interfaces as a test describes them. The test keeps a pointer and may change the
// list while the model runs (an interface plugged in or removed).
class FakeInterfaceProvider : public NetworkInterfaceProvider
{
public:
    QList<NetworkInterfaceInfo> list;

    QList<NetworkInterfaceInfo> interfaces() const override { return list; }

    // An interface with addresses written "a.b.c.d/prefix", up and running unless told.
    static NetworkInterfaceInfo
    make(int index, const QString &name, const QStringList &addresses,
         QNetworkInterface::InterfaceFlags flags = QNetworkInterface::IsUp
                 | QNetworkInterface::IsRunning)
    {
        NetworkInterfaceInfo iface;
        iface.index = index;
        iface.name = name;
        iface.flags = flags;
        for (const QString &text : addresses) {
            const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(text);
            QNetworkAddressEntry entry;
            entry.setIp(QHostAddress(text.section(QLatin1Char('/'), 0, 0)));
            entry.setPrefixLength(subnet.second);
            iface.addressEntries.append(entry);
        }
        return iface;
    }
};
