#include "editors/controls/ComboBox.h"
#include "editors/controls/ControlPalette.h"
#include "editors/controls/DoubleSpinBox.h"
#include "editors/controls/Fader.h"
#include "editors/controls/GroupBox.h"
#include "editors/controls/Knob.h"
#include "editors/controls/Label.h"
#include "editors/controls/LineEdit.h"
#include "editors/controls/MenuButton.h"
#include "editors/controls/Meter.h"
#include "editors/controls/MixButton.h"
#include "editors/controls/RotateText.h"
#include "editors/controls/ScrollCaptionWidget.h"
#include "editors/controls/SpinBox.h"
#include "editors/controls/TableWidget.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QMenu>
#include <QDir>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString styleSheet(bool dark)
{
    QFile file(dark ? ":/qss/VexaTarnDark.qss" : ":/qss/VexaTarnLight.qss");
    if (!file.open(QIODevice::ReadOnly))
        qFatal("style sheet resource missing");
    // The main window's own sheet colours the page behind the controls.
    const QString page = dark ? "#controlsPanel { background: #1e2123; }"
                                "#controlsPanel QLabel, #controlsPanel QGroupBox,"
                                "#controlsPanel RotateText, #controlsPanel ScrollCaptionWidget"
                                " { color: #d0d2d4; }"
                              : "#controlsPanel { background: #e6e7e8; }"
                                "#controlsPanel QLabel, #controlsPanel QGroupBox,"
                                "#controlsPanel RotateText, #controlsPanel ScrollCaptionWidget"
                                " { color: #2a2c2e; }";
    return QString::fromUtf8(file.readAll()) + page;
}

QWidget *knobColumn(int sizeCode, int value, bool highlighted)
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    auto *knob = new Knob;
    knob->setSizeCode(sizeCode);
    knob->setRange(-20, 20);
    knob->setValue(value);
    knob->setHighlighted(highlighted);
    layout->addWidget(knob, 0, Qt::AlignHCenter);
    layout->addWidget(new Label(QString("%1 dB").arg(value)), 0, Qt::AlignHCenter);
    return column;
}

