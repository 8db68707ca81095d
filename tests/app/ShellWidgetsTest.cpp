#include "AppTestEnvironment.h"
#include "app/DeviceVersionSelectionDialog.h"
#include "app/Dialog.h"
#include "app/SplashScreen.h"
#include "app/SystemSettings.h"

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

QString settingsPath()
{
    return QDir::current().absoluteFilePath(QStringLiteral("cfg.ini"));
}

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

// The dialog base, the focus-less style, the device version dialog and the splash screen.
class ShellWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(settingsPath()); }

    void dialogSwallowsEnterInAnEdit_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void dialogSwallowsEnterInAnEdit()
    {
        QFETCH(int, key);
        SampleDialog sample;
        QSignalSpy finished(&sample.dialog, &QDialog::finished);
        QSignalSpy clicked(sample.okButton, &QPushButton::clicked);
        sample.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sample.dialog));
        sample.edit->setFocus();

        QTest::keyClick(sample.edit, Qt::Key(key));
        QVERIFY(sample.dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(clicked.count(), 0);

        // Escape still cancels.
        QTest::keyClick(sample.edit, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(sample.dialog.result(), int(QDialog::Rejected));
    }

    void dialogClearsAutoDefaultOnEveryShow()
    {
        SampleDialog sample;
        QSignalSpy clicked(sample.okButton, &QPushButton::clicked);
        sample.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sample.dialog));
        QVERIFY(!sample.okButton->autoDefault());
        QVERIFY(!sample.cancelButton->autoDefault());

        // A focused button does not take Enter either.
        sample.okButton->setFocus();
        QTest::keyClick(sample.okButton, Qt::Key_Return);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(sample.dialog.isVisible());

        // A button added while the dialog was hidden is cleared at the next show.
        sample.dialog.hide();
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

    void versionDialogOkStoresRowAndBox()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\nDT=1\n");
        SystemSettings settings(settingsPath());
        DeviceVersionSelectionDialog dialog(&settings);
        dialog.show();
        dialog.selectVersion(4);
        dialog.findChild<QCheckBox *>()->setChecked(false);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("okButton")),
                          Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.deviceVersion(), 4);
        QVERIFY(!settings.showAtStartup());
        QCOMPARE(settings.inputMask(), 0x30Fu);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("DeviceVersionSelection/Current"))
                         .toInt(),
                 4);
    }

    void versionDialogCancelStoresNothing()
    {
        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=1\n"
                          "[DeviceVersionSelection]\nCurrent=1\n");
        SystemSettings settings(settingsPath());
        DeviceVersionSelectionDialog dialog(&settings);
        dialog.show();
        dialog.selectVersion(2);
        dialog.findChild<QCheckBox *>()->setChecked(false);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings.deviceVersion(), 1);
        QVERIFY(settings.showAtStartup());
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("DeviceVersionSelection/Current"))
                         .toInt(),
                 1);

        // Shown again, it shows what is stored, not what was clicked before the cancel.
        dialog.show();
        QCOMPARE(dialog.selectedVersion(), 1);
        QVERIFY(dialog.findChild<QCheckBox *>()->isChecked());
    }

    void versionDialogDoubleClickChoosesTheRow()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\n");
        SystemSettings settings(settingsPath());
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
        SplashScreen splash(SplashScreen::plate(false), settings.title());
        QCOMPARE(SplashScreen::instance(), &splash);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));

        auto *bar = splash.findChild<QProgressBar *>();
        QVERIFY(bar);
        QCOMPARE(bar->size(), QSize(400 - 16, 8));
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
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

    void splashPlate_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("light") << false << QColor(0xEC, 0xEC, 0xEC);
        QTest::newRow("dark") << true << QColor(0x30, 0x31, 0x33);
    }

    void splashPlate()
    {
        QFETCH(bool, dark);
        QFETCH(QColor, colour);
        const QImage plate = SplashScreen::plate(dark).toImage();
        QCOMPARE(plate.size(), QSize(400, 100));
        QCOMPARE(plate.pixelColor(200, 50), colour);
        QCOMPARE(plate.pixelColor(4, 50), colour);
        // Rounded: the very corners are cut away.
        for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 99), QPoint(399, 99)})
            QCOMPARE(plate.pixelColor(corner).alpha(), 0);
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<ShellWidgetsTest>(argc, argv);
}

#include "ShellWidgetsTest.moc"
