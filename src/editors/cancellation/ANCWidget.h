#pragma once

#include "CancellationEditor.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class ToggleRow;

// Noise cancellation of the first generation: a noise reduction level per input. The user picks
// a channel, then its level; channels with noise reduction on are marked in the selector.
class ANCWidget : public CancellationEditor
{
    Q_OBJECT

public:
    static constexpr int Levels = 4;
    static constexpr int Channels = 16;

    explicit ANCWidget(DataModel *model, QWidget *parent = nullptr);

    void refresh() override;

    QPushButton *channelButton(int channel) const;
    QPushButton *levelButton(int level) const;
    int selectedChannel() const { return m_channel; }

public slots:
    void channelButtonGroupButtonClicked(int channel);
    void noiseReductionLevelButtonGroupButtonClicked(int level);

protected:
    void retranslate() override;

private:
    void showSelectedLevel();

    QButtonGroup *m_channels;
    ToggleRow *m_channelRow;
    QButtonGroup *m_levels;
    QLabel *m_channelCaption;
    QLabel *m_levelCaption;
    int m_channel = 0;
};
