#pragma once

#include "wire/Clock.h"
#include "DeviceRegistry.h"
#include "NetworkInterfaceProvider.h"

#include <QString>

#include <memory>

// What the device link takes from its surroundings: the time, the machine's network interfaces
// and the registry file. The program uses the defaults; tests hand in their own.
struct LinkEnvironment
{
    Clock clock = systemClock();
    std::unique_ptr<NetworkInterfaceProvider> interfaces; // none: the machine's own
    QString registryFile = DeviceRegistry::defaultFileName();

    static LinkEnvironment withClock(Clock clock)
    {
        LinkEnvironment environment;
        environment.clock = std::move(clock);
        return environment;
    }
};
