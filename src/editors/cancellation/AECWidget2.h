#pragma once

#include "CancellationBlocks.h"
#include "CancellationEditor.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class ToggleRow;

// Echo cancellation of the second generation: the whole block (local and remote inputs, AEC
// level, noise reduction level, enable) is sent at every change, and the cancelled signal is
// mixed into the chosen outputs as matrix source 18.
class AECWidget2 : public CancellationEditor
{
    Q_OBJECT

public:
    explicit AECWidget2(DataModel *model, QWidget *parent = nullptr);

    void refresh() override;

    QPushButton *enabledButton() const { return m_enabled; }
    ToggleRow *localRow() const { return m_local; }
    ToggleRow *remoteRow() const { return m_remote; }
    ToggleRow *outputRow() const { return m_outputs; }
    QPushButton *levelButton(int level) const;
    QPushButton *noiseReductionButton(int level) const;

public slots:
    void enabledButtonClicked(bool checked);
    void localInputButtonClicked(int input, bool on);
    void remoteInputButtonClicked(int input, bool on);
    void aecLevelButtonGroupButtonClicked(int level);
    void noiseReductionLevelButtonGroupButtonClicked(int level);
    void outputButtonClicked(int output, bool on);

protected:
    void retranslate() override;
    // The row after the last one of this editor's form.
    int nextRow() const { return m_nextRow; }

private:
    AecBlock block() const;
    void store(const AecBlock &block);

    QPushButton *m_enabled;
    QLabel *m_localCaption;
    QLabel *m_remoteCaption;
    QLabel *m_levelCaption;
    QLabel *m_noiseCaption;
    QLabel *m_outputCaption;
    ToggleRow *m_local;
    ToggleRow *m_remote;
    ToggleRow *m_outputs;
    QButtonGroup *m_levels;
    QButtonGroup *m_noiseLevels;
    int m_nextRow = 0;
};
