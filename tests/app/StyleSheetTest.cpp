#include "AppTestEnvironment.h"
#include "app/FocusProxyStyle.h"
#include "widgets/Resources.h"

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

// One of every control the editors use, in every style state the views set, placed row by row.
std::unique_ptr<QWidget> buildGallery()
{
    auto gallery = std::make_unique<QDialog>();
    gallery->resize(900, 640);
    auto *grid = new QGridLayout(gallery.get());
    grid->setSpacing(2);
    int placed = 0;
    const auto add = [&](QWidget *widget, const char *property = nullptr,
                         const QVariant &value = {}) {
        if (property)
            widget->setProperty(property, value);
        grid->addWidget(widget, placed / 8, placed % 8);
        ++placed;
        return widget;
    };
    const auto button = [&](const QString &text, const char *property = nullptr,
                            const QVariant &value = {}, bool checked = false) {
        auto *result = new QPushButton(text);
        result->setCheckable(checked);
        result->setChecked(checked);
        add(result, property, value);
        return result;
    };

    auto *menuBar = new QMenuBar;
    menuBar->addMenu(QStringLiteral("Device List(&D)"));
    menuBar->addMenu(QStringLiteral("Setup(&S)"))->addAction(QStringLiteral("Device Setup"));
    menuBar->addMenu(QStringLiteral("Language"))->setEnabled(false);
    grid->setMenuBar(menuBar);

    button(QStringLiteral("Normal"));
    button(QStringLiteral("Checked"), nullptr, {}, true);
    button(QStringLiteral("Mute"), nullptr, {}, true)->setObjectName(QStringLiteral("muteButton"));
    button(QStringLiteral("Disabled"))->setEnabled(false);
    button(QStringLiteral("Selected"), "selected", true);
    button(QStringLiteral("Highlighted"), "highlighted", true);
    button(QStringLiteral("Playing"), "status", true);
    button(QStringLiteral("Hidden"), "hideButPlacehold", true);
    for (const char *position : {"first", "middle", "last"}) {
        button(QLatin1String(position), "horizontalButtonPosition", QLatin1String(position),
               position[0] == 'f');
        button(QLatin1String(position), "verticalButtonPosition", QLatin1String(position));
    }
    for (const char *cell : {"left_top", "top", "right_top", "left", "center_selected", "right",
                             "left_bottom", "bottom", "right_bottom"})
        button(QStringLiteral("-6"), "desc", QLatin1String(cell), true)->setFixedSize(40, 24);

    add(new QLineEdit(QStringLiteral("192.168.1.100")));
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("None"), QStringLiteral("Mute")});
    add(combo);
    auto *spin = new QSpinBox;
    spin->setValue(42);
    add(spin);
    auto *doubleSpin = new QDoubleSpinBox;
    doubleSpin->setRange(-56, 12);
    doubleSpin->setValue(-3.5);
    add(doubleSpin);
    add(new QCheckBox(QStringLiteral("Show at startup")))->setProperty("checked", true);
    add(new QRadioButton(QStringLiteral("Line")))->setProperty("checked", true);
    add(new QLabel(QStringLiteral("Normal")), "status", QStringLiteral("Normal"));
    add(new QLabel(QStringLiteral("Error")), "status", QStringLiteral("Error"));
    add(new QLabel(QStringLiteral("Highlighted")), "highlighted", true);
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setValue(60);
    add(slider);
    auto *small = new QSlider(Qt::Vertical);
    small->setValue(30);
    add(small, "handleSize", QStringLiteral("small"));
    auto *progress = new QProgressBar;
    progress->setValue(64);
    add(progress);
    auto *scroll = new QScrollBar(Qt::Vertical);
    scroll->setPageStep(30);
    add(scroll);

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
    tabs->addTab(new QWidget, QStringLiteral("Disabled"));
    tabs->setTabEnabled(2, false);
    grid->addWidget(tabs, placed / 8 + 1, 0, 1, 8);
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

    void sheetsStyleEveryStyleProperty()
    {
        for (const char *sheet : Sheets) {
            const QString rules = withoutComments(readSheet(sheet));
            for (const char *property :
                 {"status", "selected", "highlighted", "desc", "horizontalButtonPosition",
                  "verticalButtonPosition", "handleSize", "hideButPlacehold"})
                QVERIFY2(rules.contains(QLatin1Char('[') + QLatin1String(property)),
                         qPrintable(QLatin1String(sheet) + QLatin1Char(' ') + property));
        }
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
        // Kept in the test's folder for a look.
        QVERIFY(shot.save(AppTestEnvironment::startDirectory() + QStringLiteral("/gallery-")
                          + QLatin1String(QTest::currentDataTag()) + QStringLiteral(".png")));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<StyleSheetTest>(argc, argv);
}

#include "StyleSheetTest.moc"
