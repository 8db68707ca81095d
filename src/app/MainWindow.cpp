#include "MainWindow.h"

#include "SplashScreen.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

MainWindow *g_instance = nullptr;

const char *const GeometryKey = "MainGeometry";
const QSize DefaultSize(1280, 800);

QLabel *createTitleLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("panelTitleLabel"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(10);
    label->setFont(font);
    return label;
}

} // namespace

MainWindow::MainWindow(SystemSettings *settings, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_masks(settings->channelMasks())
{
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/image/app.ico")));
    SplashScreen::reportProgress(5);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);

    QFrame *devicePanel = createDevicePanel();
    SplashScreen::reportProgress(42);
    QFrame *overviewPanel = createOverviewPanel();
    SplashScreen::reportProgress(46);
    QFrame *modulePanel = createModulePanel();
    SplashScreen::reportProgress(50);

    auto *rightLayout = new QVBoxLayout;
    rightLayout->setSpacing(8);
    rightLayout->addWidget(overviewPanel);
    rightLayout->addWidget(modulePanel, 1);
    layout->addWidget(devicePanel);
    layout->addLayout(rightLayout, 1);
    setCentralWidget(central);

    retranslate();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
    SplashScreen::reportProgress(99);
}

MainWindow::~MainWindow()
{
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    if (g_instance == this)
        g_instance = nullptr;
}

MainWindow *MainWindow::instance()
{
    return g_instance;
}

void MainWindow::setChannelMasks(const SystemSettings::ChannelMasks &masks)
{
    m_masks = masks;
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

QFrame *MainWindow::createDevicePanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("devicePanel"));
    panel->setFixedWidth(280);
    m_deviceTitleLabel = createTitleLabel(panel);
    m_deviceListWidget = new QListWidget(panel);
    m_deviceListWidget->setObjectName(QStringLiteral("deviceListWidget"));
    m_deviceListWidget->setContextMenuPolicy(Qt::NoContextMenu);
    m_deviceHintLabel = new QLabel(panel);
    m_deviceHintLabel->setObjectName(QStringLiteral("hintLabel"));
    m_deviceHintLabel->setWordWrap(true);
    m_deviceHintLabel->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(m_deviceTitleLabel);
    layout->addWidget(m_deviceListWidget, 1);
    layout->addWidget(m_deviceHintLabel);
    return panel;
}

QFrame *MainWindow::createOverviewPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("overviewPanel"));
    panel->setMinimumHeight(180);
    m_overviewTitleLabel = createTitleLabel(panel);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_overviewTitleLabel);
    layout->addStretch();
    return panel;
}

QFrame *MainWindow::createModulePanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("modulePanel"));
    m_moduleHintLabel = new QLabel(panel);
    m_moduleHintLabel->setObjectName(QStringLiteral("hintLabel"));
    m_moduleHintLabel->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_moduleHintLabel);
    return panel;
}

void MainWindow::retranslate()
{
    setWindowTitle(m_settings->title());
    m_deviceTitleLabel->setText(tr("Device List"));
    m_deviceHintLabel->setText(tr("Processors on the local network appear here."));
    m_overviewTitleLabel->setText(tr("Overview"));
    m_moduleHintLabel->setText(tr("Select a device to edit its processing."));
}
