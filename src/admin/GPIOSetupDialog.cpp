#include "GPIOSetupDialog.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "settings/SystemSettings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace GpioParameters;

namespace {

const char *const GeometryKey = "GPIOSetupGeometry";
const QSize DefaultSize(520, 200);
const quint8 LabelsSubType = 3;

} // namespace

GPIOSetupDialog::GPIOSetupDialog(DataModel *model, QWidget *parent) : Dialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("gpioSetupDialog"));

    m_portLabel = new QLabel(this);
    m_idButtonGroup = new QButtonGroup(this);
    m_idButtonGroup->setExclusive(true);
    auto *ports = new QHBoxLayout;
    ports->setSpacing(0);
    for (int p = 0; p < GpioPort::PortCount; ++p) {
        auto *button = new QPushButton(QStringLiteral("%1").arg(p + 1), this);
        button->setObjectName(QStringLiteral("gpioPortButton%1").arg(p));
        button->setCheckable(true);
        button->setMinimumWidth(40);
        if (p == 0)
            button->setProperty("horizontalButtonPosition", QStringLiteral("first"));
        else if (p == GpioPort::PortCount - 1)
            button->setProperty("horizontalButtonPosition", QStringLiteral("last"));
        else
            button->setProperty("horizontalButtonPosition", QStringLiteral("middle"));
        m_idButtonGroup->addButton(button, p);
        ports->addWidget(button);
    }
    ports->addStretch(1);
    m_idButtonGroup->button(0)->setChecked(true);
    connect(m_idButtonGroup, &QButtonGroup::idClicked, this,
            &GPIOSetupDialog::idButtonGroupButtonClicked);

    m_functionLabel = new QLabel(this);
    m_functionComboBox = new QComboBox(this);
    m_functionComboBox->setObjectName(QStringLiteral("functionComboBox"));
    m_functionComboBox->addItems({QString(), QString(), QString()});
    m_parameterLabel = new QLabel(this);
    m_parameterLabel->setObjectName(QStringLiteral("parameterLabel"));
    m_parameterComboBox = new QComboBox(this);
    m_parameterComboBox->setObjectName(QStringLiteral("parameterComboBox"));
    m_parameterComboBox->setMinimumWidth(200);
    m_parameterComboBox->setMaxVisibleItems(16);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(m_portLabel, 0, 0);
    grid->addLayout(ports, 0, 1);
    grid->addWidget(m_functionLabel, 1, 0);
    grid->addWidget(m_functionComboBox, 1, 1);
    grid->addWidget(m_parameterLabel, 2, 0);
    grid->addWidget(m_parameterComboBox, 2, 1);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addLayout(grid);
    layout->addStretch(1);

    retranslate();
    showPort();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
}

GPIOSetupDialog::~GPIOSetupDialog()
{
    if (isVisible())
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
}

// ---- from the main window -------------------------------------------------------------------

void GPIOSetupDialog::refreshPort(int port)
{
    if (port == m_port)
        showPort();
}

void GPIOSetupDialog::rebuildChannelList()
{
    if (m_functionComboBox->currentIndex() != Mute)
        return;
    fillParameters(Mute);
}

void GPIOSetupDialog::applyChannelConfig(quint32 inputMask, quint32 outputMask,
                                         quint32 danteInputMask, quint32 danteOutputMask)
{
    m_inputMask = inputMask;
    m_outputMask = outputMask;
    m_danteInputMask = danteInputMask;
    m_danteOutputMask = danteOutputMask;
    rebuildChannelList();
}

void GPIOSetupDialog::syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar,
                                    const QVariant &)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::GpioPort)
        refreshPort(channel);
    else if ((type == Msg::GpioPort.type && subType == LabelsSubType) || id == Msg::SysDanteState)
        rebuildChannelList();
}

// ---- user actions ---------------------------------------------------------------------------

void GPIOSetupDialog::idButtonGroupButtonClicked(int id)
{
    if (id < 0 || id >= GpioPort::PortCount)
        return;
    m_port = id;
    showPort();
}

void GPIOSetupDialog::functionComboBoxCurrentIndexChanged(int index)
{
    if (index < 0)
        return;
    GpioPort &port = m_model->mirror().gpio[size_t(m_port)];
    port = withFunction(port, quint8(index));
    fillParameters(quint8(index));
    sendPort();
}

void GPIOSetupDialog::parameterItemComboBoxCurrentIndexChanged(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    GpioPort &port = m_model->mirror().gpio[size_t(m_port)];
    port = withParameter(port, m_items[index].value);
    sendPort();
}

// ---- showing --------------------------------------------------------------------------------

