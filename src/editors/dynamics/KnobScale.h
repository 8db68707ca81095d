#pragma once

#include <QString>

#include <optional>

// How a knob's integer positions stand for a value and how its edit writes that value: the
// knob's range, the positions per unit (10 for tenths of a dB) and the decimals of the edit.
class KnobScale
{
public:
    constexpr KnobScale(int minimum, int maximum, int divisor = 1, int decimals = 0)
        : m_minimum(minimum), m_maximum(maximum), m_divisor(divisor > 0 ? divisor : 1),
          m_decimals(decimals)
    {
    }

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int divisor() const { return m_divisor; }

    double value(int knob) const { return double(knob) / m_divisor; }
    // The nearest knob position of a value, within the range.
    int knob(double value) const;
    // The value as the edit shows it, after rounding it to a knob position.
    QString text(double value) const;
    // A typed number limited to the range and rounded to a knob position; nothing when the
    // text is not a number.
    std::optional<double> parse(const QString &text) const;

private:
    int m_minimum;
    int m_maximum;
    int m_divisor;
    int m_decimals;
};
