#include "app/Startup.h"
#include "AppTestEnvironment.h"
#include "app/DeviceVersionSelectionDialog.h"
#include "app/MainWindow.h"
#include "app/SplashScreen.h"
#include "settings/SystemSettings.h"
#include "model/DataModel.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QTextCodec>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Watches the start-up from outside, as a user would: which windows appear, what the splash
// looks like, and in which state the main window is shown. It answers the device version
// question through a hook; once the event loop runs it calls the main window hook and ends the
// loop with exitCode.
class StartupObserver : public QObject
{
public:
    std::function<void(DeviceVersionSelectionDialog *)> answerVersionQuestion;
    std::function<void(MainWindow *)> onMainWindowShown = [](MainWindow *) {};
    int exitCode = 0;
    bool cursorRestoredInLoop = false;

    int splashShows = 0;
    QImage splashPlate;
    bool splashHiddenDuringQuestion = false;
    int versionQuestions = 0;
    int mainWindowShows = 0;
    int progressAtMainWindow = -1;
    SystemSettings::ChannelMasks masksAtMainWindow;
    QString titleAtMainWindow;
    QSize sizeAtMainWindow;

    StartupObserver() { qApp->installEventFilter(this); }
    ~StartupObserver() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto *splash = qobject_cast<SplashScreen *>(watched)) {
            ++splashShows;
            splashPlate = splash->pixmap().toImage();
        } else if (auto *dialog = qobject_cast<DeviceVersionSelectionDialog *>(watched)) {
            ++versionQuestions;
            splashHiddenDuringQuestion =
                    SplashScreen::instance() && !SplashScreen::instance()->isVisible();
            QTimer::singleShot(0, dialog, [this, dialog] { answerVersionQuestion(dialog); });
        } else if (auto *window = qobject_cast<MainWindow *>(watched)) {
            ++mainWindowShows;
            progressAtMainWindow =
                    SplashScreen::instance() ? SplashScreen::instance()->progress() : -1;
            masksAtMainWindow = window->channelMasks();
            titleAtMainWindow = window->windowTitle();
            sizeAtMainWindow = window->size();
            auto *loopWatch = new QTimer(window);
            connect(loopWatch, &QTimer::timeout, window, [this, window, loopWatch] {
                if (QThread::currentThread()->loopLevel() == 0)
                    return; // still starting up
                loopWatch->stop();
                cursorRestoredInLoop = !QApplication::overrideCursor();
                onMainWindowShown(window);
                QCoreApplication::exit(exitCode);
            });
            loopWatch->start(10);
        }
        return false;
    }
};

void click(QWidget *dialog, const char *buttonName)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(buttonName));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The application style itself, without the sheet's "outline: none", draws no focus frame.
bool focusFramesAreInvisible()
{
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(QString());
    QWidget widget;
    QImage blank(40, 24, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    QImage image = blank;
    QPainter painter(&image);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    option.rect = image.rect().adjusted(2, 2, -2, -2);
    QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
    painter.end();
    qApp->setStyleSheet(sheet);
    return image == blank;
}

} // namespace

