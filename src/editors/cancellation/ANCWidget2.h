#pragma once

#include "CancellationBlocks.h"
#include "CancellationEditor.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class ToggleRow;

// Noise cancellation of the second generation: the block (inputs, suppression level, enable)
// is sent whole at every change, and the cleaned signal is mixed into the chosen outputs as
// matrix source 19.
class ANCWidget2 : public CancellationEditor
{
    Q_OBJECT

public:
    explicit ANCWidget2(DataModel *model, QWidget *parent = nullptr);

    void refresh() override;

    QPushButton *enabledButton() const { return m_enabled; }
    ToggleRow *inputRow() const { return m_inputs; }
    ToggleRow *outputRow() const { return m_outputs; }
    QPushButton *levelButton(int level) const;

    // The suppression of a level id: 3 dB per step from 3 dB.
    static int suppressionDb(int level) { return 3 * (level + 1); }

public slots:
    void enabledButtonClicked(bool checked);
    void inputButtonClicked(int input, bool on);
    void suppressionLevelButtonGroupButtonClicked(int level);
    void outputButtonClicked(int output, bool on);

protected:
    void retranslate() override;

private:
    AncBlock block() const;
    void store(const AncBlock &block);

    QPushButton *m_enabled;
    QLabel *m_inputCaption;
    QLabel *m_levelCaption;
    QLabel *m_outputCaption;
    ToggleRow *m_inputs;
    ToggleRow *m_outputs;
    QButtonGroup *m_levels;
};
