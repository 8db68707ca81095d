#pragma once

#include "NetworkInterfaceProvider.h"

// The machine's interfaces through QNetworkInterface.
class SystemInterfaceProvider : public NetworkInterfaceProvider
{
public:
    QList<NetworkInterfaceInfo> interfaces() const override;
};
