#pragma once

#include "widgets/Dialog.h"
#include "editors/overview/MeterGroup.h"

#include <array>

class DataModel;
class QShortcut;

// The meter window: all four metering points, inputs and outputs before and after the fader,
// one group each. Built once with the overview and only shown and hidden afterwards; its
// geometry is kept under "MeterGeometry".
//
// Ctrl+N or a double click on "Input Pre Fader" switches the floor of all its meters between
// −40 and −100 dB and reports it with ctrlN, so that the overview switches as well.
class MeterDialog : public Dialog
{
    Q_OBJECT

public:
    static constexpr int FloorHigh = -40;
    static constexpr int FloorLow = -100;

    explicit MeterDialog(const DataModel *model, QWidget *parent = nullptr);
    ~MeterDialog() override;

    int meterFloor() const { return m_floor; }
    MeterGroup *group(MeterGroup::Source source) const { return m_groups[size_t(source)]; }

    // Redraws one metering point from the mirror. While the window is hidden nothing is drawn;
    // showing it redraws all four.
    void refresh(MeterGroup::Source source);
    // The tooltip of a channel's meters (255: every channel) from its label.
    void refreshToolTips(bool input, int channel);
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

public slots:
    void meterRangeShortcutActivated();

signals:
    void ctrlN();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void ownToggleActivated();
    void retranslate();

    const DataModel *m_model;
    int m_floor = FloorHigh;
    std::array<MeterGroup *, 4> m_groups {};
    QShortcut *m_rangeShortcut = nullptr;
};
