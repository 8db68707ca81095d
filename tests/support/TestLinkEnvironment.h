#pragma once

#include "link/LinkEnvironment.h"
#include "link/LinkSettings.h"
#include "support/FakeClock.h"
#include "support/FakeInterfaceProvider.h"

#include <QUdpSocket>

// A UDP port nobody uses right now, so parallel tests do not hear each other's announcements.
inline quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.localPort();
}

// Link settings for a test: a free discovery port, everything else as the program has it.
inline LinkSettings testLinkSettings(quint16 controlPort = 2698)
{
    LinkSettings settings;
    settings.broadcastPort = freeUdpPort();
    settings.controlPort = controlPort;
    return settings;
}

// The fake clock, fake interfaces (returned through fake, owned by the model) and a registry
// file of the test's own.
inline LinkEnvironment testLinkEnvironment(FakeClock &clock, const QString &registryFile,
                                           FakeInterfaceProvider **fake = nullptr,
                                           const QList<NetworkInterfaceInfo> &interfaces = {})
{
    LinkEnvironment environment = LinkEnvironment::withClock(clock.clock());
    auto provider = std::make_unique<FakeInterfaceProvider>();
    provider->list = interfaces;
    if (fake)
        *fake = provider.get();
    environment.interfaces = std::move(provider);
    environment.registryFile = registryFile;
    return environment;
}
