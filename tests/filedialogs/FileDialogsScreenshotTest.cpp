#include "app/AppTestEnvironment.h"
#include "model/LoopbackDevice.h"
#include "widgets/Screenshots.h"

#include "filedialogs/LabelDialog.h"
#include "filedialogs/PresetDialog.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/ProgressDialog.h"
#include "widgets/Resources.h"

#include <QLineEdit>
#include <QTranslator>

// The preset and label dialogs (and the preset progress) as a user sees them, in both
// appearances and in English and Simplified Chinese: presets-light-en.png and so on in the
// test's folder.
class FileDialogsScreenshotTest : public QObject
{
    Q_OBJECT

    LoopbackDevice m_device;
    std::unique_ptr<SystemSettings> m_settings;

    DataModel &model() { return *m_device.model; }

    void fillModel()
    {
        PresetTable &presets = model().mirror().presets;
        const char *names[] = {"Default",      "Lecture", "Conference",      "",
                               "Concert Hall", "",        "Sixteen bytes ok"};
        for (int i = 0; i < 7; ++i) {
            presets.names[size_t(i)] = QString::fromLatin1(names[i]);
            presets.used[size_t(i)] = names[i][0] ? 1 : 0;
        }
        presets.names[9] = QString::fromUtf8("报告厅");
        presets.used[9] = 1;
        presets.current = 2;
        for (int ch = 0; ch < 16; ++ch) {
            model().input(ch).label = QStringLiteral("Mic %1").arg(ch + 1);
            model().output(ch).label = QStringLiteral("Zone %1").arg(ch + 1);
            model().input(ch).shortLabel = QStringLiteral("M%1").arg(ch + 1);
        }
        model().input(2).label = QString::fromUtf8("主席话筒");
        model().output(0).label = QStringLiteral("Sixteen bytes ok");
        model().deviceInfo().danteConnected = 1;
        model().setDanteChannelNames(0xF0, 0xF0);
    }

    void shoot(bool dark, bool chinese)
    {
        Screenshots::applyAppearance(dark);
        QTranslator translator;
        if (chinese) {
            QVERIFY(translator.load(QStringLiteral(":/translation/chs.qm")));
            QCoreApplication::installTranslator(&translator);
        }
        const QString suffix = QStringLiteral("-%1-%2.png")
                                       .arg(dark ? QStringLiteral("dark") : QStringLiteral("light"),
                                            chinese ? QStringLiteral("zh") : QStringLiteral("en"));
        PresetDialog presets(&model(), m_settings.get());
        presets.show();
        QVERIFY(QTest::qWaitForWindowExposed(&presets));
        QCoreApplication::processEvents();
        Screenshots::keepAndCheck(presets.grab().toImage(), "presets" + suffix, 40);

        // The progress of an export of all slots, half-way.
        presets.tcpSyncToUI(3, 32, 9, 0, 255, {});
        presets.tcpSyncToUI(3, 32, 9, 50, 255, {});
        ProgressDialog *progress = presets.progressDialog();
        QVERIFY(progress->isVisible());
        QCoreApplication::processEvents();
        Screenshots::keepAndCheck(progress->grab().toImage(), "preset-progress" + suffix, 10);
        presets.hide();

        LabelDialog labels(&model(), m_settings.get());
        labels.applyChannelConfig(0x100, 0x100, 0xF0, 0xF0);
        labels.show();
        QVERIFY(QTest::qWaitForWindowExposed(&labels));
        QCoreApplication::processEvents();
        Screenshots::keepAndCheck(labels.grab().toImage(), "labels" + suffix, 40);
        // Nothing is cut off: every group shows its 16 rows at the window's size.
        for (QWidget *w : labels.findChildren<QLineEdit *>(QStringLiteral("15")))
            QVERIFY(w->isVisible() && w->visibleRegion().boundingRect().height() == w->height());
        QCoreApplication::removeTranslator(&translator);
    }

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
        QVERIFY(m_device.connect());
        m_settings = std::make_unique<SystemSettings>();
        fillModel();
    }

    void cleanupTestCase() { Screenshots::resetAppearance(); }

    void dialogs_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("light, English") << false << false;
        QTest::newRow("dark, English") << true << false;
        QTest::newRow("light, Chinese") << false << true;
        QTest::newRow("dark, Chinese") << true << true;
    }
    void dialogs()
    {
        QFETCH(bool, dark);
        QFETCH(bool, chinese);
        shoot(dark, chinese);
    }
};

int main(int argc, char *argv[])
{
    (void)Screenshots::pictureDirectory(); // the test's folder, before the environment moves
    return runAppTest<FileDialogsScreenshotTest>(argc, argv);
}

#include "FileDialogsScreenshotTest.moc"
