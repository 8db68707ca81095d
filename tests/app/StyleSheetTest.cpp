#include "AppTestEnvironment.h"
#include "app/FocusProxyStyle.h"
#include "app/Resources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

const char *const Sheets[] = {":/qss/VexaTarnLight.qss", ":/qss/VexaTarnDark.qss"};

QString readSheet(const char *path)
{
    QFile file {QLatin1String(path)};
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString withoutComments(QString sheet)
{
    return sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                           QRegularExpression::DotMatchesEverythingOption));
}

QSet<QString> selectors(const QString &sheet)
{
    QSet<QString> result;
    const QStringList rules = withoutComments(sheet).split(QLatin1Char('}'));
    for (const QString &rule : rules) {
        const int brace = rule.indexOf(QLatin1Char('{'));
        if (brace < 0)
            continue;
        const QStringList parts = rule.left(brace).split(QLatin1Char(','));
        for (const QString &part : parts)
            result.insert(part.simplified());
    }
    return result;
}

QStringList parseWarnings;

void collectParseWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("parse"), Qt::CaseInsensitive))
        parseWarnings << message;
}

QPushButton *button(const QString &text, const char *property = nullptr, const QVariant &value = {})
{
    auto *result = new QPushButton(text);
    if (property)
        result->setProperty(property, value);
    return result;
}

// One of every control the editors use, in every style state the views set.
std::unique_ptr<QWidget> buildGallery()
{
    auto gallery = std::make_unique<QDialog>();
    gallery->resize(900, 640);
    auto *grid = new QGridLayout(gallery.get());
    auto *menuBar = new QMenuBar;
    menuBar->addMenu(QStringLiteral("Device List(&D)"));
    menuBar->addMenu(QStringLiteral("Setup(&S)"))->addAction(QStringLiteral("Device Setup"));
    menuBar->addMenu(QStringLiteral("Language"))->setEnabled(false);
    grid->setMenuBar(menuBar);

    auto *buttons = new QGroupBox(QStringLiteral("Buttons"));
    auto *buttonGrid = new QGridLayout(buttons);
    auto *checked = button(QStringLiteral("Checked"));
    checked->setCheckable(true);
    checked->setChecked(true);
    auto *mute = button(QStringLiteral("Mute"));
    mute->setObjectName(QStringLiteral("muteButton"));
    mute->setCheckable(true);
    mute->setChecked(true);
    auto *disabled = button(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    buttonGrid->addWidget(button(QStringLiteral("Normal")), 0, 0);
    buttonGrid->addWidget(checked, 0, 1);
    buttonGrid->addWidget(mute, 0, 2);
    buttonGrid->addWidget(disabled, 0, 3);
    buttonGrid->addWidget(button(QStringLiteral("Selected"), "selected", true), 1, 0);
    buttonGrid->addWidget(button(QStringLiteral("Highlighted"), "highlighted", true), 1, 1);
    buttonGrid->addWidget(button(QStringLiteral("Playing"), "status", true), 1, 2);
    buttonGrid->addWidget(button(QStringLiteral("Hidden"), "hideButPlacehold", true), 1, 3);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    const char *positions[] = {"first", "middle", "middle", "last"};
    const char *rowTexts[] = {"Login", "Level", "Preset", "Mute"};
    for (int i = 0; i < 4; ++i) {
        auto *part = button(QLatin1String(rowTexts[i]), "horizontalButtonPosition",
                            QLatin1String(positions[i]));
        part->setCheckable(true);
        part->setChecked(i == 0);
        row->addWidget(part);
    }
    buttonGrid->addLayout(row, 2, 0, 1, 4);
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    for (int i = 0; i < 3; ++i)
        column->addWidget(button(QStringLiteral("Stack %1").arg(i + 1), "verticalButtonPosition",
                                 QLatin1String(positions[i == 2 ? 3 : i])));
    buttonGrid->addLayout(column, 3, 0, 1, 2);
    auto *matrix = new QGridLayout;
    matrix->setSpacing(0);
    const char *cells[3][3] = {{"left_top", "top", "right_top"},
                               {"left", "center_selected", "right"},
                               {"left_bottom", "bottom", "right_bottom"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            auto *cell = button(QStringLiteral("-6"), "desc", QLatin1String(cells[r][c]));
            cell->setCheckable(true);
            cell->setChecked(r == c);
            cell->setFixedSize(40, 24);
            matrix->addWidget(cell, r, c);
        }
    buttonGrid->addLayout(matrix, 3, 2, 1, 2);
    grid->addWidget(buttons, 0, 0);

    auto *entry = new QGroupBox(QStringLiteral("Entry"));
    auto *form = new QGridLayout(entry);
    auto *edit = new QLineEdit(QStringLiteral("192.168.1.100"));
    auto *combo = new QComboBox;
    combo->addItems(
            {QStringLiteral("None"), QStringLiteral("Mute"), QStringLiteral("Load Preset")});
    auto *spin = new QSpinBox;
    spin->setRange(0, 100);
    spin->setValue(42);
    auto *doubleSpin = new QDoubleSpinBox;
    doubleSpin->setValue(-3.5);
    doubleSpin->setRange(-56, 12);
    auto *check = new QCheckBox(QStringLiteral("Show at startup"));
    check->setChecked(true);
    auto *radio = new QRadioButton(QStringLiteral("Line"));
    radio->setChecked(true);
    auto *ok = new QLabel(QStringLiteral("Normal"));
    ok->setProperty("status", QStringLiteral("Normal"));
    auto *error = new QLabel(QStringLiteral("Error"));
    error->setProperty("status", QStringLiteral("Error"));
    auto *highlighted = new QLabel(QStringLiteral("Highlighted"));
    highlighted->setProperty("highlighted", true);
    form->addWidget(edit, 0, 0);
    form->addWidget(combo, 0, 1);
    form->addWidget(spin, 1, 0);
    form->addWidget(doubleSpin, 1, 1);
    form->addWidget(check, 2, 0);
    form->addWidget(radio, 2, 1);
    form->addWidget(ok, 3, 0);
    form->addWidget(error, 3, 1);
    form->addWidget(highlighted, 4, 0);
    grid->addWidget(entry, 0, 1);

    auto *tabs = new QTabWidget;
    auto *table = new QTableWidget(6, 3);
    table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Analog Input"),
                                      QStringLiteral("Analog Output")});
    table->setAlternatingRowColors(true);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 3; ++c)
            table->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1CH").arg(16 - r)));
    table->selectRow(1);
    tabs->addTab(table, QStringLiteral("Table"));
    tabs->addTab(new QListWidget, QStringLiteral("List"));
    auto *disabledTab = new QWidget;
    tabs->addTab(disabledTab, QStringLiteral("Disabled"));
    tabs->setTabEnabled(2, false);
    grid->addWidget(tabs, 1, 0);

    auto *levels = new QGroupBox(QStringLiteral("Levels"));
    auto *levelGrid = new QGridLayout(levels);
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setValue(60);
    auto *small = new QSlider(Qt::Vertical);
    small->setProperty("handleSize", QStringLiteral("small"));
    small->setValue(30);
    small->setMinimumHeight(120);
    auto *progress = new QProgressBar;
    progress->setValue(64);
    auto *scroll = new QScrollBar(Qt::Vertical);
    scroll->setRange(0, 100);
    scroll->setPageStep(30);
    scroll->setMinimumHeight(120);
    levelGrid->addWidget(slider, 0, 0, 1, 3);
    levelGrid->addWidget(progress, 1, 0, 1, 3);
    levelGrid->addWidget(small, 2, 0);
    levelGrid->addWidget(scroll, 2, 1);
    grid->addWidget(levels, 1, 1);
    return gallery;
}

