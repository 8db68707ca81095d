#pragma once

#include "CommandPage.h"

#include <array>

class DataModel;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QPushButton;

// What the "Level Pre Mix" and "Out Level" pages share: a channel list that follows the channel
// configuration, and three groups (mute, fixed gain, gain step), each with its own "Generate
// Command" button named "0", "1" and "2". Enter in a spin box generates its group's command.
class CommandLevelWidget : public CommandPage
{
    Q_OBJECT

public:
    enum Side { Inputs, Outputs };

    CommandLevelWidget(Side side, const DataModel *model, QWidget *parent = nullptr);

    // Rebuilds the items of channels 9..17: bit k of a mask stands for channel 9 + k.
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

private slots:
    void generateButtonClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static constexpr int Channels = 17;
    static constexpr int FixedChannels = 8;

    void retranslate() override;
    void rebuildChannelList();
    QString channelText(int channel) const;
    QDoubleSpinBox *createSpinBox(const QString &objectName);

    Side m_side;
    const DataModel *m_model;
    bool m_configured = false;
    quint32 m_hiddenMask = 0;
    quint32 m_danteMask = 0;
    QComboBox *m_channelComboBox;
    QGroupBox *m_muteGroup;
    QGroupBox *m_gainGroup;
    QGroupBox *m_stepGroup;
    QPushButton *m_muteButton;
    QDoubleSpinBox *m_gainSpinBox;
    QDoubleSpinBox *m_stepSpinBox;
    std::array<QPushButton *, 3> m_generateButtons {};
};
