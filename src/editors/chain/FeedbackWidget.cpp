#include "FeedbackWidget.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FeedbackWidget::FeedbackWidget(DataModel *model, QWidget *parent)
    : ChannelStripWidget(model, Inputs, Channels, parent), m_controls(Channels)
{
    setObjectName(QStringLiteral("feedbackWidget"));
    buildColumns(94);
}

void FeedbackWidget::buildChannel(int channel, QVBoxLayout *column)
{
    QWidget *parent = channelWidget(channel);
    Controls &c = m_controls[size_t(channel)];
    c.caption = new QLabel(parent);
    c.caption->setObjectName(QStringLiteral("stripCaptionLabel"));
    c.caption->setAlignment(Qt::AlignCenter);
    c.caption->setWordWrap(true);
    c.enabledButton = new QPushButton(parent);
    c.enabledButton->setObjectName(QString::number(channel));
    c.enabledButton->setProperty("control", QLatin1String("enabled"));
    c.enabledButton->setCheckable(true);
    c.enabledButton->setFocusPolicy(Qt::NoFocus);
    column->addSpacing(4);
    column->addWidget(c.caption);
    column->addWidget(c.enabledButton);
    column->addStretch(1);
    connect(c.enabledButton, &QPushButton::clicked, this, &FeedbackWidget::enabledButtonClicked);
}

void FeedbackWidget::retranslate()
{
    for (Controls &c : m_controls) {
        c.caption->setText(tr("Suppressor"));
        c.enabledButton->setText(tr("Enabled"));
    }
}

void FeedbackWidget::showChannel(int channel)
{
    m_controls[size_t(channel)].enabledButton->setChecked(model()->input(channel).feedbackEnabled
                                                          != 0);
}

void FeedbackWidget::enabledButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    model()->input(ch).feedbackEnabled = on ? 1 : 0;
    model()->sendWrite(Msg::FeedbackEnable, SetPayload::channelByte(quint8(ch), on ? 1 : 0));
}
