#include "DynamicsControl.h"

#include "widgets/Knob.h"
#include "widgets/LineEdit.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

DynamicsControl::DynamicsControl(const KnobScale &scale, const QString &role, QWidget *parent)
    : QWidget(parent), m_scale(scale), m_caption(new QLabel(this)), m_knob(new Knob(this)),
      m_edit(new LineEdit(this))
{
    setObjectName(role + QStringLiteral("Control"));
    m_caption->setObjectName(QStringLiteral("dynamicsCaptionLabel"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_knob->setObjectName(role + QStringLiteral("Knob"));
    m_knob->setSizeCode(Knob::Normal);
    m_knob->setRange(scale.minimum(), scale.maximum());
    m_edit->setObjectName(role + QStringLiteral("Edit"));
    m_edit->setAlignment(Qt::AlignCenter);
    m_edit->setFixedWidth(Knob::sideForSizeCode(Knob::Normal));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_caption);
    layout->addWidget(m_knob, 0, Qt::AlignHCenter);
    layout->addWidget(m_edit, 0, Qt::AlignHCenter);
}

void DynamicsControl::setCaption(const QString &text)
{
    m_caption->setText(text);
}

void DynamicsControl::showValue(double value)
{
    if (!m_knob->isPressed())
        m_knob->setValue(m_scale.knob(value));
    if (!(m_edit->hasFocus() && m_edit->isModified()))
        m_edit->setText(m_scale.text(value));
}

double DynamicsControl::knobMoved(int position)
{
    const double value = m_scale.value(position);
    m_edit->setText(m_scale.text(value));
    return value;
}

std::optional<double> DynamicsControl::editFinished(double current)
{
    const std::optional<double> typed = m_scale.parse(m_edit->text());
    setEditText(m_scale.text(typed ? *typed : current));
    if (typed)
        m_knob->setValue(m_scale.knob(*typed));
    return typed;
}

void DynamicsControl::setEditText(const QString &text)
{
    // Leaving the edit would report the edit a second time.
    const QSignalBlocker quiet(m_edit);
    m_edit->clearFocus();
    m_edit->setText(text);
    m_edit->setModified(false);
}
