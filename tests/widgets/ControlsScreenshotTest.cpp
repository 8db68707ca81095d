#include "widgets/ComboBox.h"
#include "widgets/DoubleSpinBox.h"
#include "widgets/Fader.h"
#include "widgets/GroupBox.h"
#include "widgets/Knob.h"
#include "widgets/Label.h"
#include "widgets/LineEdit.h"
#include "widgets/MenuButton.h"
#include "widgets/Meter.h"
#include "widgets/MixButton.h"
#include "widgets/RotateText.h"
#include "widgets/ScrollCaptionWidget.h"
#include "widgets/SpinBox.h"
#include "widgets/TableWidget.h"

#include "widgets/Screenshots.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The main window's own sheet colours the page behind the controls.
QString pageSheet(bool dark)
{
    return QStringLiteral("#controlsPanel { background: %1; } #controlsPanel QLabel, "
                          "#controlsPanel QGroupBox, #controlsPanel RotateText, "
                          "#controlsPanel ScrollCaptionWidget { color: %2; }")
            .arg(dark ? "#1e2123" : "#e6e7e8", dark ? "#d0d2d4" : "#2a2c2e");
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
    const int knobValues[] = {-20, -6, 6, 20};
    for (int code = Knob::Smallest; code <= Knob::Large; ++code) {
        auto *column = new QVBoxLayout;
        auto *knob = new Knob;
        knob->setSizeCode(code);
        knob->setRange(-20, 20);
        knob->setValue(knobValues[code]);
        knob->setHighlighted(code == Knob::Normal);
        column->addWidget(knob, 0, Qt::AlignHCenter);
        column->addWidget(new Label(QString("%1 dB").arg(knobValues[code])), 0, Qt::AlignHCenter);
        knobRow->addLayout(column);
    }
    grid->addWidget(knobs, 0, 0);

    auto *strip = new GroupBox("Faders and meters");
    auto *stripRow = new QHBoxLayout(strip);
    stripRow->addWidget(new RotateText("Input 1"));
    for (int decimals : {0, 1}) {
        auto *fader = new Fader;
        fader->setDecimals(decimals);
        fader->setValue(decimals ? -12.5 : 0);
        fader->setFixedHeight(260);
        stripRow->addWidget(fader);
    }
    for (int level : {-40, -12, 0, 20, 9}) {
        auto *meter = new Meter;
        if (level == 9) { // a gain reduction meter
            meter->setRange(0, 24);
            meter->setReductionMode(true);
        }
        meter->setLevel(level);
        meter->setFixedSize(12, 260);
        stripRow->addWidget(meter);
    }
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
    const char *row[] = {"Hall", "127.0.0.1", "Online"};
    for (int column = 0; column < 3; ++column)
        table->setItem(0, column, new QTableWidgetItem(row[column]));
    table->setFixedHeight(90);
    form->addWidget(table, 3, 0, 1, 2);
    grid->addWidget(misc, 2, 0, 1, 2);
    return panel;
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
        Screenshots::applyAppearance(dark, pageSheet(dark));
        std::unique_ptr<QWidget> panel = samplePanel();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));

        const QImage shot = panel->grab().toImage();
        Screenshots::keepAndCheck(shot, dark ? "controls-dark.png" : "controls-light.png", 200);
        // The page behind the controls follows the appearance.
        const QColor page = shot.pixel(2, 2);
        QVERIFY2(dark ? page.lightness() < 80 : page.lightness() > 180, qPrintable(page.name()));
        Screenshots::resetAppearance();
    }
};

QTEST_MAIN(ControlsScreenshotTest)
#include "ControlsScreenshotTest.moc"
