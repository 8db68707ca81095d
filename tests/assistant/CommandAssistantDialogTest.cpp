// The command assistant driven as a user drives it: every page's frame text, the edge cases of
// gains and passwords, the same frames from vexatarn-cli, the channel lists following the
// configuration, and copying.
#include "assistant/CommandAssistantDialog.h"
#include "model/DataModel.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/Resources.h"
#include "widgets/Screenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

QString frameFromTool(const QStringList &arguments)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(CLI_PROGRAM), QStringList {QStringLiteral("frame")} + arguments);
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        return QStringLiteral("exit %1: %2")
                .arg(tool.exitCode())
                .arg(QString::fromUtf8(tool.readAllStandardError()));
    return QString::fromUtf8(tool.readAllStandardOutput()).chopped(1);
}

} // namespace

class CommandAssistantDialogTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<CommandAssistantDialog> m_dialog;

    template<typename T> T *find(const QString &page, const QString &name)
    {
        auto *p = m_dialog->findChild<QWidget *>(page);
        return p ? p->findChild<T *>(name) : nullptr;
    }

    void showPage(int index)
    {
        QTest::mouseClick(
                m_dialog->findChild<QPushButton *>(QStringLiteral("pageButton%1").arg(index)),
                Qt::LeftButton);
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        m_model = std::make_unique<DataModel>(
                testLinkSettings(), testLinkEnvironment(m_clock, QStringLiteral(":memory:")));
        m_dialog = std::make_unique<CommandAssistantDialog>(m_model.get(), 2698);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void cleanup()
    {
        m_dialog.reset();
        m_model.reset();
    }

    void theWindowAsGiven()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Command Assistant"));
        QVERIFY(m_dialog->minimumWidth() >= 600);
        QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("infoLabel"))->text(),
                 QStringLiteral("RS232 Baud Rate : 115200 (Default)\nTCP Port : 2698"));
        QStringList names;
        QStringList positions;
        for (int i = 0; i < 5; ++i) {
            auto *b = m_dialog->findChild<QPushButton *>(QStringLiteral("pageButton%1").arg(i));
            names << b->text();
            positions << b->property("horizontalButtonPosition").toString();
        }
        QCOMPARE(names,
                 QStringList({"Login", "Level Pre Mix", "Out Level", "Preset", "System Mute"}));
        QCOMPARE(positions, QStringList({"first", "middle", "middle", "middle", "last"}));
        QVERIFY(m_dialog->findChild<QPushButton *>(QStringLiteral("pageButton0"))->isChecked());
        auto *gain = find<QDoubleSpinBox>("inputPage", "gainSpinBox");
        QCOMPARE(gain->minimum(), -56.0);
        QCOMPARE(gain->maximum(), 12.0);
        QCOMPARE(gain->decimals(), 1);
        QCOMPARE(gain->suffix(), QStringLiteral(" dB"));
        showPage(3);
        QVERIFY(m_dialog->findChild<QWidget *>(QStringLiteral("presetPage"))->isVisible());
        QVERIFY(!m_dialog->findChild<QWidget *>(QStringLiteral("loginPage"))->isVisible());
    }

    void framesOfEveryPage_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("tool");
        QTest::addColumn<QString>("frame");
        QTest::newRow("empty password") << "login" << 0 << "" << QStringList {"login", ""}
                                        << "82 7D 01 00 02 01 01 01 00 00 7D 82";
        QTest::newRow("password trimmed")
                << "login" << 0 << "  pw " << QStringList {"login", "  pw "}
                << "82 7D 01 00 02 01 01 01 02 00 70 77 7D 82";
        QTest::newRow("double-byte password") << "login" << 0 << QString::fromUtf8("中文")
                                              << QStringList {"login", QString::fromUtf8("中文")}
                                              << "82 7D 01 00 02 01 01 01 04 00 D6 D0 CE C4 7D 82";
        QTest::newRow("input gain -56.0 is silence")
                << "in-gain" << 0 << "-56.0" << QStringList {"in-gain", "1", "-56"}
                << "82 7D 01 00 03 07 02 01 05 00 00 00 00 C8 C2 7D 82";
        QTest::newRow("input gain -55.9 as shown")
                << "in-gain" << 4 << "-55.9" << QStringList {"in-gain", "5", "-55.9"}
                << "82 7D 01 00 03 07 02 01 05 00 04 9A 99 5F C2 7D 82";
        QTest::newRow("input step")
                << "in-step" << 1 << "-10.5" << QStringList {"in-step", "2", "-10.5"}
                << "82 7D 01 00 03 07 05 01 05 00 01 00 00 28 C1 7D 82";
        QTest::newRow("input mute on")
                << "in-mute" << 2 << "on" << QStringList {"in-mute", "3", "on"}
                << "82 7D 01 00 03 07 01 01 02 00 02 01 7D 82";
        QTest::newRow("output 17 mute on")
                << "out-mute" << 16 << "on" << QStringList {"out-mute", "17", "on"}
                << "82 7D 01 00 03 0B 02 01 02 00 10 01 7D 82";
        QTest::newRow("output gain -56.0 stays silence at the minimum")
                << "out-gain" << 1 << "-56.0" << QStringList {"out-gain", "2", "-56.0"}
                << "82 7D 01 00 03 0B 03 01 05 00 01 00 00 C8 C2 7D 82";
        QTest::newRow("output step 1.0")
                << "out-step" << 0 << "1.0" << QStringList {"out-step", "1", "1"}
                << "82 7D 01 00 03 0B 06 01 05 00 00 00 00 80 3F 7D 82";
        QTest::newRow("preset 5") << "preset" << 4 << "" << QStringList {"preset-load", "5"}
                                  << "82 7D 01 00 03 20 03 01 01 00 04 7D 82";
        QTest::newRow("system mute on")
                << "system-mute" << 0 << "on" << QStringList {"system-mute", "on"}
                << "82 7D 01 00 02 02 10 01 01 00 01 7D 82";
        QTest::newRow("system mute off")
                << "system-mute" << 0 << "off" << QStringList {"system-mute", "off"}
                << "82 7D 01 00 02 02 10 01 01 00 00 7D 82";
    }
    void framesOfEveryPage()
    {
        QFETCH(QString, action);
        QFETCH(int, channel);
        QFETCH(QString, value);
        QFETCH(QStringList, tool);
        QFETCH(QString, frame);
        if (action == QLatin1String("login")) {
            auto *edit = find<QLineEdit>("loginPage", "passwordEdit");
            edit->setText(value);
            // Return in the password field generates like the button does.
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (action == QLatin1String("preset")) {
            showPage(3);
            find<QComboBox>("presetPage", "slotComboBox")->setCurrentIndex(channel);
            QCOMPARE(find<QComboBox>("presetPage", "slotComboBox")->currentText(),
                     QStringLiteral(" %1").arg(channel + 1));
            QTest::mouseClick(find<QPushButton>("presetPage", "generateButton"), Qt::LeftButton);
        } else if (action == QLatin1String("system-mute")) {
            showPage(4);
            find<QPushButton>("systemMutePage", "muteButton")->setChecked(value == "on");
            QTest::mouseClick(find<QPushButton>("systemMutePage", "generateButton"),
                              Qt::LeftButton);
        } else {
            const QString page = action.startsWith("in") ? "inputPage" : "outputPage";
            showPage(action.startsWith("in") ? 1 : 2);
            auto *channels = find<QComboBox>(page, "channelComboBox");
            channels->setCurrentIndex(channels->findData(channel));
            if (action.endsWith("mute")) {
                find<QPushButton>(page, "muteButton")->setChecked(value == "on");
                QTest::mouseClick(find<QPushButton>(page, "0"), Qt::LeftButton);
            } else {
                // Typed and confirmed with Enter, which presses the group's own button.
                auto *spin = find<QDoubleSpinBox>(
                        page, action.endsWith("gain") ? "gainSpinBox" : "stepSpinBox");
                spin->selectAll();
                QTest::keyClicks(spin, value);
                QTest::keyClick(spin, Qt::Key_Enter);
            }
        }
        QCOMPARE(m_dialog->commandText(), frame);
        QCOMPARE(frameFromTool(tool), frame);
    }

    void channelListsFollowTheConfiguration()
    {
        auto *inputs = find<QComboBox>("inputPage", "channelComboBox");
        auto *outputs = find<QComboBox>("outputPage", "channelComboBox");
        QCOMPARE(inputs->count(), 17);
        QCOMPARE(inputs->itemText(16), QStringLiteral("IN 17"));
        QCOMPARE(outputs->itemText(0), QStringLiteral("OUT 1"));

        m_model->input(9).label = QStringLiteral("Podium");
        // 12x12+Dante4x4 without the USB channel: inputs 13..16 Dante, input 17 hidden.
        m_dialog->applyChannelConfig(0x100, 0x1F0, 0x0F0, 0x0F0);
        QCOMPARE(inputs->count(), 16);
        QCOMPARE(inputs->itemText(7), QStringLiteral("IN 8"));
        QCOMPARE(inputs->itemText(9), QStringLiteral("Podium"));
        QCOMPARE(inputs->itemData(9).toInt(), 9);
        QVERIFY(inputs->itemIcon(9).isNull());
        QVERIFY(!inputs->itemIcon(12).isNull());
        QCOMPARE(inputs->itemText(12), m_model->input(12).defaultName);
        QCOMPARE(outputs->count(), 12);
        QCOMPARE(outputs->itemData(11).toInt(), 11);

        // The command carries the item's channel, not its row.
        showPage(2);
        outputs->setCurrentIndex(11);
        find<QPushButton>("outputPage", "muteButton")->setChecked(true);
        QTest::mouseClick(find<QPushButton>("outputPage", "0"), Qt::LeftButton);
        QCOMPARE(m_dialog->commandText(),
                 QStringLiteral("82 7D 01 00 03 0B 02 01 02 00 0B 01 7D 82"));
    }

    // Every page in both appearances, with a frame in the command field, each group whole.
    void screenshotsOfEveryPage()
    {
        for (const bool dark : {false, true}) {
            Screenshots::applyAppearance(dark);
            // Built under the appearance, as the program builds it.
            m_dialog = std::make_unique<CommandAssistantDialog>(m_model.get(), 2698);
            m_dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
            for (int page = 0; page < 5; ++page) {
                showPage(page);
                const QList<QPushButton *> generate =
                        m_dialog->findChildren<QPushButton *>(QStringLiteral("generateButton"))
                        + m_dialog->findChildren<QPushButton *>(QStringLiteral("0"));
                for (QPushButton *b : generate)
                    if (b->isVisible())
                        b->click();
                QApplication::processEvents();
                Screenshots::keepAndCheck(m_dialog->grab().toImage(),
                                          QStringLiteral("assistant-%1-%2.png")
                                                  .arg(page)
                                                  .arg(dark ? "dark" : "light"),
                                          4);
                for (QWidget *w : m_dialog->findChildren<QWidget *>()) {
                    if (!w->isVisible() || !qobject_cast<QAbstractButton *>(w))
                        continue;
                    const int least = w->objectName() == QLatin1String("copyButton") ? 60 : 70;
                    QVERIFY2(w->width() >= qMax(least, w->sizeHint().width()) && w->height() >= 25,
                             qPrintable(w->objectName() + ": "
                                        + static_cast<QAbstractButton *>(w)->text()));
                }
            }
        }
        Screenshots::resetAppearance();
    }

    void copyPutsTheWholeTextOnTheClipboard()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("something else"));
        auto *copy = m_dialog->findChild<QPushButton *>(QStringLiteral("copyButton"));
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(clipboard->text(), QString());
        showPage(4);
        QTest::mouseClick(find<QPushButton>("systemMutePage", "generateButton"), Qt::LeftButton);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("82 7D 01 00 02 02 10 01 01 00 00 7D 82"));
    }
};

QTEST_MAIN(CommandAssistantDialogTest)
#include "CommandAssistantDialogTest.moc"
