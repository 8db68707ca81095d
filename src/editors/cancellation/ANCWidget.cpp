#include "ANCWidget.h"

#include "ToggleRow.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

ANCWidget::ANCWidget(DataModel *model, QWidget *parent)
    : CancellationEditor(model, parent), m_channels(new QButtonGroup(this)),
      m_channelRow(new ToggleRow(Channels, QStringLiteral("channel"), this, 8)),
      m_levels(new QButtonGroup(this)), m_channelCaption(new QLabel(this)),
      m_levelCaption(new QLabel(this))
{
    setObjectName(QStringLiteral("ancWidget"));
    m_channels->setExclusive(true);
    for (int ch = 0; ch < Channels; ++ch)
        m_channels->addButton(m_channelRow->button(ch), ch);
    registerInputRow(m_channelRow);

    auto *levels = new QWidget(this);
    auto *levelLayout = new QHBoxLayout(levels);
    levelLayout->setContentsMargins(0, 0, 0, 0);
    levelLayout->setSpacing(0);
    m_levels->setExclusive(true);
    for (int id = 0; id < Levels; ++id) {
        auto *b = new QPushButton(levels);
        b->setObjectName(QString::number(id));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(100);
        b->setProperty("horizontalButtonPosition",
                       id == 0 ? "first" : id == Levels - 1 ? "last" : "middle");
        m_levels->addButton(b, id);
        levelLayout->addWidget(b);
    }
    form()->addWidget(m_channelCaption, 0, 0, 1, 2);
    addRow(1, m_channelRow);
    form()->addWidget(m_levelCaption, 2, 0, 1, 2);
    addRow(3, levels);

    connect(m_channels, &QButtonGroup::idClicked, this,
            &ANCWidget::channelButtonGroupButtonClicked);
    connect(m_levels, &QButtonGroup::idClicked, this,
            &ANCWidget::noiseReductionLevelButtonGroupButtonClicked);
    m_channelRow->button(0)->setChecked(true);
    retranslate();
    refresh();
}

QPushButton *ANCWidget::channelButton(int channel) const
{
    return m_channelRow->button(channel);
}

QPushButton *ANCWidget::levelButton(int level) const
{
    return qobject_cast<QPushButton *>(m_levels->button(level));
}

void ANCWidget::refresh()
{
    for (int ch = 0; ch < Channels; ++ch) {
        QPushButton *b = m_channelRow->button(ch);
        const QString status = model()->input(ch).noiseReduction ? QStringLiteral("1")
                                                                 : QStringLiteral("0");
        if (b->property("status").toString() != status) {
            b->setProperty("status", status);
            b->style()->unpolish(b);
            b->style()->polish(b);
        }
    }
    showSelectedLevel();
    refreshLabels();
}

void ANCWidget::showSelectedLevel()
{
    const int level = qMin(int(model()->input(m_channel).noiseReduction), Levels - 1);
    m_levels->button(level)->setChecked(true);
}

void ANCWidget::channelButtonGroupButtonClicked(int channel)
{
    if (channel < 0 || channel >= Channels)
        return;
    m_channel = channel;
    showSelectedLevel();
}

void ANCWidget::noiseReductionLevelButtonGroupButtonClicked(int level)
{
    if (level < 0 || level >= Levels)
        return;
    model()->input(m_channel).noiseReduction = quint8(level);
    model()->sendWrite(Msg::AncLevel, SetPayload::channelByte(quint8(m_channel), quint8(level)));
    refresh();
}

void ANCWidget::retranslate()
{
    m_channelCaption->setText(tr("Channel Enabled"));
    m_levelCaption->setText(tr("Noise Reduction Level"));
    const char *const levels[] = {QT_TR_NOOP("Disabled"), QT_TR_NOOP("Weak"),
                                  QT_TR_NOOP("Strong"), QT_TR_NOOP("Strongest")};
    for (int id = 0; id < Levels; ++id)
        m_levels->button(id)->setText(tr(levels[id]));
}
