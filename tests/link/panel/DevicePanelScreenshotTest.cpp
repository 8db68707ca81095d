#include "PanelTestSupport.h"

#include "link/panel/DeviceListDialog.h"
#include "link/panel/EditDeviceDialog.h"
#include "link/panel/LoginDialog.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSet>

// The panel as a user sees it, in both appearances: a logged-in selected device, an online one,
// one with a fault and an offline one. Writes panel-light.png and panel-dark.png (and the login
// dialog and device list) into the working directory, or into $VEXATARN_SCREENSHOT_DIR.
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

    static QString outputPath(const QString &name)
    {
        const QByteArray dir = qgetenv("VEXATARN_SCREENSHOT_DIR");
        return dir.isEmpty() ? name : QFile::decodeName(dir) + QLatin1Char('/') + name;
    }

    // Not blank: a real picture has many colours and no side of one colour only.
    static void checkPicture(const QImage &image)
    {
        QVERIFY(!image.isNull());
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY2(colours.size() > 40, qPrintable(QString::number(colours.size())));
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
        const QString suffix = dark ? QStringLiteral("dark") : QStringLiteral("light");

        const QImage panel = f.panel->grab().toImage();
        checkPicture(panel);
        QVERIFY(panel.save(outputPath(QStringLiteral("panel-%1.png").arg(suffix))));
        // Every row fully inside the list, none clipped.
        for (int i = 0; i < f.rowCount(); ++i)
            QVERIFY(f.list()->viewport()->rect().contains(
                    f.list()->visualItemRect(f.list()->item(i))));

        auto *login = f.child<LoginDialog>("loginDialog");
        login->show();
        login->showPasswordError();
        QCoreApplication::processEvents();
        const QImage loginImage = login->grab().toImage();
        login->hide();
        QVERIFY(loginImage.save(outputPath(QStringLiteral("login-%1.png").arg(suffix))));

        auto *edit = f.child<EditDeviceDialog>("editDeviceDialog");
        edit->editDevice(2);
        QCoreApplication::processEvents();
        const QImage editImage = edit->grab().toImage();
        edit->reject();
        QVERIFY(editImage.save(outputPath(QStringLiteral("edit-device-%1.png").arg(suffix))));

        // The connection time-out box as it opens.
        QMessageBox *box = f.panel->connectTimeoutBox();
        box->show();
        QCoreApplication::processEvents();
        const QImage boxImage = box->grab().toImage();
        box->hide();
        checkPicture(boxImage);
        QVERIFY(boxImage.save(outputPath(QStringLiteral("timeout-%1.png").arg(suffix))));

        DeviceListDialog list;
        list.connectModel(f.model.get());
        list.resize(1280, 260);
        list.show();
        QCoreApplication::processEvents();
        const QImage listImage = list.grab().toImage();
        checkPicture(listImage);
        QVERIFY(listImage.save(outputPath(QStringLiteral("device-list-%1.png").arg(suffix))));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<DevicePanelScreenshotTest>(argc, argv);
}

#include "DevicePanelScreenshotTest.moc"
