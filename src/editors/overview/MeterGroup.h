#pragma once

#include "widgets/GroupBox.h"

#include <array>

class DataModel;
class Meter;
class QLabel;

// One metering point of the processor shown as a group of bar meters: channels 1 to 16, each a
// meter over its number and caption, and the USB pair ("Play" for inputs, "Rec" for outputs)
// with one number for both. The overview and every group of the meter window are one of these.
//
// The group keeps no levels of its own: refresh() reads the metering point from the mirror, and
// each meter repaints only when its level moved.
class MeterGroup : public GroupBox
{
    Q_OBJECT

public:
    enum Source { InputPostFader, InputPreFader, OutputPostFader, OutputPreFader };

    static constexpr int Channels = 16;
    static constexpr int PairFirst = 16; // the USB pair: mirror indices 16 and 17
    static constexpr int MeterCount = 18;
    static constexpr int MeterWidth = 12;
    static constexpr int Maximum = 24;

    MeterGroup(Source source, const DataModel *model, QWidget *parent = nullptr);

    Source source() const { return m_source; }
    bool isInput() const { return m_source == InputPostFader || m_source == InputPreFader; }

    // The quiet end of every meter: −40 or −100 dB. Levels below it read as the floor.
    void setFloor(int floor);
    int floor() const { return m_floor; }

    // Shows the levels of this metering point as the mirror holds them now.
    void refresh();

    // The tooltip of a channel's meter (0..17) follows the channel's label in the mirror.
    void refreshToolTip(int channel);
    void refreshToolTips();

    // Hides the columns of channels 9..16 whose bit (0..7) is set in channelMask and the pair
    // when bit 8 is; channels whose bit is set in danteMask are captioned with their Dante name.
    void applyChannelMasks(quint32 channelMask, quint32 danteMask);

    Meter *meter(int index) const { return m_meters[size_t(index)]; }
    // The number under a channel's meter (0..15), or the pair's (16 or 17).
    QLabel *numberLabel(int index) const;
    QLabel *captionLabel(int index) const;
    // The column holding a channel (0..15) or the pair (16, 17).
    QWidget *column(int index) const;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Column
    {
        QWidget *widget = nullptr;
        QLabel *number = nullptr;
        QLabel *caption = nullptr;
    };

    Column addColumn(int firstMeter, int meterCount);
    qint8 levelOf(int index) const;
    QString levelText(int index) const;
    QString captionOf(int channel) const;
    void fitNumberLabels();
    void retranslate();

    const Source m_source;
    const DataModel *m_model;
    int m_floor = -40;
    quint32 m_danteMask = 0;
    std::array<Meter *, MeterCount> m_meters {};
    std::array<Column, Channels + 1> m_columns; // 16 channels, then the pair
};
