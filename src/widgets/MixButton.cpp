#include "widgets/MixButton.h"

#include <QMouseEvent>
#include <QStyle>

namespace {

const char *const kPositionNames[] = {"left",        "top",       "right",
                                      "bottom",      "center",    "left_top",
                                      "left_bottom", "right_top", "right_bottom"};

} // namespace

MixButton::MixButton(QWidget *parent) : QPushButton(parent)
{
    setCheckable(true);
    // The cell follows its own click rule; a key press would toggle the check state past it.
    setFocusPolicy(Qt::NoFocus);
    restyle();
}

QString MixButton::positionName(int code)
{
    if (code < 0 || code >= int(std::size(kPositionNames)))
        return {};
    return QString::fromLatin1(kPositionNames[code]);
}

void MixButton::setOn(bool on)
{
    m_on = on;
    setChecked(on);
}

void MixButton::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    restyle();
}

void MixButton::setPositionCode(int code)
{
    if (positionName(code).isEmpty())
        return;
    m_position = code;
    restyle();
}

void MixButton::setGain(qint8 gain)
{
    setText(QStringLiteral("%1").arg(gain < -55 ? -100 : int(gain)));
}

void MixButton::restyle()
{
    QString desc = positionName(m_position);
    if (m_selected)
        desc += QLatin1String("_selected");
    setProperty("desc", desc);
    // A cell not polished yet takes the style when it is first shown; polishing each of the
    // hundreds of cells of a grid as it is built would cost more than building the grid.
    if (!testAttribute(Qt::WA_WState_Polished))
        return;
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void MixButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = event->button() == Qt::LeftButton && isDown() && hitButton(event->pos());
    setDown(false);
    if (!inside) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (m_selected) {
        setOn(!m_on);
        emit clicked(m_on);
    } else {
        emit selected();
        m_selected = true;
        restyle();
    }
}

void MixButton::enterEvent(QEvent *event)
{
    emit entered();
    QPushButton::enterEvent(event);
}
