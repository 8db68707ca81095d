#include "editors/overview/MeterGroup.h"

#include "widgets/Meter.h"
#include "model/DataModel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int PairColumn = MeterGroup::Channels;
constexpr int AlwaysShown = 8; // channels 1 to 8 exist in every configuration
constexpr quint32 PairBit = 1u << 8;
constexpr int PairMinimumWidth = 40;
const QString DantePrefix = QStringLiteral("Dante-");

} // namespace

MeterGroup::MeterGroup(Source source, const DataModel *model, QWidget *parent)
    : GroupBox(parent), m_source(source), m_model(model)
{
    setObjectName(QStringLiteral("meterGroup"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int channel = 0; channel < Channels; ++channel) {
        m_columns[size_t(channel)] = addColumn(channel, 1);
        layout->addWidget(m_columns[size_t(channel)].widget, 1);
    }
    m_columns[PairColumn] = addColumn(PairFirst, 2);
    layout->addWidget(m_columns[PairColumn].widget, 2);

    for (int channel = 0; channel < Channels; ++channel)
        m_columns[size_t(channel)].caption->setText(captionOf(channel));
    retranslate();
    refreshToolTips();
}

MeterGroup::Column MeterGroup::addColumn(int firstMeter, int meterCount)
{
    Column column;
    column.widget = new QWidget(this);
    auto *layout = new QVBoxLayout(column.widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto *meters = new QHBoxLayout;
    meters->setSpacing(3);
    meters->addStretch();
    for (int i = firstMeter; i < firstMeter + meterCount; ++i) {
        auto *meter = new Meter(column.widget);
        // The index as object name: one handler serves every channel.
        meter->setObjectName(QString::number(i));
        meter->setFixedWidth(MeterWidth);
        meter->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        meter->setMinimumHeight(24);
        meter->setRange(m_floor, Maximum);
        m_meters[size_t(i)] = meter;
        meters->addWidget(meter);
    }
    meters->addStretch();
    layout->addLayout(meters, 1);

    const bool pair = meterCount > 1;
    column.number = new QLabel(column.widget);
    column.number->setObjectName(pair ? QStringLiteral("meterPairNumberLabel")
                                      : QStringLiteral("meterNumberLabel"));
    column.number->setAlignment(Qt::AlignCenter);
    if (pair)
        column.number->setMinimumWidth(PairMinimumWidth);
    column.caption = new QLabel(column.widget);
    column.caption->setObjectName(QStringLiteral("meterCaptionLabel"));
    column.caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(column.number, 0, Qt::AlignHCenter);
    layout->addWidget(column.caption);

    const QString floorText = QString::number(m_floor);
    column.number->setText(pair ? floorText + QLatin1Char('/') + floorText : floorText);
    return column;
}

void MeterGroup::setFloor(int floor)
{
    m_floor = floor;
    for (Meter *meter : m_meters)
        meter->setRange(floor, Maximum);
}

// Every number label gets the fixed size of the widest number it can show (the lowest floor),
// so a changing level redraws one label and never lays out the group again, and switching the
// floor never changes the width the overview needs.
void MeterGroup::fitNumberLabels()
{
    if (!testAttribute(Qt::WA_WState_Polished))
        return; // the style sheet has not given the labels their font yet
    // The size the label needs for text instead of what it shows now (frame and margins kept).
    const auto sizeFor = [](const QLabel *label, const QString &text) {
        const QFontMetrics metrics = label->fontMetrics();
        const QSize hint = label->sizeHint();
        return QSize(hint.width() - metrics.horizontalAdvance(label->text())
                             + metrics.horizontalAdvance(text),
                     hint.height());
    };
    const QString widest = QStringLiteral("-100");
    // The sixteen channel labels share one style: one of them measures for all.
    const QSize channel = sizeFor(m_columns[0].number, widest);
    for (int i = 0; i < PairColumn; ++i)
        m_columns[size_t(i)].number->setFixedSize(channel);
    QLabel *pairLabel = m_columns[PairColumn].number;
    QSize pair = sizeFor(pairLabel, widest + QLatin1Char('/') + widest);
    pair.setWidth(std::max(pair.width(), PairMinimumWidth));
    pairLabel->setFixedSize(pair);
}

qint8 MeterGroup::levelOf(int index) const
{
    const ParameterMirror &mirror = m_model->mirror();
    switch (m_source) {
    case InputPostFader:
        return mirror.inputs[size_t(index)].postMeter;
    case InputPreFader:
        return mirror.inputs[size_t(index)].preMeter;
    case OutputPostFader:
        return mirror.outputs[size_t(index)].postMeter;
    case OutputPreFader:
        return mirror.outputs[size_t(index)].preMeter;
    }
    return MeterFloor;
}

// The number reads the level, or the meter's floor when the level lies below it (−100, no
// signal, reads as the floor).
QString MeterGroup::levelText(int index) const
{
    const int level = levelOf(index);
    const int minimum = m_meters[size_t(index)]->minimum();
    return QString::number(level < minimum ? minimum : level);
}

void MeterGroup::refresh()
{
    for (int index = 0; index < MeterCount; ++index)
        m_meters[size_t(index)]->setLevel(levelOf(index));
    for (int channel = 0; channel < Channels; ++channel)
        m_columns[size_t(channel)].number->setText(levelText(channel));
    m_columns[PairColumn].number->setText(levelText(PairFirst) + QLatin1Char('/')
                                          + levelText(PairFirst + 1));
}

void MeterGroup::refreshToolTip(int channel)
{
    if (channel < 0 || channel >= MeterCount)
        return;
    const ParameterMirror &mirror = m_model->mirror();
    m_meters[size_t(channel)]->setToolTip(isInput() ? mirror.inputs[size_t(channel)].label
                                                    : mirror.outputs[size_t(channel)].label);
}

void MeterGroup::refreshToolTips()
{
    for (int channel = 0; channel < MeterCount; ++channel)
        refreshToolTip(channel);
}

void MeterGroup::applyChannelMasks(quint32 channelMask, quint32 danteMask)
{
    m_danteMask = danteMask;
    for (int channel = AlwaysShown; channel < Channels; ++channel) {
        const Column &column = m_columns[size_t(channel)];
        column.widget->setHidden(channelMask & (1u << (channel - AlwaysShown)));
        column.caption->setText(captionOf(channel));
    }
    m_columns[PairColumn].widget->setHidden(channelMask & PairBit);
}

// Channels 9..16 may be Dante channels: those read as their default name without "Dante-",
// so the first receive channel is captioned RX 1.
QString MeterGroup::captionOf(int channel) const
{
    if (channel >= AlwaysShown && (m_danteMask & (1u << (channel - AlwaysShown)))) {
        const ParameterMirror &mirror = m_model->mirror();
        QString name = isInput() ? mirror.inputs[size_t(channel)].defaultName
                                 : mirror.outputs[size_t(channel)].defaultName;
        return name.remove(DantePrefix);
    }
    return QString::number(channel + 1);
}

QLabel *MeterGroup::numberLabel(int index) const
{
    return m_columns[size_t(std::min(index, int(PairColumn)))].number;
}

QLabel *MeterGroup::captionLabel(int index) const
{
    return m_columns[size_t(std::min(index, int(PairColumn)))].caption;
}

QWidget *MeterGroup::column(int index) const
{
    return m_columns[size_t(std::min(index, int(PairColumn)))].widget;
}

void MeterGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        fitNumberLabels();
    GroupBox::changeEvent(event);
}

bool MeterGroup::event(QEvent *event)
{
    const bool handled = GroupBox::event(event);
    if (event->type() == QEvent::Polish) {
        // A group box measures its frame while it is being built, when the style sheet still
        // sees a plain group box; measure again now that the rules for meter groups apply.
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(this, &styleChange);
    }
    return handled;
}

void MeterGroup::showEvent(QShowEvent *event)
{
    fitNumberLabels();
    GroupBox::showEvent(event);
}

void MeterGroup::retranslate()
{
    m_columns[PairColumn].caption->setText(isInput() ? tr("Play") : tr("Rec"));
    for (int channel = AlwaysShown; channel < Channels; ++channel) // the Dante captions
        m_columns[size_t(channel)].caption->setText(captionOf(channel));
}