// The start-up sequence driven whole: settings, splash, device model, main window, the device
// version question at start, the event loop and the teardown.
class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(settingsPath()); }

    void cleanup()
    {
        // Teardown leaves nothing behind, whichever way the start-up ended.
        QVERIFY(!MainWindow::instance());
        QVERIFY(!DataModel::instance());
        QVERIFY(!SplashScreen::instance());
        QVERIFY(!SystemSettings::instance());
        QVERIFY(!QApplication::overrideCursor());
    }

    void cancelledVersionQuestionEndsWithoutMainWindow()
    {
        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=1\n"
                          "[DeviceVersionSelection]\nCurrent=1\n"
                          "ShowAtStartup=true\n");
        StartupObserver observer;
        observer.answerVersionQuestion = [](DeviceVersionSelectionDialog *dialog) {
            dialog->selectVersion(2);
            click(dialog, "cancelButton");
        };
        // Should the loop run after all, it ends with a code the test would notice.
        observer.exitCode = 42;

        QCOMPARE(Startup::run(), 0);
        QCOMPARE(observer.versionQuestions, 1);
        QVERIFY(observer.splashHiddenDuringQuestion);
        QCOMPARE(observer.mainWindowShows, 0);
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), 1);
    }

    void acceptedVersionQuestionAppliesTheChoice()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\nDT=1\n");
        StartupObserver observer;
        observer.answerVersionQuestion = [](DeviceVersionSelectionDialog *dialog) {
            dialog->selectVersion(3);
            dialog->findChild<QCheckBox *>()->setChecked(false);
            click(dialog, "okButton");
        };
        observer.exitCode = 5;

        QCOMPARE(Startup::run(), 5);
        QCOMPARE(observer.versionQuestions, 1);
        QCOMPARE(observer.mainWindowShows, 1);
        QCOMPARE(observer.masksAtMainWindow.input, 0x300u);
        QCOMPARE(observer.masksAtMainWindow.output, 0x300u);
        QCOMPARE(observer.masksAtMainWindow.danteInput, 0xF0u);
        QCOMPARE(observer.masksAtMainWindow.danteOutput, 0xF0u);
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), 3);
        QCOMPARE(storedValue("DeviceVersionSelection/ShowAtStartup").toBool(), false);
    }

    void noQuestion_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("boot mode 0")
                << QByteArray("[DeviceVersionSelection]\nShowAtStartup=true\n");
        QTest::newRow("not shown at startup")
                << QByteArray("[UIBootMode]\nCurrent=2\n"
                              "[DeviceVersionSelection]\nShowAtStartup=false\n");
    }

    void noQuestion()
    {
        QFETCH(QByteArray, file);
        writeSettingsFile(settingsPath(), file);
        StartupObserver observer;
        observer.answerVersionQuestion = [](DeviceVersionSelectionDialog *dialog) {
            dialog->reject();
        };
        observer.exitCode = 3;

        QCOMPARE(Startup::run(), 3);
        QCOMPARE(observer.versionQuestions, 0);
        QCOMPARE(observer.splashShows, 1);
        QCOMPARE(observer.mainWindowShows, 1);
        QCOMPARE(observer.progressAtMainWindow, 99);
        QCOMPARE(observer.titleAtMainWindow, QStringLiteral("Digital Audio Processor"));
        QVERIFY(observer.cursorRestoredInLoop);

        // What the start-up set up for the whole program.
        QCOMPARE(QApplication::font().family(), QStringLiteral("Arial"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QVERIFY(focusFramesAreInvisible());
#ifndef Q_OS_WIN
        // File names keep the system's encoding: a Chinese preset name survives as a file.
        QVERIFY(QTextCodec::codecForLocale()->name() != QByteArray("GBK"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("预设.pst"));
        QFile exported(path);
        QVERIFY(exported.open(QIODevice::WriteOnly));
        exported.close();
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).contains(QStringLiteral("预设.pst")));
#endif
    }

    void splashColourFollowsTheAppearance_data()
    {
        QTest::addColumn<QByteArray>("appearance");
        QTest::addColumn<QColor>("colour");
        // The splash follows what is shown, not the stored choice.
        QTest::newRow("light only, config 1")
                << QByteArray("Support=1\nConfig=1\n") << QColor(0xEC, 0xEC, 0xEC);
        QTest::newRow("dark only, config 0")
                << QByteArray("Support=2\nConfig=0\n") << QColor(0x30, 0x31, 0x33);
    }

    void splashColourFollowsTheAppearance()
    {
        QFETCH(QByteArray, appearance);
        QFETCH(QColor, colour);
        writeSettingsFile(settingsPath(), "[Appearance]\n" + appearance);
        StartupObserver observer;
        QCOMPARE(Startup::run(), 0);
        QCOMPARE(observer.splashShows, 1);
        QCOMPARE(observer.splashPlate.size(), QSize(400, 100));
        QCOMPARE(observer.splashPlate.pixelColor(200, 50), colour);
        QCOMPARE(observer.splashPlate.pixelColor(4, 50), colour);
        // Rounded: the very corners are cut away.
        for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 99), QPoint(399, 99)})
            QCOMPARE(observer.splashPlate.pixelColor(corner).alpha(), 0);
    }

    void mainWindowGeometryOutlivesTheRun()
    {
        StartupObserver observer;
        observer.onMainWindowShown = [](MainWindow *window) { window->resize(1500, 900); };
        QCOMPARE(Startup::run(), 0);
        QVERIFY(!SystemSettings::loadGeometry(QStringLiteral("MainGeometry")).isEmpty());

        observer.onMainWindowShown = [](MainWindow *) {};
        QCOMPARE(Startup::run(), 0);
        QCOMPARE(observer.sizeAtMainWindow, QSize(1500, 900));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<StartupTest>(argc, argv);
}

#include "StartupTest.moc"
