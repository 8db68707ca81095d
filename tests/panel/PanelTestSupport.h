#pragma once

#include "app/AppTestEnvironment.h"
#include "widgets/Resources.h"
#include "widgets/MessageBox.h"
#include "panel/DeviceItemWidget.h"
#include "panel/DeviceWidget.h"
#include "panel/ListWidget.h"
#include "model/DataModel.h"
#include "support/Announcements.h"
#include "support/TestLinkEnvironment.h"

#include <QLabel>
#include <QTcpServer>
#include <QtTest>

#include <memory>

// The device panel on a model of the test's own: fake clock (so no time-out of the link fires
// by itself), no network interfaces for the model (nothing is bound or broadcast), a registry
// in memory. The panel sees one interface 127.0.0.5/24: 127.0.0.x is "the PC's subnet",
// 127.1.x.x is another one.
struct PanelFixture
{
    FakeClock clock;
    LinkSettings settings;
    std::unique_ptr<DataModel> model; // outlives the panel
    std::unique_ptr<DeviceWidget> panel;

    void start(quint16 controlPort = 2698, quint16 broadcastPort = 0)
    {
        panel.reset();
        model.reset();
        settings = testLinkSettings(controlPort);
        if (broadcastPort)
            settings.broadcastPort = broadcastPort;
        model = std::make_unique<DataModel>(settings,
                                            testLinkEnvironment(clock, QStringLiteral(":memory:")));
    }

    void showPanel()
    {
        panel = std::make_unique<DeviceWidget>();
        auto interfaces = std::make_unique<FakeInterfaceProvider>();
        interfaces->list = {FakeInterfaceProvider::make(7, QStringLiteral("lan"),
                                                        {QStringLiteral("127.0.0.5/24")})};
        panel->setInterfaceProvider(std::move(interfaces));
        panel->connectModel(model.get());
        panel->resize(300, 520);
        panel->show();
    }

    // A processor announcing itself from address.
    void announce(quint32 deviceId, const char *address, quint8 fault = 0,
                  const char *preset = "Default")
    {
        UdpBrowsingPacket p = announcement(deviceId, address);
        p.fault = fault;
        p.preset = UdpBrowsingPacket::toText(preset);
        model->processAnnouncement(p.serialise(), 0);
    }

    ListWidget *list() const { return panel->findChild<ListWidget *>(); }
    int rowCount() const { return list()->count(); }
    DeviceItemWidget *row(int index) const
    {
        return qobject_cast<DeviceItemWidget *>(list()->itemWidget(list()->item(index)));
    }
    QString text(int index, const char *label) const
    {
        return row(index)->findChild<QLabel *>(QLatin1String(label))->text();
    }
    QPoint rowCentre(int index) const
    {
        return list()->visualItemRect(list()->item(index)).center();
    }
    void click(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(list()->viewport(), button, Qt::NoModifier, rowCentre(index));
    }
    template<typename T> T *child(const char *name) const
    {
        return panel->findChild<T *>(QLatin1String(name));
    }
};

// A stand-in processor that accepts connections on one loopback address and says nothing, so a
// selected device counts as connected and, with the clock standing still, never times out.
struct SilentDevice
{
    QTcpServer server;

    quint16 listen(const char *address, quint16 port = 0)
    {
        return server.listen(QHostAddress(QLatin1String(address)), port) ? server.serverPort() : 0;
    }
};

// Counts how often a widget was shown.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget *widget) : QObject(widget) { widget->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};
