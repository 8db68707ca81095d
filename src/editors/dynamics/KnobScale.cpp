#include "KnobScale.h"

#include <QtGlobal>

#include <cmath>

int KnobScale::knob(double value) const
{
    if (!std::isfinite(value))
        return m_minimum;
    const double scaled = std::round(value * m_divisor);
    return int(qBound(double(m_minimum), scaled, double(m_maximum)));
}

QString KnobScale::text(double value) const
{
    return QString::number(this->value(knob(value)), 'f', m_decimals);
}

std::optional<double> KnobScale::parse(const QString &text) const
{
    bool ok = false;
    const double typed = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(typed))
        return std::nullopt;
    return value(knob(typed));
}
