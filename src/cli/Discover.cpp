#include "Discover.h"

#include "CliArguments.h"
#include "ExitCode.h"

#include "model/DataModel.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Discover {

int run(const CliArguments &arguments, QTextStream &out, QTextStream &err)
{
    LinkSettings settings;
    settings.broadcastPort = arguments.broadcastPort;
    LinkEnvironment environment;
    // Only what is heard now is listed: no registry of earlier runs.
    environment.registryFile = QStringLiteral(":memory:");
    DataModel model(settings, std::move(environment));
    if (model.discoverySocketCount() == 0) {
        err << "vexatarn-cli: cannot listen for announcements on port " << arguments.broadcastPort
            << '\n';
        return ExitCode::NoConnection;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    const qint64 waitMs = qint64(arguments.waitSeconds * 1000);
    while (elapsed.elapsed() < waitMs)
        loop.processEvents(QEventLoop::WaitForMoreEvents, 50);

    QJsonArray devices;
    for (int i = 0; i < model.deviceCount(); ++i) {
        const DeviceEntry &entry = model.device(i);
        const UdpBrowsingPacket &p = entry.packet;
        const QString address = QHostAddress(p.ipAddress).toString();
        const auto text = &UdpBrowsingPacket::textString;
        const QString version = QStringLiteral("%1.%2.%3")
                                        .arg(p.armVersion[0])
                                        .arg(p.armVersion[1])
                                        .arg(p.armVersion[2]);
        if (arguments.json) {
            devices.append(QJsonObject {{QStringLiteral("address"), address},
                                        {QStringLiteral("deviceId"), QString::number(p.deviceId)},
                                        {QStringLiteral("model"), text(p.model)},
                                        {QStringLiteral("serialNumber"), text(p.serialNumber)},
                                        {QStringLiteral("location"), text(p.location)},
                                        {QStringLiteral("controlFirmware"), version},
                                        {QStringLiteral("online"), entry.online},
                                        {QStringLiteral("description"), text(p.description)}});
        } else {
            out << address << '\t' << p.deviceId << '\t' << text(p.model) << '\t'
                << text(p.serialNumber) << '\t' << version << '\t' << text(p.location) << '\n';
        }
    }
    if (arguments.json)
        out << QJsonDocument(devices).toJson(QJsonDocument::Compact) << '\n';
    return ExitCode::Done;
}

} // namespace Discover
