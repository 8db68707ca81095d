#pragma once

#include "CancellationEditor.h"

#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

// Echo cancellation of the first generation: an enable switch and the local microphones of a
// video conference (one flag per input), with the diagram of where the canceller sits.
class AECWidget : public CancellationEditor
{
    Q_OBJECT

public:
    explicit AECWidget(DataModel *model, QWidget *parent = nullptr);

    void refresh() override;
    void refreshLabels() override;
    void applyChannelConfig(quint32 inputMask, quint32 outputMask) override;

    QPushButton *enableButton(bool enabled) const;
    QCheckBox *localMicCheckBox(int input) const;

public slots:
    void enabledButtonGroupButtonClicked(int id);
    void localMicCheckBoxClicked();

protected:
    void retranslate() override;
    void appearanceChanged() override;

private:
    QButtonGroup *m_enabled;
    QLabel *m_micCaption;
    std::vector<QCheckBox *> m_mics;
    QLabel *m_diagram;
    std::vector<QLabel *> m_diagramTexts;
};
