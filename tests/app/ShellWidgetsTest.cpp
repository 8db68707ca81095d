#include "AppTestEnvironment.h"
#include "app/DeviceVersionSelectionDialog.h"
#include "widgets/Dialog.h"
#include "app/SplashScreen.h"
#include "app/Appearance.h"
#include "settings/SystemSettings.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A dialog as the application builds them: an edit, OK (accepts) and Cancel.
struct SampleDialog
{
    Dialog dialog;
    QLineEdit *edit = new QLineEdit(&dialog);
    QPushButton *okButton = new QPushButton(QStringLiteral("OK"), &dialog);
    QPushButton *cancelButton = new QPushButton(QStringLiteral("Cancel"), &dialog);

    SampleDialog()
    {
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(okButton);
        layout->addWidget(cancelButton);
        QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
        okButton->setAutoDefault(true);
        okButton->setDefault(true);
    }
};

} // namespace

// The dialog base, the device version dialog and the splash screen.
class ShellWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(settingsPath()); }

    // Enter never closes a dialog, neither from an edit nor on a focused button; Escape still
    // cancels.
    void dialogTakesNoEnter()
    {
        SampleDialog sample;
        QSignalSpy finished(&sample.dialog, &QDialog::finished);
        QSignalSpy clicked(sample.okButton, &QPushButton::clicked);
        sample.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sample.dialog));
        QVERIFY(!sample.okButton->autoDefault());
        QVERIFY(!sample.cancelButton->autoDefault());

        sample.edit->setFocus();
        QTest::keyClick(sample.edit, Qt::Key_Return);
        QTest::keyClick(sample.edit, Qt::Key_Enter);
        sample.okButton->setFocus();
        QTest::keyClick(sample.okButton, Qt::Key_Return);
        QVERIFY(sample.dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QTest::keyClick(sample.edit, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(sample.dialog.result(), int(QDialog::Rejected));

        // A button added while the dialog was hidden is cleared at the next show.
        auto *later = new QPushButton(QStringLiteral("Later"), &sample.dialog);
        sample.dialog.layout()->addWidget(later);
        later->setAutoDefault(true);
        sample.okButton->setAutoDefault(true);
        sample.dialog.show();
        QVERIFY(!later->autoDefault());
        QVERIFY(!sample.okButton->autoDefault());
    }

    void versionDialogShowsTheStoredChoice()
    {
        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=1\nDT=1\n"
                          "[DeviceVersionSelection]\nCurrent=3\n"
                          "ShowAtStartup=false\n");
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        DeviceVersionSelectionDialog dialog(&settings);
        dialog.show();
        auto *table = dialog.findChild<QTableWidget *>();
        auto *box = dialog.findChild<QCheckBox *>();
        QVERIFY(table && box);

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Device Version Selection"));
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("USB Rec/Play"));
        const QStringList row3 {QStringLiteral("12x12+Dante4x4"),
                                QStringLiteral("12CH"),
                                QStringLiteral("12CH"),
                                QStringLiteral("4CH"),
                                QStringLiteral("4CH"),
                                QStringLiteral("√")};
        for (int column = 0; column < 6; ++column)
            QCOMPARE(table->item(3, column)->text(), row3[column]);
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("8CH"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("-"));
        QCOMPARE(dialog.selectedVersion(), 3);
        QCOMPARE(box->text(), QStringLiteral("Show at startup"));
        QVERIFY(!box->isChecked());
    }

    // Shown again after a cancel, it shows what is stored, not what was clicked before.
    void versionDialogCancelKeepsTheStoredChoice()
    {
        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=1\n[DeviceVersionSelection]\nCurrent=1\n");
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        DeviceVersionSelectionDialog dialog(&settings);
        dialog.show();
        dialog.selectVersion(2);
        dialog.findChild<QCheckBox *>()->setChecked(false);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings.deviceVersion(), 1);
        QVERIFY(settings.showAtStartup());

        dialog.show();
        QCOMPARE(dialog.selectedVersion(), 1);
        QVERIFY(dialog.findChild<QCheckBox *>()->isChecked());
    }

    void versionDialogDoubleClickChoosesTheRow()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\n");
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        DeviceVersionSelectionDialog dialog(&settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *table = dialog.findChild<QTableWidget *>();

        // While a logged-in device dictates the version, the table takes no choice.
        dialog.setTableEnabled(false);
        const QRect locked = table->visualItemRect(table->item(2, 0));
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, locked.center());
        QVERIFY(dialog.isVisible());
        QCOMPARE(settings.deviceVersion(), 0);

        dialog.setTableEnabled(true);
        const QRect cell = table->visualItemRect(table->item(2, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.deviceVersion(), 2);
    }

    void splashLayout()
    {
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        SplashScreen splash(SplashScreen::plate(false), settings.title());
        QCOMPARE(SplashScreen::instance(), &splash);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));

        auto *bar = splash.findChild<QProgressBar *>();
        QVERIFY(bar);
        QCOMPARE(bar->size(), QSize(400 - 16, 8));
        QVERIFY(!bar->isTextVisible());

        QStringList texts;
        const auto labels = splash.findChildren<QLabel *>();
        for (QLabel *label : labels)
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Digital Audio Processor")));
        QVERIFY(texts.contains(QStringLiteral("Loading...")));
        QVERIFY(texts.contains(QStringLiteral("App Version : 1.2.9")));

        // Title, loading line and bar from the top; the version at the bottom right.
        QLabel *title = labels.value(texts.indexOf(QStringLiteral("Digital Audio Processor")));
        QLabel *version = labels.value(texts.indexOf(QStringLiteral("App Version : 1.2.9")));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSize(), 10);
        QVERIFY(title->geometry().bottom() < bar->geometry().top());
        QVERIFY(bar->geometry().bottom() < version->geometry().top());
        QVERIFY(version->alignment() & Qt::AlignRight);

        SplashScreen::reportProgress(42);
        QCOMPARE(splash.progress(), 42);
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<ShellWidgetsTest>(argc, argv);
}

#include "ShellWidgetsTest.moc"
