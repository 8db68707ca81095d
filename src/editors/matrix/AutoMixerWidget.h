#pragma once

#include "editors/chain/ChannelStripWidget.h"

#include <vector>

class LineEdit;
class Meter;
class QPushButton;
class QSlider;

// The "Auto Mixer" page: each input joins automix group "AM 1" or "AM 2" (or none) with a
// priority weight; within an enabled group the device turns down the quieter members. Two
// meters per channel show the attenuation and the level after it.
class AutoMixerWidget : public ChannelStripWidget
{
    Q_OBJECT

public:
    static constexpr int Channels = 16;
    static constexpr int Groups = 2;
    static constexpr int SliderMinimum = -120; // tenths of a dB
    static constexpr int SliderMaximum = 120;

    explicit AutoMixerWidget(DataModel *model, QWidget *parent = nullptr);

    void refreshMeters();
    void refreshGroups();

    QSlider *weightSlider(int channel) const;
    LineEdit *weightEdit(int channel) const;
    QPushButton *groupButton(int channel, int group) const; // group 1 or 2
    QPushButton *enabledButton(int group) const; // group 1 or 2
    QPushButton *resetButton() const { return m_resetButton; }
    QPushButton *infoButton() const { return m_infoButton; }
    Meter *attenuationMeter(int channel) const;
    Meter *levelMeter(int channel) const;

    // The weight of a slider position and the text of a weight.
    static float weightOf(int sliderValue) { return float(sliderValue) / 10.0f; }
    static QString weightText(float weight);

public slots:
    void weightSliderValueChanged(int value);
    void weightSliderReleased();
    void weightEditingFinished();
    void groupButtonClicked(bool checked);
    void enabledButtonClicked(bool checked);
    void resetButtonClicked();
    void infoButtonClicked();

protected:
    void buildChannel(int channel, QVBoxLayout *column) override;
    void showChannel(int channel) override;
    void retranslate() override;
    void changeEvent(QEvent *event) override;

private:
    struct Controls
    {
        Meter *attenuation = nullptr;
        Meter *level = nullptr;
        QSlider *slider = nullptr;
        LineEdit *edit = nullptr;
        QPushButton *group[Groups] = {nullptr, nullptr};
    };

    void sendWeight(int channel, float weight, bool throttled);
    void showInfoIcon();

    std::vector<Controls> m_controls;
    QPushButton *m_enabledButtons[Groups] = {nullptr, nullptr};
    QPushButton *m_resetButton = nullptr;
    QPushButton *m_infoButton = nullptr;
};
