#pragma once

#include "ChannelStripWidget.h"

#include <vector>

class Knob;
class LineEdit;
class QButtonGroup;
class QLabel;
class QPushButton;

// The "In Setup" page: per input the source mode ("Mic", "Line" and, for inputs 1 and 2, "USB"),
// the input gain (knob and edit, 0..50 dB), "Mute" and "48V" phantom power. The page sends its
// own requests. Inputs 1 and 2 enter and leave USB mode together and, while in it, every edit
// on either of them applies to both.
class InSetupWidget : public ChannelStripWidget
{
    Q_OBJECT

public:
    static constexpr int Channels = 16;
    static constexpr int GainKnobMaximum = 500; // tenths of a dB

    explicit InSetupWidget(DataModel *model, QWidget *parent = nullptr);

    // Offers or withdraws the USB mode of inputs 1 and 2 (it depends on the DSP firmware).
    void setUsbModeAvailable(bool available);
    bool isUsbModeAvailable() const { return m_usbAvailable; }
    // Inputs 1 and 2 to USB playback, as a click on input 1's "USB" button makes them.
    void switchToUsb();

public slots:
    void modeButtonGroupButtonClicked(int mode);
    void muteButtonClicked(bool on);
    void _48VButtonClicked(bool on);
    void gainKnobValueChanged(int value);
    void gainEditEditingFinished();

protected:
    void buildChannel(int channel, QVBoxLayout *column) override;
    void showChannel(int channel) override;
    void retranslate() override;

private:
    struct Controls
    {
        QButtonGroup *modeGroup = nullptr;
        std::vector<QPushButton *> modeButtons; // in id order
        QLabel *gainLabel = nullptr;
        Knob *gainKnob = nullptr;
        LineEdit *gainEdit = nullptr;
        QPushButton *muteButton = nullptr;
        QPushButton *phantomButton = nullptr;
    };

    void setGain(int channel, float gain);
    void styleModeButtons(int channel);

    std::vector<Controls> m_controls;
    bool m_usbAvailable = true;
};
