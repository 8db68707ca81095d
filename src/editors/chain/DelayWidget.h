#pragma once

#include "ChannelStripWidget.h"
#include "DelayUnits.h"

#include <vector>

class DoubleSpinBox;
class Knob;
class QLabel;

// The "In Delay" and "Out Delay" pages: the delay of every channel, set in milliseconds, as a
// distance in metres or feet, or with a knob; the four controls of a channel always agree. A
// change is reported through dataChanged; the navigator stores and sends it.
class DelayWidget : public ChannelStripWidget
{
    Q_OBJECT

public:
    static constexpr int Channels = 16;

    DelayWidget(DataModel *model, Side side, QWidget *parent = nullptr);

    const DelayUnits &units() const { return m_units; }

signals:
    void dataChanged(int channel, float ms);

public slots:
    void millisecondsBoxValueChanged(double ms);
    void metersBoxValueChanged(double metres);
    void feetBoxValueChanged(double feet);
    void delayKnobValueChanged(int value);

protected:
    void buildChannel(int channel, QVBoxLayout *column) override;
    void showChannel(int channel) override;
    void retranslate() override;

private:
    enum Box { Milliseconds, Metres, Feet, BoxCount };

    struct Controls
    {
        Knob *knob = nullptr;
        QLabel *captions[BoxCount] {};
        DoubleSpinBox *boxes[BoxCount] {};
    };

    // Shows ms in all four controls of the channel, without them reporting it.
    void showDelay(int channel, double ms);
    // A user change from any control: all four follow, then dataChanged.
    void changed(double ms);

    DelayUnits m_units;
    std::vector<Controls> m_controls;
};
