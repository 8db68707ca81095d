#pragma once

#include "files/LabelSync.h"
#include "widgets/Dialog.h"

#include <array>

class DataModel;
class LineEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class SystemSettings;

// Every channel label of the device: input and output labels (16 bytes) and the touch-screen
// labels of the inputs (10 bytes), with import and export of the .lbl file. The labels live in
// the device model; the dialog shows them and writes edits there and to the device.
class LabelDialog : public Dialog
{
    Q_OBJECT

public:
    static constexpr int RowCount = 17;

    LabelDialog(DataModel *model, SystemSettings *settings, QWidget *parent = nullptr);
    ~LabelDialog() override;

    // Channels the labels cover now (16, or 17 with boot mode 2 or control firmware 5).
    int channelCount() const;

    // Re-read from the device model: one input's label, one output's label, or all three edits
    // of a channel (every channel for 255).
    void refreshInput(int channel);
    void refreshOutput(int channel);
    void refreshChannel(int channel);
    // The Dante link state for the icons.
    void refreshDanteState();

public slots:
    // Device messages of the labels (type 2, subType 3) and the Dante link state.
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);
    // Channels 1..8 always show; channel 9 + k hides when bit k of its mask is set.
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

    void inputEditEditingFinished();
    void outputEditEditingFinished();
    void tsInputEditEditingFinished();
    void importAllButtonClicked();
    void exportAllButtonClicked();

signals:
    void inputLabelChanged(int channel);
    void outputLabelChanged(int channel);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Row
    {
        QLabel *name;
        QLabel *dante;
        LineEdit *edit;
    };
    using Group = std::array<Row, RowCount>;

    QGroupBox *buildGroup(Group &rows, LabelSync::Kind kind, void (LabelDialog::*finished)());
    void editFinished(LabelSync::Kind kind, void (LabelDialog::*slot)());
    void labelApplied(LabelSync::Kind kind, int channel);
    void refresh(LabelSync::Kind kind, int channel);
    void refreshNames();
    Group &rowsOf(LabelSync::Kind kind);
    void retranslate();

    DataModel *m_model;
    SystemSettings *m_settings;
    Group m_inputs {};
    Group m_outputs {};
    Group m_touchScreen {};
    QGroupBox *m_inputGroup;
    QGroupBox *m_outputGroup;
    QGroupBox *m_touchScreenGroup;
    QPushButton *m_importAllButton;
    QPushButton *m_exportAllButton;
    quint32 m_danteInputMask = 0;
    quint32 m_danteOutputMask = 0;
    bool m_shownOnce = false;
};
