#include "widgets/ChannelCopyDialog.h"
#include "widgets/ProgressDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

class SharedDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void channelCopyYieldsMasksOfTheTickedChannels()
    {
        const QList<ChannelCopyDialog::Channel> inputs {{0, "IN 1"}, {3, "IN 4"}, {17, "USB 2"}};
        const QList<ChannelCopyDialog::Channel> outputs {{1, "OUT 2"}};
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &dialog) {
            dialog.inputBoxes().at(1)->setChecked(true);
            dialog.inputBoxes().at(2)->setChecked(true);
            dialog.outputBoxes().at(0)->setChecked(true);
            return std::optional<ChannelCopyDialog::Selection>(dialog.selection());
        });
        const auto chosen = ChannelCopyDialog::choose(nullptr, "Filter Copy", inputs, outputs);
        ChannelCopyDialog::setResponder({});
        QVERIFY(chosen);
        QCOMPARE(chosen->inputs, (1u << 3) | (1u << 17));
        QCOMPARE(chosen->outputs, 1u << 1);

        // The AGC copies to inputs only: no output group at all.
        ChannelCopyDialog inputsOnly("AGC Copy", inputs, {});
        QCOMPARE(inputsOnly.findChildren<QGroupBox *>().size(), 1);
        QCOMPARE(inputsOnly.selection().outputs, 0u);
        QCOMPARE(ChannelCopyDialog::titleFor("Limiter Copy", "IN 2"),
                 QString("Limiter Copy - Copy IN 2 to"));
    }

    void progressKeepsCancelAtTheBottomRight()
    {
        ProgressDialog dialog;
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.findChild<QProgressBar *>()->isTextVisible());
        QCOMPARE(dialog.cancelButton()->text(), QString("Cancel"));
        dialog.resize(400, 120);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.resize(500, 160);
        const QRect button = dialog.cancelButton()->geometry();
        QVERIFY(button.width() >= 60);
        QCOMPARE(dialog.width() - button.right() - 1, 8);
        QCOMPARE(dialog.height() - button.bottom() - 1, 8);
    }
};

QTEST_MAIN(SharedDialogsTest)
#include "SharedDialogsTest.moc"
