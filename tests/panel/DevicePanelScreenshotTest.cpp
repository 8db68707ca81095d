#include "PanelTestSupport.h"

#include "panel/DeviceListDialog.h"
#include "panel/EditDeviceDialog.h"
#include "panel/LoginDialog.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSet>

// The panel as a user sees it, in both appearances: a logged-in selected device, an online one,
// one with a fault and an offline one. Writes panel-light.png and panel-dark.png (and the login
// dialog, the network dialog, the time-out box and the device list) into the test's folder.
class DevicePanelScreenshotTest : public QObject
{
    Q_OBJECT

    PanelFixture f;
    SilentDevice m_silent;

    static void applySheet(bool dark)
    {
        QFile sheet(dark ? QStringLiteral(":/qss/VexaTarnDark.qss")
                         : QStringLiteral(":/qss/VexaTarnLight.qss"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }

    // Saved in the test's folder; with check, not blank: a real picture has many colours.
    static void keep(QWidget *widget, const char *name, bool dark, bool check = true)
    {
        QCoreApplication::processEvents();
        const QImage image = widget->grab().toImage();
        QVERIFY(image.save(QStringLiteral("%1/%2-%3.png")
                                   .arg(AppTestEnvironment::startDirectory(), QLatin1String(name),
                                        dark ? QLatin1String("dark") : QLatin1String("light"))));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY2(!check || colours.size() > 40, qPrintable(QString::number(colours.size())));
    }

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9)); // as the program starts
        const quint16 port = m_silent.listen("127.0.0.2");
        QVERIFY(port);
        f.start(port);
        f.showPanel();
        f.announce(30001, "127.0.0.2", 0, "Conference A");
        f.announce(30002, "127.0.0.3", 0, "Lecture Hall");
        f.announce(30003, "127.0.0.4", 1, "Stage Left");
        f.model->addDeviceByAddress(QHostAddress(QStringLiteral("127.1.20.8")).toIPv4Address());
        f.click(0);
        QTRY_COMPARE(f.model->currentSocket()->state(), QAbstractSocket::ConnectedState);
        f.model->loginReplyReceived(1);
        f.panel->resize(290, 420);
    }

    void cleanupTestCase()
    {
        qApp->setStyleSheet(QString());
        f.panel.reset();
        f.model.reset();
    }

    void thePanelInBothAppearances_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void thePanelInBothAppearances()
    {
        QFETCH(bool, dark);
        applySheet(dark);
        f.panel->setDark(dark);
        QCoreApplication::processEvents();
        keep(f.panel.get(), "panel", dark);
        // Every row fully inside the list, none clipped.
        for (int i = 0; i < f.rowCount(); ++i)
            QVERIFY(f.list()->viewport()->rect().contains(
                    f.list()->visualItemRect(f.list()->item(i))));

        auto *login = f.child<LoginDialog>("loginDialog");
        login->show();
        login->showPasswordError();
        keep(login, "login", dark, false);
        login->hide();
        auto *edit = f.child<EditDeviceDialog>("editDeviceDialog");
        edit->editDevice(2);
        keep(edit, "edit-device", dark, false);
        edit->reject();
        // The connection time-out box as it opens.
        QMessageBox *box = f.panel->connectTimeoutBox();
        box->show();
        keep(box, "timeout", dark);
        box->hide();

        DeviceListDialog list;
        list.connectModel(f.model.get());
        list.resize(1280, 260);
        list.show();
        keep(&list, "device-list", dark);
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<DevicePanelScreenshotTest>(argc, argv);
}

#include "DevicePanelScreenshotTest.moc"
