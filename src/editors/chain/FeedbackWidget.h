#pragma once

#include "ChannelStripWidget.h"

#include <vector>

class QLabel;
class QPushButton;

// The "Feedback" page: the feedback suppressor of every input, switched by "Enabled".
class FeedbackWidget : public ChannelStripWidget
{
    Q_OBJECT

public:
    static constexpr int Channels = 16;

    explicit FeedbackWidget(DataModel *model, QWidget *parent = nullptr);

public slots:
    void enabledButtonClicked(bool on);

protected:
    void buildChannel(int channel, QVBoxLayout *column) override;
    void showChannel(int channel) override;
    void retranslate() override;

private:
    struct Controls
    {
        QLabel *caption = nullptr;
        QPushButton *enabledButton = nullptr;
    };
    std::vector<Controls> m_controls;
};