// A page counts as drawn when it shows more than a handful of colours.
int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

// The two style sheets: the same selectors in both, every style property the views set, every
// image they name compiled in, no parse errors, and a gallery of controls that draws.
class StyleSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the program runs: the focus-less "windows" style under the sheet, Arial 9.
        initApplicationResources();
        QApplication::setStyle(new FocusProxyStyle);
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    }

    void sheetsCoverTheSameSelectors()
    {
        const QSet<QString> light = selectors(readSheet(Sheets[0]));
        const QSet<QString> dark = selectors(readSheet(Sheets[1]));
        QVERIFY(light.size() > 100);
        QCOMPARE(QSet<QString>(light - dark), QSet<QString>());
        QCOMPARE(QSet<QString>(dark - light), QSet<QString>());
    }

    void sheetsStyleEveryStyleProperty_data()
    {
        QTest::addColumn<QString>("property");
        for (const char *property :
             {"status", "selected", "highlighted", "desc", "horizontalButtonPosition",
              "verticalButtonPosition", "handleSize", "hideButPlacehold"})
            QTest::newRow(property) << QString::fromLatin1(property);
    }

    void sheetsStyleEveryStyleProperty()
    {
        QFETCH(QString, property);
        for (const char *sheet : Sheets)
            QVERIFY2(withoutComments(readSheet(sheet)).contains(QLatin1Char('[') + property),
                     sheet);
    }

    void imagesExist()
    {
        const QRegularExpression url(QStringLiteral("url\\((:/[^)]+)\\)"));
        for (const char *sheet : Sheets) {
            auto it = url.globalMatch(readSheet(sheet));
            int count = 0;
            while (it.hasNext()) {
                const QString path = it.next().captured(1);
                QVERIFY2(QFile::exists(path), qPrintable(path));
                QVERIFY2(!QImage(path).isNull(), qPrintable(path));
                ++count;
            }
            QVERIFY(count > 0);
        }
        QVERIFY(!QImage(QStringLiteral(":/image/app.ico")).isNull());
        QCOMPARE(QImage(QStringLiteral(":/image/AppIcon@2x.png")).size(), QSize(512, 512));
    }

    void galleryDraws_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("light") << QString::fromLatin1(Sheets[0]);
        QTest::newRow("dark") << QString::fromLatin1(Sheets[1]);
    }

    void galleryDraws()
    {
        QFETCH(QString, sheet);
        parseWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectParseWarnings);
        qApp->setStyleSheet(readSheet(qPrintable(sheet)));
        std::unique_ptr<QWidget> gallery = buildGallery();
        gallery->show();
        QVERIFY(QTest::qWaitForWindowExposed(gallery.get()));
        const QImage shot = gallery->grab().toImage();
        qInstallMessageHandler(previous);
        qApp->setStyleSheet(QString());

        QVERIFY2(parseWarnings.isEmpty(), qPrintable(parseWarnings.join(QLatin1Char('\n'))));
        QVERIFY(colourCount(shot) > 20);
        // VEXATARN_SHOTS=<directory> keeps the pictures for a look.
        const QString shots = QString::fromLocal8Bit(qgetenv("VEXATARN_SHOTS"));
        if (!shots.isEmpty())
            shot.save(shots + QStringLiteral("/gallery-") + QLatin1String(QTest::currentDataTag())
                      + QStringLiteral(".png"));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<StyleSheetTest>(argc, argv);
}

#include "StyleSheetTest.moc"
