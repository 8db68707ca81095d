#pragma once

#include "settings/SystemSettings.h"
#include "editors/overview/MeterGroup.h"

#include <QWidget>

#include <optional>

class DataModel;
class GroupBox;
class MeterDialog;
class QLabel;
class QPushButton;
class QShortcut;

// The strip at the top of the main window: the post-fader meters of every input and output
// with their numbers, and between them the device's identity and health (versions, Dante
// state, DSP load, serial number) with the system mute switch. A pure view of the mirror: the
// update operations re-read it when the main window passes on the matching announcement.
//
// Double clicking a meter group opens the meter window, which the overview owns; double
// clicking the info panel reports infoDoubleClicked. Ctrl+N switches the meter floor between
// −40 and −100 dB here and in the meter window; Ctrl+M clicks "System Mute".
class OverviewWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FixedHeight = 188;

    explicit OverviewWidget(DataModel *model, QWidget *parent = nullptr);
    ~OverviewWidget() override;

    // The one entry point for the model's change notifications (tcpSyncToUI without its
    // value): runs the update that shows the message, and ignores every other message.
    void syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar other);

    // Meters (3/1/1, 3/7/7, 3/11/1, 3/11/8).
    void updateInputMeters();
    void updateInputPreMeters();
    void updateOutputMeters();
    void updateOutputPreMeters();
    // Tooltips of a channel's meters here and in the meter window (2/3/1, 2/3/2); a channel
    // outside 0..17 refreshes every channel.
    void updateInputLabels(int channel);
    void updateOutputLabels(int channel);
    // The value labels of the info panel.
    void updateArmVersion();
    void updateDspVersion();
    void updateDanteSupport();
    void updateDanteConnect();
    void updateDspUsage();
    void updateSerialNumber();
    void updateSystemMute();

    // Channels the configuration leaves out (bits 0..7: channels 9..16, bit 8: the USB pair)
    // and the Dante channels among them; passed on to the meter window.
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

    int meterFloor() const { return m_floor; }
    MeterGroup *inputGroup() const { return m_inputGroup; }
    MeterGroup *outputGroup() const { return m_outputGroup; }
    // The meter window, built on first use.
    MeterDialog *meterDialog();
    // Shows the meter window (non-modal), restoring it when minimised.
    void showMeterDialog();

public slots:
    void systemMuteButtonClicked(bool checked);
    void meterRangeShortcutActivated();

signals:
    void infoDoubleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct InfoRow
    {
        QLabel *name = nullptr;
        QLabel *value = nullptr;
        void setShown(bool shown);
    };
    enum Row { ArmVersion, DspVersion, DanteSupport, DanteConnect, DspUsage, SerialNumber, Rows };

    GroupBox *createInfoPanel();
    void toggleFloor();
    void dialogMeterRangeChanged();
    void retranslate();

    DataModel *m_model;
    int m_floor = -40;
    MeterGroup *m_inputGroup = nullptr;
    MeterGroup *m_outputGroup = nullptr;
    GroupBox *m_infoPanel = nullptr;
    InfoRow m_rows[Rows];
    QPushButton *m_muteButton = nullptr;
    QShortcut *m_rangeShortcut = nullptr;
    QShortcut *m_muteShortcut = nullptr;
    MeterDialog *m_meterDialog = nullptr;
    // The channel configuration last handed over, for a meter window built after it.
    std::optional<SystemSettings::ChannelMasks> m_channelConfig;
};
