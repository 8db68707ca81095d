#pragma once

#include <QPushButton>

// A cell of a mixing matrix. The first click on a cell selects it; a click on the selected cell
// switches it on or off. The cell's place in the grid (an edge, a corner or the centre) and its
// selection reach the style sheet through the dynamic property "desc", e.g. "left_top" or
// "left_top_selected".
class MixButton : public QPushButton
{
    Q_OBJECT

public:
    enum Position {
        Left = 0,
        Top,
        Right,
        Bottom,
        Center,
        LeftTop,
        LeftBottom,
        RightTop,
        RightBottom,
    };

    explicit MixButton(QWidget *parent = nullptr);

    void setOn(bool on);
    bool isOn() const { return m_on; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // Codes above 8 keep the current style.
    void setPositionCode(int code);
    int positionCode() const { return m_position; }

    // Shows a gain in dB as sent by the device (a signed byte); anything below -55 is shown
    // as -100, the device's "no signal".
    void setGain(qint8 gain);

    // The style name for a position code, empty for codes outside 0-8.
    static QString positionName(int code);

signals:
    void selected();
    void entered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;

private:
    void restyle();

    bool m_on = false;
    bool m_selected = false;
    int m_position = Center;
};
