#pragma once

#include "ChannelStripWidget.h"

#include <functional>
#include <vector>

class ComboBox;
class Fader;
class LineEdit;
class Meter;
class QLabel;
class QPushButton;

// The "Level Pre Mix" (inputs) and "Out Level" (outputs) pages: per channel a fader with the
// channel's level meter, the gain edit, "Mute", "Invert", "Priority" (inputs) and the "Group".
//
// A user change is written into the mirror and reported through the matching signal; the
// navigator sends it. Channels of a group move together: an invert, mute or gain change of a
// grouped channel is also applied, in the mirror and on screen, to the other channels of its
// group, while only the edited channel is reported (the device gangs the group itself).
class LevelWidget : public ChannelStripWidget
{
    Q_OBJECT

public:
    static constexpr int InputChannels = 17;
    static constexpr int OutputChannels = 16;
    static constexpr int FaderMinimum = -56;
    static constexpr int FaderMaximum = 12;
    static constexpr int MeterMinimum = -60;
    static constexpr int MeterMaximum = 20;

    LevelWidget(DataModel *model, Side side, QWidget *parent = nullptr);

    // The meters follow the mirror's levels (they are polled continuously).
    void refreshMeters();

    // The gain as its edit shows it: one decimal, or -100.0 at or below the fader minimum.
    static QString gainText(float gain);

signals:
    void groupChanged(int channel, int group);
    void invertChanged(int channel, bool invert);
    void muteChanged(int channel, bool mute);
    void gainChanged(int channel, float gain);
    void priorityChanged(int channel, bool priority);

public slots:
    void groupComboBoxCurrentIndexChanged(int index);
    void invertButtonClicked(bool on);
    void muteButtonClicked(bool on);
    void gainEditEditingFinished();
    void gainFaderValueChanged(float gain);
    void priorityButtonClicked(bool on);

protected:
    void buildChannel(int channel, QVBoxLayout *column) override;
    void showChannel(int channel) override;
    void retranslate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The level fields of one channel in the mirror.
    struct Level
    {
        quint8 *mute;
        quint8 *invert;
        float *gain;
        quint8 *group;
        quint8 *priority; // inputs only
        float gainMin;
        float gainMax;
        qint8 meter; // the level after the fader
    };

    struct Controls
    {
        Fader *fader = nullptr;
        Meter *meter = nullptr;
        LineEdit *gainEdit = nullptr;
        QPushButton *muteButton = nullptr;
        QPushButton *invertButton = nullptr;
        QPushButton *priorityButton = nullptr;
        QLabel *groupCaption = nullptr;
        ComboBox *groupComboBox = nullptr;
    };

    Level level(int channel) const;
    // Applies change to the other channels of channel's group, in the mirror and on screen.
    void gang(int channel, const std::function<void(const Level &)> &change);
    void applyGain(int channel, float gain);

    std::vector<Controls> m_controls;
    int m_heldChannel = -1; // the channel whose fader the user holds
    bool m_userChange = false;
};