// Every control once, as the editors use them.
std::unique_ptr<QWidget> samplePanel()
{
    auto panel = std::make_unique<QWidget>();
    panel->setObjectName("controlsPanel");
    panel->setAttribute(Qt::WA_StyledBackground);
    auto *grid = new QGridLayout(panel.get());

    auto *knobs = new GroupBox("Knobs");
    auto *knobRow = new QHBoxLayout(knobs);
    knobRow->addWidget(knobColumn(Knob::Smallest, -20, false));
    knobRow->addWidget(knobColumn(Knob::Small, -6, false));
    knobRow->addWidget(knobColumn(Knob::Normal, 6, true));
    knobRow->addWidget(knobColumn(Knob::Large, 20, false));
    grid->addWidget(knobs, 0, 0);

    auto *strip = new GroupBox("Faders and meters");
    auto *stripRow = new QHBoxLayout(strip);
    stripRow->addWidget(new RotateText("Input 1"));
    auto *fader = new Fader;
    fader->setFixedHeight(260);
    stripRow->addWidget(fader);
    auto *fine = new Fader;
    fine->setDecimals(1);
    fine->setValue(-12.5);
    fine->setFixedHeight(260);
    stripRow->addWidget(fine);
    const int levels[] = {-40, -12, 0, 20};
    for (int level : levels) {
        auto *meter = new Meter;
        meter->setLevel(level);
        meter->setFixedSize(12, 260);
        stripRow->addWidget(meter);
    }
    auto *reduction = new Meter;
    reduction->setRange(0, 24);
    reduction->setReductionMode(true);
    reduction->setLevel(9);
    reduction->setFixedSize(12, 260);
    stripRow->addWidget(reduction);
    grid->addWidget(strip, 0, 1, 2, 1);

    auto *matrix = new GroupBox("Matrix");
    auto *cells = new QGridLayout(matrix);
    cells->setSpacing(2);
    cells->setColumnStretch(3, 1);
    const int codes[3][3] = {{MixButton::LeftTop, MixButton::Top, MixButton::RightTop},
                             {MixButton::Left, MixButton::Center, MixButton::Right},
                             {MixButton::LeftBottom, MixButton::Bottom, MixButton::RightBottom}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto *cell = new MixButton;
            cell->setPositionCode(codes[row][column]);
            cell->setOn(row == column);
            cell->setSelected(row == 1 && column == 2);
            cell->setGain(qint8(row == column ? 0 : -60));
            cell->setFixedSize(48, 30);
            cells->addWidget(cell, row, column);
        }
    }
    grid->addWidget(matrix, 1, 0);

    auto *misc = new GroupBox("Inputs");
    auto *form = new QGridLayout(misc);
    auto *menu = new MenuButton;
    menu->popupMenu()->addAction("Low pass")->setCheckable(true);
    menu->popupMenu()->addAction("High pass")->setCheckable(true);
    menu->setText("High pass");
    form->addWidget(menu, 0, 0);
    auto *combo = new ComboBox;
    combo->addItems({"16x16", "8x8+Dante4x4"});
    form->addWidget(combo, 0, 1);
    auto *edit = new LineEdit;
    edit->setText("Lectern");
    form->addWidget(edit, 1, 0);
    auto *spin = new SpinBox;
    spin->setRange(20, 20000);
    spin->setValue(1000);
    form->addWidget(spin, 1, 1);
    auto *gain = new DoubleSpinBox;
    gain->setValue(-3.5);
    form->addWidget(gain, 2, 0);
    auto *caption = new ScrollCaptionWidget;
    caption->setText("Preset 3: Conference room");
    form->addWidget(caption, 2, 1);
    auto *table = new TableWidget;
    table->setRowCount(2);
    table->setColumnCount(3);
    table->setHorizontalHeaderLabels({"Name", "IP", "State"});
    table->setItem(0, 0, new QTableWidgetItem("Hall"));
    table->setItem(0, 1, new QTableWidgetItem("127.0.0.1"));
    table->setItem(0, 2, new QTableWidgetItem("Online"));
    table->setFixedHeight(90);
    form->addWidget(table, 3, 0, 1, 2);
    grid->addWidget(misc, 2, 0, 1, 2);
    return panel;
}

// A blank or nearly uniform picture means nothing was drawn.
bool looksDrawn(const QImage &image, QString *why)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    int most = 0;
    for (int n : counts)
        most = std::max(most, n);
    const double share = double(most) / (image.width() * image.height());
    *why = QString("%1 colours, the commonest covers %2 %").arg(counts.size()).arg(share * 100);
    return counts.size() > 200 && share < 0.9;
}

} // namespace

class ControlsScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The style sheets live in a resource of the static user-interface library.
        Q_INIT_RESOURCE(vexatarn);
    }

    void samplePanelIsDrawnInBothAppearances_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void samplePanelIsDrawnInBothAppearances()
    {
        QFETCH(bool, dark);
        ControlPalette::setDark(dark);
        qApp->setStyleSheet(styleSheet(dark));
        std::unique_ptr<QWidget> panel = samplePanel();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));

        const QImage shot = panel->grab().toImage();
        const QString name = dark ? "controls-dark.png" : "controls-light.png";
        // Kept in the test's working directory, to look at.
        QVERIFY(shot.save(QDir::current().absoluteFilePath(name)));

        QString why;
        QVERIFY2(looksDrawn(shot, &why), qPrintable(why));
        // The page behind the controls follows the appearance.
        const QColor page = shot.pixel(2, 2);
        QVERIFY2(dark ? page.lightness() < 80 : page.lightness() > 180, qPrintable(page.name()));
        qApp->setStyleSheet(QString());
        ControlPalette::setDark(false);
    }
};

QTEST_MAIN(ControlsScreenshotTest)
#include "ControlsScreenshotTest.moc"
