#include "SplashScreen.h"

#include "settings/SystemSettings.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

SplashScreen *g_instance = nullptr;

const QSize PlateSize(400, 100);
const qreal PlateRadius = 10.0;

QBitmap roundedMask(const QSize &size)
{
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), size), PlateRadius, PlateRadius);
    return mask;
}

} // namespace

SplashScreen::SplashScreen(const QPixmap &plate, const QString &title)
    : QSplashScreen(plate), m_titleLabel(new QLabel(title, this)),
      m_loadingLabel(new QLabel(tr("Loading") + QStringLiteral("..."), this)),
      m_progressBar(new QProgressBar(this)),
      m_versionLabel(new QLabel(tr("App Version") + QStringLiteral(" : ")
                                        + SystemSettings::applicationVersion(),
                                this))
{
    if (!g_instance)
        g_instance = this;
    if (!plate.mask().isNull())
        setMask(plate.mask());

    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSize(10);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setObjectName(QStringLiteral("splashTitleLabel"));
    m_loadingLabel->setObjectName(QStringLiteral("splashLoadingLabel"));
    m_versionLabel->setObjectName(QStringLiteral("splashVersionLabel"));
    m_versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_progressBar->setObjectName(QStringLiteral("splashProgressBar"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setFixedSize(plate.width() - 16, 8);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(m_titleLabel);
    layout->addSpacing(8);
    layout->addWidget(m_loadingLabel);
    layout->addWidget(m_progressBar);
    layout->addStretch();
    layout->addWidget(m_versionLabel);
}

SplashScreen::~SplashScreen()
{
    if (g_instance == this)
        g_instance = nullptr;
}

SplashScreen *SplashScreen::instance()
{
    return g_instance;
}

void SplashScreen::reportProgress(int value)
{
    if (g_instance)
        g_instance->setProgress(value);
}

QPixmap SplashScreen::plate(bool dark)
{
    QPixmap pixmap(PlateSize);
    pixmap.fill(dark ? QColor(0x30, 0x31, 0x33) : QColor(0xEC, 0xEC, 0xEC));
    pixmap.setMask(roundedMask(PlateSize));
    return pixmap;
}

void SplashScreen::setProgress(int value)
{
    m_progressBar->setValue(value);
    // The event loop is not running yet while the main window is built: paint now.
    if (isVisible())
        repaint();
}

int SplashScreen::progress() const
{
    return m_progressBar->value();
}
