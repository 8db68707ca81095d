#pragma once

#include <QLineEdit>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class ChannelNameEdit;
class DataModel;
class OverlayScrollArea;
class QLabel;
class QVBoxLayout;

// The page layout shared by the per-channel strip editors: one column per channel, each a
// "channelWidget" holding the channel's name (a read-only edit, "appearanceAsLabel"), the Dante
// status icon of a Dante channel and the page's controls. The controls of a channel carry the
// channel index as their object name, so one slot serves every channel.
//
// The strips show the parameter mirror and keep no values of their own. A refresh re-reads the
// mirror with the controls' signals held back, so a refresh never sends anything.
class ChannelStripWidget : public QWidget
{
    Q_OBJECT

public:
    enum Side { Inputs, Outputs };

    // Re-reads every channel and its name from the mirror.
    void refresh();
    // One channel, or every channel for 255.
    void refreshChannel(int channel);
    void refreshLabels();
    void refreshLabel(int channel);
    // The Dante icons follow the link state of the Dante module.
    void refreshDanteState();

    // Leaves out the channels that the channel configuration does not have (a set bit of the
    // side's mask) and marks the Dante channels. Bit i stands for channel 8 + i.
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);
    static bool maskHas(quint32 mask, int channel);

    Side side() const { return m_side; }
    int channelCount() const { return int(m_columns.size()); }
    bool isChannelPresent(int channel) const;
    bool isDanteChannel(int channel) const;
    QWidget *channelWidget(int channel) const;
    DataModel *model() const { return m_model; }

protected:
    ChannelStripWidget(DataModel *model, Side side, int channelCount, QWidget *parent);

    // Builds the columns; a subclass calls it from its constructor, after which buildChannel
    // has run for every channel. Ends with a refresh.
    void buildColumns(int columnWidth);
    virtual void buildChannel(int channel, QVBoxLayout *column) = 0;
    // Puts the mirror's values of one channel into its controls (signals are already held back).
    virtual void showChannel(int channel) = 0;
    // Sets every text of the page; called once built and on every language change.
    virtual void retranslate() { }

    void changeEvent(QEvent *event) override;

    // The channel a control stands for: its object name as a number.
    static int channelOf(const QObject *control);
    // A number typed into an edit; nothing when the text is not one.
    static std::optional<double> editNumber(const QString &text);
    // Replaces the text of an edit that just finished editing: its focus is cleared and its
    // editing-finished connection dropped meanwhile, so it does not report a second time.
    template<typename Owner>
    static void settleEdit(QLineEdit *edit, Owner *owner, void (Owner::*slot)(),
                           const QString &text)
    {
        QObject::disconnect(edit, &QLineEdit::editingFinished, owner, slot);
        edit->clearFocus();
        edit->setText(text);
        QObject::connect(edit, &QLineEdit::editingFinished, owner, slot);
    }
    // An edit shows the mirror unless the user is typing into it.
    static void showText(QLineEdit *edit, const QString &text);

    // The channel label shown above the controls: the user's label, else the default name.
    QString channelName(int channel) const;
    // Inputs 1 and 2 play the USB pair together: while the edited one of them is in USB mode,
    // an edit applies to both (the edited channel first). Otherwise the channel alone.
    std::vector<int> pairedChannels(int channel) const;

    static constexpr quint32 UsbMode = 2;

private:
    struct Column
    {
        QWidget *widget = nullptr;
        ChannelNameEdit *nameEdit = nullptr;
        QLabel *danteLabel = nullptr;
        bool present = true;
        bool dante = false;
    };

    DataModel *m_model;
    Side m_side;
    std::vector<Column> m_columns;
    OverlayScrollArea *m_scrollArea;
};
