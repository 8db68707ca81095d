#pragma once

#include <QWidget>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QPushButton;

// The channel selector of an editor that shows one channel at a time: one checkable button per
// channel, named by the channel index, in rows. Channels the configuration leaves out are hidden.
class ChannelButtonBar : public QWidget
{
    Q_OBJECT

public:
    ChannelButtonBar(int channelCount, QWidget *parent = nullptr);

    int channelCount() const { return int(m_buttons.size()); }
    QButtonGroup *group() const { return m_group; }
    QAbstractButton *button(int channel) const;

    void setChannelName(int channel, const QString &name);
    void setChannelPresent(int channel, bool present);
    bool isChannelPresent(int channel) const;
    void setCurrent(int channel);

private:
    QButtonGroup *m_group;
    std::vector<QPushButton *> m_buttons;
};
