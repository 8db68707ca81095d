#include "editors/overview/MeterDialog.h"

#include "settings/SystemSettings.h"

#include <QEvent>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const char *const GeometryKey = "MeterGeometry";
const QSize DefaultSize(760, 720);

// Top to bottom: each input point, then each output point, before the fader first.
constexpr MeterGroup::Source ShownOrder[] = {MeterGroup::InputPreFader, MeterGroup::InputPostFader,
                                             MeterGroup::OutputPreFader,
                                             MeterGroup::OutputPostFader};

} // namespace

MeterDialog::MeterDialog(const DataModel *model, QWidget *parent) : Dialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("meterDialog"));
    setMinimumWidth(520);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->setSpacing(4);
    for (MeterGroup::Source source : ShownOrder) {
        auto *group = new MeterGroup(source, model, this);
        m_groups[size_t(source)] = group;
        layout->addWidget(group, 1);
    }

    m_rangeShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(m_rangeShortcut, &QShortcut::activated, this, &MeterDialog::ownToggleActivated);
    connect(group(MeterGroup::InputPreFader), &GroupBox::doubleClicked, this,
            &MeterDialog::ownToggleActivated);

    retranslate();
    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
}

MeterDialog::~MeterDialog()
{
    if (isVisible())
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
}

void MeterDialog::refresh(MeterGroup::Source source)
{
    if (isVisible())
        group(source)->refresh();
}

void MeterDialog::refreshToolTips(bool input, int channel)
{
    for (MeterGroup *meters : m_groups) {
        if (meters->isInput() != input)
            continue;
        if (channel >= 0 && channel < MeterGroup::MeterCount)
            meters->refreshToolTip(channel);
        else
            meters->refreshToolTips();
    }
}

void MeterDialog::applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                                     quint32 danteOutputMask)
{
    for (MeterGroup *meters : m_groups) {
        if (meters->isInput())
            meters->applyChannelMasks(inputMask, danteInputMask);
        else
            meters->applyChannelMasks(outputMask, danteOutputMask);
    }
}

// The toggle asked for by the overview: no ctrlN back, or the two would flip each other
// forever.
void MeterDialog::meterRangeShortcutActivated()
{
    m_floor = m_floor == FloorHigh ? FloorLow : FloorHigh;
    for (MeterGroup *meters : m_groups) {
        meters->setFloor(m_floor);
        if (isVisible())
            meters->refresh();
    }
}

void MeterDialog::ownToggleActivated()
{
    meterRangeShortcutActivated();
    emit ctrlN();
}

void MeterDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void MeterDialog::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    for (MeterGroup *meters : m_groups)
        meters->refresh();
}

void MeterDialog::hideEvent(QHideEvent *event)
{
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    Dialog::hideEvent(event);
}

void MeterDialog::retranslate()
{
    setWindowTitle(tr("Meter"));
    group(MeterGroup::InputPreFader)->setTitle(tr("Input Pre Fader"));
    group(MeterGroup::InputPostFader)->setTitle(tr("Input Post Fader"));
    group(MeterGroup::OutputPreFader)->setTitle(tr("Output Pre Fader"));
    group(MeterGroup::OutputPostFader)->setTitle(tr("Output Post Fader"));
}
