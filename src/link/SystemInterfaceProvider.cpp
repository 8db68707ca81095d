#include "SystemInterfaceProvider.h"

QList<NetworkInterfaceInfo> SystemInterfaceProvider::interfaces() const
{
    QList<NetworkInterfaceInfo> result;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : all) {
        NetworkInterfaceInfo info;
        info.index = iface.index();
        info.name = iface.name();
        info.flags = iface.flags();
        info.addressEntries = iface.addressEntries();
        result.append(info);
    }
    return result;
}
