#pragma once

#include "KnobScale.h"

#include "widgets/ChannelCopyDialog.h"

#include <QWidget>

class ChannelButtonBar;
class DataModel;
class DynamicsControl;
class QHBoxLayout;
class QPushButton;

// The frame the limiter and AGC editors share: the channel selector on top, the transfer graph
// on the left, the settings' knobs beside it with "Enabled", "Copy To" and "Reset". It shows
// one channel at a time and keeps no device value: the subclass reads the mirror.
class DynamicsEditor : public QWidget
{
    Q_OBJECT

public:
    enum Side { Inputs, Outputs };

    Side side() const { return m_side; }
    int channel() const { return m_channel; }
    int channelCount() const;
    DataModel *model() const { return m_model; }
    ChannelButtonBar *channelBar() const { return m_channelBar; }
    QPushButton *enabledButton() const { return m_enabledButton; }
    QPushButton *copyToButton() const { return m_copyToButton; }
    QPushButton *resetButton() const { return m_resetButton; }

    // Shows the channel's settings from the mirror; sends nothing.
    void loadChannel(int channel);
    // Shows the mirror again (after a reply or a copy); sends nothing.
    void refresh() { showChannel(); }
    // The channel names on the selector, from the labels.
    void refreshLabels();
    // Hides the channels the configuration leaves out (a set bit; bit i stands for channel 8 + i).
    void applyChannelConfig(quint32 inputMask, quint32 outputMask);

protected:
    DynamicsEditor(DataModel *model, Side side, int channelCount, QWidget *graph, QWidget *parent);

    DynamicsControl *addControl(const KnobScale &scale, const char *role);
    // Puts the mirror's values of the current channel on screen, signals held back.
    virtual void showChannel() = 0;
    virtual void retranslate() = 0;
    void retranslateFrame();
    void changeEvent(QEvent *event) override;

    void selectChannel(int channel) { m_channel = channel; }
    QString channelName(Side side, int channel) const;
    // The channels a copy may go to on one side: those present, except the source itself.
    QList<ChannelCopyDialog::Channel> copyTargets(Side side, int count) const;
    // Asks the reset question; true on "Reset".
    bool confirmReset(const QString &question);

private:
    DataModel *m_model;
    Side m_side;
    int m_channel = 0;
    quint32 m_hiddenInputs = 0;
    quint32 m_hiddenOutputs = 0;
    ChannelButtonBar *m_channelBar;
    QPushButton *m_enabledButton;
    QPushButton *m_copyToButton;
    QPushButton *m_resetButton;
    QHBoxLayout *m_controls;
};
