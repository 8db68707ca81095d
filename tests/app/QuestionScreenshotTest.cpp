#include "AppTestEnvironment.h"
#include "app/Appearance.h"
#include "app/MainWindow.h"
#include "model/LoopbackDevice.h"
#include "model/MessageCatalogue.h"
#include "panel/DeviceWidget.h"
#include "settings/SystemSettings.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// What a box shows that does not fit: the text cut off below or at the side, a button whose
// text is cut, anything outside the box. Empty when all of it can be read.
QStringList cutOff(QMessageBox *box)
{
    QStringList faults;
    const QRect inside = box->rect();
    const auto within = [box, &inside](const QWidget *part) {
        return inside.contains(QRect(part->mapTo(box, QPoint(0, 0)), part->size()));
    };
    const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !label->isVisible()) {
        faults << QStringLiteral("no text");
    } else {
        const int needed = label->hasHeightForWidth() ? label->heightForWidth(label->width())
                                                      : label->sizeHint().height();
        if (needed > label->height())
            faults << QStringLiteral("text needs %1 px in height, has %2 (width %3)")
                              .arg(needed)
                              .arg(label->height())
                              .arg(label->width());
        if (!label->wordWrap() && label->sizeHint().width() > label->width())
            faults << QStringLiteral("text needs %1 px in width, has %2")
                              .arg(label->sizeHint().width())
                              .arg(label->width());
        if (!within(label))
            faults << QStringLiteral("text outside the box");
    }
    const QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    for (const QPushButton *button : buttons) {
        if (!button->isVisible())
            continue;
        if (button->sizeHint().width() > button->width())
            faults << QStringLiteral("button \"%1\" needs %2 px, has %3")
                              .arg(button->text())
                              .arg(button->sizeHint().width())
                              .arg(button->width());
        if (!within(button))
            faults << QStringLiteral("button \"%1\" outside the box").arg(button->text());
    }
    return faults;
}

} // namespace

// Every question and message box of the program as a user sees it, in the three languages and
// both appearances: the whole text and every whole button text are on screen. The pictures stay
// in the test's folder (question-<box>-<language>-<appearance>.png).
class QuestionScreenshotTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SystemSettings> m_settings;
    std::unique_ptr<Appearance> m_appearance;
    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<MainWindow> m_window;
    QString m_suffix;
    QStringList m_seen;

    // Shows the box as it opens, keeps its picture, and records what does not fit.
    void look(QMessageBox *box, const QString &name)
    {
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QCoreApplication::processEvents();
        const QImage image = box->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(QStringLiteral("%1/question-%2-%3.png")
                                   .arg(AppTestEnvironment::startDirectory(), name, m_suffix)));
        const QStringList faults = cutOff(box);
        QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(": ") + faults.join("; ")));
        m_seen << name;
        box->hide();
    }

    // Answers every question by showing the very box the program would show, then backs out.
    void answerByLooking(const QString &name)
    {
        MessageBox::setResponder([this, name](const MessageBox::Request &request) {
            const std::unique_ptr<QMessageBox> box = MessageBox::create(m_window.get(), request);
            // A second question of the same kind gets a number.
            const int earlier = int(m_seen.filter(name).size());
            look(box.get(), earlier ? QStringLiteral("%1-%2").arg(name).arg(earlier + 1) : name);
            return int(request.buttons.size()) - 1;
        });
    }

    QAction *entry(const char *name) const
    {
        return m_window->menuBar()->findChild<QAction *>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9)); // as the program starts
        writeSettingsFile(settingsPath(), "[Language]\nSupport=7\n[Appearance]\nSupport=3\n");
        m_settings = std::make_unique<SystemSettings>();
        m_appearance = std::make_unique<Appearance>(m_settings.get());
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        m_window = std::make_unique<MainWindow>(m_settings.get(), m_device->model.get());
        m_window->applyDeviceVersion();
        m_window->resize(1280, 800);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        MessageBox::setResponder({});
        m_window.reset();
        m_device.reset();
        m_appearance.reset();
        qApp->setStyleSheet(QString());
    }

    void everyBoxShowsItsWholeText_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("dark");
        const char *languages[] = {"chs", "cht", "en"};
        for (int language : {2, 0, 1}) {
            for (int dark : {0, 1}) {
                QTest::addRow("%s-%s", languages[language], dark ? "dark" : "light")
                        << language << dark;
            }
        }
    }
    void everyBoxShowsItsWholeText()
    {
        QFETCH(int, language);
        QFETCH(int, dark);
        m_settings->setLanguage(language);
        m_settings->setAppearance(dark);
        QCoreApplication::processEvents(); // the language change reaches every window
        m_suffix = QString::fromLatin1(QTest::currentDataTag());
        m_seen.clear();

        // The questions, asked the way a user asks for them.
        answerByLooking(QStringLiteral("system-reset"));
        entry("systemResetAction")->trigger();
        answerByLooking(QStringLiteral("high-dpi"));
        const bool scaling = m_settings->highDpiScaling();
        const auto *menu = m_window->menuBar()->findChild<QMenu *>(QStringLiteral("highDpiMenu"));
        QVERIFY(menu);
        for (const QString &value : {QString::number(!scaling), QString::number(scaling)}) {
            for (QAction *choice : menu->actions()) {
                if (choice->objectName() == value)
                    choice->trigger();
            }
        }
        answerByLooking(QStringLiteral("disconnect"));
        auto *panel = m_window->findChild<DeviceWidget *>();
        QVERIFY(panel);
        auto *disconnect = panel->findChild<QToolButton *>(QStringLiteral("disconnectButton"));
        QVERIFY(disconnect && disconnect->isEnabled());
        disconnect->click();
        QCOMPARE(m_seen.size(), 4);

        // The boxes that stay open beside the window: a device fault with every part failing,
        // and the connection time-out.
        m_device->reply(Msg::SysFaultFlags, QByteArray(1, char(0x11)));
        m_device->reply(Msg::SysFaults, QByteArray(5, char(2)));
        auto *fault = m_window->findChild<QMessageBox *>(QStringLiteral("faultMessageBox"));
        QVERIFY(fault && fault->isVisible());
        look(fault, QStringLiteral("device-fault"));
        m_device->reply(Msg::SysFaultFlags, QByteArray(1, char(0)));
        m_device->reply(Msg::SysFaults, QByteArray(5, char(0)));
        look(panel->connectTimeoutBox(), QStringLiteral("connection-timeout"));
        QCOMPARE(m_seen.size(), 6);
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<QuestionScreenshotTest>(argc, argv);
}

#include "QuestionScreenshotTest.moc"
