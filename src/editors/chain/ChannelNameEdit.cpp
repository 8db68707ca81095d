#include "ChannelNameEdit.h"

#include <QApplication>
#include <QFontMetrics>

namespace {

constexpr double SmallestPointSize = 7.0;
constexpr double PointSizeStep = 0.5;
constexpr int InnerMargin = 6; // the line edit's own margins around the text

} // namespace

ChannelNameEdit::ChannelNameEdit(QWidget *parent) : LineEdit(parent)
{
    setObjectName(QStringLiteral("appearanceAsLabel"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
}

void ChannelNameEdit::setName(const QString &name)
{
    if (text() == name)
        return;
    setText(name);
    setCursorPosition(0);
    setToolTip(name);
    fit();
}

QSize ChannelNameEdit::sizeHint() const
{
    return LineEdit::sizeHint() + QSize(0, shrunkBy());
}

QSize ChannelNameEdit::minimumSizeHint() const
{
    return LineEdit::minimumSizeHint() + QSize(0, shrunkBy());
}

QFont ChannelNameEdit::fullSizeFont() const
{
    QFont full = font();
    full.setPointSizeF(QApplication::font(this).pointSizeF());
    return full;
}

int ChannelNameEdit::shrunkBy() const
{
    return QFontMetrics(fullSizeFont()).height() - fontMetrics().height();
}

void ChannelNameEdit::resizeEvent(QResizeEvent *event)
{
    LineEdit::resizeEvent(event);
    fit();
}

void ChannelNameEdit::fit()
{
    const int available = contentsRect().width() - InnerMargin;
    if (available <= 0)
        return;
    QFont candidate = fullSizeFont();
    double size = candidate.pointSizeF();
    while (size > SmallestPointSize
           && QFontMetrics(candidate).horizontalAdvance(text()) > available) {
        size -= PointSizeStep;
        candidate.setPointSizeF(size);
    }
    if (candidate.pointSizeF() != font().pointSizeF())
        setFont(candidate);
}