void GPIOSetupDialog::showPort()
{
    const GpioPort &port = m_model->mirror().gpio[size_t(m_port)];
    if (QAbstractButton *button = m_idButtonGroup->button(m_port))
        button->setChecked(true);
    const quint8 function = qMin<quint8>(port.kind, LoadPreset);
    setFunctionSignalConnected(false);
    m_functionComboBox->setCurrentIndex(function);
    setFunctionSignalConnected(true);
    fillParameters(function);
}

// Refills the list and selects the stored parameter, or nothing when the list lacks it. The
// change signal stays disconnected meanwhile: refilling never sends.
void GPIOSetupDialog::fillParameters(quint8 function)
{
    setParameterSignalConnected(false);
    m_items = items(function, m_inputMask, m_outputMask);
    m_parameterComboBox->clear();
    const bool connected = m_model->deviceInfo().danteConnected == 1;
    const QIcon dante(connected ? QStringLiteral(":/image/dante_connected.png")
                                : QStringLiteral(":/image/dante_disconnected.png"));
    for (const Item &item : qAsConst(m_items)) {
        const quint32 danteMask = item.kind == Item::Input ? m_danteInputMask : m_danteOutputMask;
        if (item.kind != Item::Preset && maskCovers(danteMask, item.index))
            m_parameterComboBox->addItem(dante, itemText(item), item.value);
        else
            m_parameterComboBox->addItem(itemText(item), item.value);
    }
    // For None there is nothing to choose: the list stays empty and cannot be opened.
    m_parameterComboBox->setEnabled(function != None);
    retranslate();
    const GpioPort &port = m_model->mirror().gpio[size_t(m_port)];
    m_parameterComboBox->setCurrentIndex(indexOfValue(m_items, parameter(port)));
    setParameterSignalConnected(true);
}

QString GPIOSetupDialog::itemText(const Item &item) const
{
    switch (item.kind) {
    case Item::Input: {
        const InputChannel &in = m_model->mirror().inputs[size_t(item.index)];
        return in.label.isEmpty() ? in.defaultName : in.label;
    }
    case Item::Output: {
        const OutputChannel &out = m_model->mirror().outputs[size_t(item.index)];
        return out.label.isEmpty() ? out.defaultName : out.label;
    }
    case Item::Preset:
        return QStringLiteral("%1").arg(item.index + 1);
    }
    return QString();
}

void GPIOSetupDialog::sendPort()
{
    m_model->sendWrite(
            Msg::GpioPort,
            SetPayload::gpioPort(quint8(m_port), m_model->mirror().gpio[size_t(m_port)]));
}

void GPIOSetupDialog::setFunctionSignalConnected(bool connected)
{
    if (connected)
        connect(m_functionComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &GPIOSetupDialog::functionComboBoxCurrentIndexChanged, Qt::UniqueConnection);
    else
        disconnect(m_functionComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &GPIOSetupDialog::functionComboBoxCurrentIndexChanged);
}

void GPIOSetupDialog::setParameterSignalConnected(bool connected)
{
    if (connected)
        connect(m_parameterComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &GPIOSetupDialog::parameterItemComboBoxCurrentIndexChanged, Qt::UniqueConnection);
    else
        disconnect(m_parameterComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &GPIOSetupDialog::parameterItemComboBoxCurrentIndexChanged);
}

// ---- window ---------------------------------------------------------------------------------

void GPIOSetupDialog::showEvent(QShowEvent *event)
{
    m_model->setDialogOpen(StatusPoll::GpioSetupDialog, true);
    Dialog::showEvent(event);
}

void GPIOSetupDialog::hideEvent(QHideEvent *event)
{
    m_model->setDialogOpen(StatusPoll::GpioSetupDialog, false);
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    Dialog::hideEvent(event);
}

void GPIOSetupDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        if (m_functionComboBox->currentIndex() == Mute)
            fillParameters(Mute);
    }
    Dialog::changeEvent(event);
}

void GPIOSetupDialog::retranslate()
{
    setWindowTitle(tr("GPIO Setup"));
    m_portLabel->setText(tr("GPIO"));
    m_functionLabel->setText(tr("Function"));
    m_functionComboBox->setItemText(None, tr("None"));
    m_functionComboBox->setItemText(Mute, tr("Mute"));
    m_functionComboBox->setItemText(LoadPreset, tr("Load Preset"));
    switch (m_functionComboBox->currentIndex()) {
    case Mute:
        m_parameterLabel->setText(tr("Channel"));
        break;
    case LoadPreset:
        m_parameterLabel->setText(tr("Preset"));
        break;
    default:
        m_parameterLabel->setText(tr("Parameter"));
        break;
    }
}
