#include "widgets/TipBox.h"

#include "widgets/ControlPalette.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {

QPointer<TipBox> g_current;

constexpr int kMargin = 8;
constexpr int kSpacing = 4;

bool isArrowKey(const QEvent *event)
{
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

TipBox::TipBox(QWidget *target, const QString &title, const QString &detail)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_target(target), m_title(new QLabel(title, this)), m_detail(new QLabel(this))
{
    closeCurrent();
    g_current = this;

    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("TipBox"));

    const ControlPalette &colours = ControlPalette::current();
    QFont titleFont = m_title->font();
    titleFont.setPointSize(10);
    m_title->setFont(titleFont);
    for (QLabel *label : {m_title, m_detail}) {
        label->setAlignment(Qt::AlignCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colours.popupText);
        label->setPalette(palette);
    }
    m_title->setObjectName(QStringLiteral("tipBoxTitle"));
    m_detail->setObjectName(QStringLiteral("tipBoxDetail"));
    m_detail->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    layout->addWidget(m_title, 0, Qt::AlignCenter);
    layout->addWidget(m_detail, 0, Qt::AlignCenter);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TipBox::timeout);

    if (!detail.isEmpty())
        setDetail(detail);
    fitToText();
}

TipBox::~TipBox()
{
    if (g_current == this)
        g_current = nullptr;
}

TipBox *TipBox::current()
{
    return g_current;
}

void TipBox::closeCurrent()
{
    if (g_current)
        g_current->close();
}

void TipBox::setTitle(const QString &title)
{
    m_title->setText(title);
    fitToText();
}

QString TipBox::title() const
{
    return m_title->text();
}

void TipBox::setDetail(const QString &detail)
{
    m_detail->setText(detail);
    m_detail->setVisible(!detail.isEmpty());
    fitToText();
}

QString TipBox::detail() const
{
    return m_detail->text();
}

void TipBox::fitToText()
{
    // The text plus 80 x 16: room on both sides, and the layout margins above and below.
    const QFontMetrics titleMetrics(m_title->font());
    int width = titleMetrics.horizontalAdvance(m_title->text());
    int height = titleMetrics.height();
    if (!m_detail->text().isEmpty()) {
        const QFontMetrics detailMetrics(m_detail->font());
        width = std::max(width, detailMetrics.horizontalAdvance(m_detail->text()));
        height += kSpacing + detailMetrics.height();
    }
    setFixedSize(width + 80, height + 16);
}

void TipBox::showAt(const QPoint &globalPosition, int msec)
{
    move(globalPosition);
    show();
    if (msec > 0)
        m_timer.start(msec);
}

void TipBox::timeout()
{
    close();
}

bool TipBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        close();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_target && isArrowKey(event)) {
            QKeyEvent *key = static_cast<QKeyEvent *>(event);
            QKeyEvent forwarded(key->type(), key->key(), key->modifiers(), key->text(),
                                key->isAutoRepeat(), ushort(key->count()));
            QApplication::sendEvent(m_target, &forwarded);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TipBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    const ControlPalette &colours = ControlPalette::current();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.popupBorder, 1));
    painter.setBrush(colours.popupBackground);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
