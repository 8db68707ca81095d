#include "editors/overview/OverviewWidget.h"

#include "widgets/GroupBox.h"
#include "editors/overview/MeterDialog.h"
#include "wire/ByteWriter.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const char *const RowNames[] = {"armVersionLabel",   "dspVersionLabel", "danteSupportLabel",
                                "danteConnectLabel", "dspUsageLabel",   "serialNumberLabel"};

QString versionText(const DeviceInfo::Version &version)
{
    return QStringLiteral("V%1.%2.%3")
            .arg(QString::number(version[0]), QString::number(version[1]),
                 QString::number(version[2]));
}

// Style state for the sheets: "1" good, "2" fault, empty for plain text.
void setStatus(QLabel *label, const char *status)
{
    if (label->property("status").toString() == QLatin1String(status))
        return;
    label->setProperty("status", QLatin1String(status));
    label->style()->unpolish(label);
    label->style()->polish(label);
}

} // namespace

void OverviewWidget::InfoRow::setShown(bool shown)
{
    name->setVisible(shown);
    value->setVisible(shown);
}

OverviewWidget::OverviewWidget(DataModel *model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("overviewWidget"));
    setFixedHeight(FixedHeight);

    m_inputGroup = new MeterGroup(MeterGroup::InputPostFader, model, this);
    m_inputGroup->setObjectName(QStringLiteral("inputMeterGroup"));
    m_infoPanel = createInfoPanel();
    m_outputGroup = new MeterGroup(MeterGroup::OutputPostFader, model, this);
    m_outputGroup->setObjectName(QStringLiteral("outputMeterGroup"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_inputGroup, 3);
    layout->addWidget(m_infoPanel, 1);
    layout->addWidget(m_outputGroup, 3);

    // The simplified interface shows levels only; mute stays out of reach there too, rather
    // than being switched by a key with nothing on screen to show it.
    const bool simple = model->linkSettings().simple != 0;
    m_infoPanel->setHidden(simple);

    connect(m_inputGroup, &GroupBox::doubleClicked, this, &OverviewWidget::showMeterDialog);
    connect(m_outputGroup, &GroupBox::doubleClicked, this, &OverviewWidget::showMeterDialog);
    connect(m_infoPanel, &GroupBox::doubleClicked, this, &OverviewWidget::infoDoubleClicked);
    connect(m_muteButton, &QPushButton::clicked, this, &OverviewWidget::systemMuteButtonClicked);
    // The login decides what the Dante rows show.
    connect(model, &DataModel::tcpLoginChanged, this, &OverviewWidget::updateDanteSupport);

    m_rangeShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(m_rangeShortcut, &QShortcut::activated, this,
            &OverviewWidget::meterRangeShortcutActivated);
    m_muteShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    m_muteShortcut->setEnabled(!simple);
    connect(m_muteShortcut, &QShortcut::activated, m_muteButton, &QPushButton::click);

    retranslate(); // also fills the Dante rows
    updateArmVersion();
    updateDspVersion();
    updateDspUsage();
    updateSerialNumber();
    updateSystemMute();
}

OverviewWidget::~OverviewWidget() = default;

GroupBox *OverviewWidget::createInfoPanel()
{
    auto *panel = new GroupBox(this);
    panel->setObjectName(QStringLiteral("infoPanel"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int row = 0; row < Rows; ++row) {
        InfoRow &info = m_rows[row];
        info.name = new QLabel(panel);
        info.name->setObjectName(QStringLiteral("infoNameLabel"));
        info.name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        info.value = new QLabel(panel);
        info.value->setObjectName(QLatin1String(RowNames[row]));
        grid->addWidget(info.name, row, 0);
        grid->addWidget(info.value, row, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addStretch();
    layout->addLayout(grid);
    layout->addStretch();

    m_muteButton = new QPushButton(panel);
    m_muteButton->setObjectName(QStringLiteral("muteButton"));
    m_muteButton->setCheckable(true);
    m_muteButton->setFixedSize(86, 25);
    m_muteButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_muteButton, 0, Qt::AlignHCenter);
    return panel;
}

void OverviewWidget::syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::InputMeters)
        updateInputMeters();
    else if (id == Msg::PreMixMeters)
        updateInputPreMeters();
    else if (id == Msg::OutputMeters)
        updateOutputMeters();
    else if (id == Msg::OutputPreMeters)
        updateOutputPreMeters();
    else if (id == Msg::InputLabels)
        updateInputLabels(channel);
    else if (id == Msg::OutputLabels)
        updateOutputLabels(channel);
    else if (id == Msg::SysArmVersion || id == Msg::SysArmBuild)
        updateArmVersion();
    else if (id == Msg::SysDspVersion)
        updateDspVersion();
    else if (id == Msg::SysDanteState) {
        updateDanteSupport();
        updateDanteConnect();
    } else if (id == Msg::SysDspUsage)
        updateDspUsage();
    else if (id == Msg::SysSerialNumber)
        updateSerialNumber();
    else if (id == Msg::SysSystemMute)
        updateSystemMute();
}

void OverviewWidget::updateInputMeters()
{
    m_inputGroup->refresh();
    if (m_meterDialog)
        m_meterDialog->refresh(MeterGroup::InputPostFader);
}

void OverviewWidget::updateInputPreMeters()
{
    if (m_meterDialog)
        m_meterDialog->refresh(MeterGroup::InputPreFader);
}

void OverviewWidget::updateOutputMeters()
{
    m_outputGroup->refresh();
    if (m_meterDialog)
        m_meterDialog->refresh(MeterGroup::OutputPostFader);
}

void OverviewWidget::updateOutputPreMeters()
{
    if (m_meterDialog)
        m_meterDialog->refresh(MeterGroup::OutputPreFader);
}

void OverviewWidget::updateInputLabels(int channel)
{
    if (channel >= 0 && channel < MeterGroup::MeterCount)
        m_inputGroup->refreshToolTip(channel);
    else
        m_inputGroup->refreshToolTips();
    if (m_meterDialog)
        m_meterDialog->refreshToolTips(true, channel);
}

void OverviewWidget::updateOutputLabels(int channel)
{
    if (channel >= 0 && channel < MeterGroup::MeterCount)
        m_outputGroup->refreshToolTip(channel);
    else
        m_outputGroup->refreshToolTips();
    if (m_meterDialog)
        m_meterDialog->refreshToolTips(false, channel);
}

void OverviewWidget::updateArmVersion()
{
    const DeviceInfo &info = m_model->mirror().device;
    QString text = versionText(info.armVersion);
    if (info.armBuild != 0)
        text += QLatin1Char('-') + QString::number(info.armBuild, 16);
    m_rows[ArmVersion].value->setText(text);
}

void OverviewWidget::updateDspVersion()
{
    const QString text = versionText(m_model->mirror().device.dspVersion);
    // 0.0.0: no DSP has reported.
    m_rows[DspVersion].value->setText(text == QLatin1String("V0.0.0") ? QString() : text);
}

void OverviewWidget::updateDanteSupport()
{
    const LinkSettings &settings = m_model->linkSettings();
    InfoRow &support = m_rows[DanteSupport];
    if (!m_model->isLoggedIn()) {
        // Without a device to ask, the row is offered only where Dante is chosen by hand.
        support.value->clear();
        support.setShown(settings.bootMode != 0 && settings.danteUi != 0);
        m_rows[DanteConnect].setShown(false);
        return;
    }
    const bool supported = m_model->mirror().device.danteSupported != 0;
    support.value->setText(supported ? tr("Yes") : tr("No"));
    support.setShown(true);
    m_rows[DanteConnect].setShown(supported);
}

void OverviewWidget::updateDanteConnect()
{
    QLabel *label = m_rows[DanteConnect].value;
    switch (m_model->mirror().device.danteConnected) {
    case 1:
        label->setText(tr("Connected"));
        setStatus(label, "1");
        break;
    case 0:
        label->setText(tr("Disconnected"));
        setStatus(label, "2");
        break;
    default: // 2 until the device has answered
        label->clear();
        setStatus(label, "");
        break;
    }
}

void OverviewWidget::updateDspUsage()
{
    const auto &usage = m_model->mirror().device.dspUsage;
    QString text;
    if (usage[0] > 0 || usage[1] > 0) {
        text = QStringLiteral("%1%, %2%")
                       .arg(QString::number(double(usage[0]), 'f', 1),
                            QString::number(double(usage[1]), 'f', 1));
    }
    m_rows[DspUsage].value->setText(text);
}

void OverviewWidget::updateSerialNumber()
{
    m_rows[SerialNumber].value->setText(m_model->mirror().device.serialNumber);
}

void OverviewWidget::updateSystemMute()
{
    m_muteButton->setChecked(m_model->mirror().device.systemMute == 1);
}

void OverviewWidget::systemMuteButtonClicked(bool checked)
{
    const quint8 mute = checked ? 1 : 0;
    m_model->deviceInfo().systemMute = mute;
    m_model->sendWrite(Msg::SysSystemMute, ByteWriter(1).u8(mute));
}

void OverviewWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask,
                                        quint32 danteInputMask, quint32 danteOutputMask)
{
    m_inputGroup->applyChannelMasks(inputMask, danteInputMask);
    m_outputGroup->applyChannelMasks(outputMask, danteOutputMask);
    m_channelConfig =
            SystemSettings::ChannelMasks {inputMask, outputMask, danteInputMask, danteOutputMask};
    if (m_meterDialog)
        m_meterDialog->applyChannelConfig(inputMask, outputMask, danteInputMask, danteOutputMask);
}

MeterDialog *OverviewWidget::meterDialog()
{
    if (m_meterDialog)
        return m_meterDialog;
    // Built on first use: its four groups are more widgets than the rest of the overview, and
    // many runs never open it. It reads levels and labels from the mirror; the floor and the
    // channel configuration it missed are handed over here.
    m_meterDialog = new MeterDialog(m_model, this);
    connect(m_meterDialog, &MeterDialog::ctrlN, this, &OverviewWidget::dialogMeterRangeChanged);
    if (m_meterDialog->meterFloor() != m_floor)
        m_meterDialog->meterRangeShortcutActivated();
    if (m_channelConfig) {
        const SystemSettings::ChannelMasks &config = *m_channelConfig;
        m_meterDialog->applyChannelConfig(config.input, config.output, config.danteInput,
                                          config.danteOutput);
    }
    return m_meterDialog;
}

void OverviewWidget::showMeterDialog()
{
    MeterDialog *dialog = meterDialog();
    if (dialog->isMinimized())
        dialog->showNormal();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Ctrl+N in the main window: the meter window follows.
void OverviewWidget::meterRangeShortcutActivated()
{
    toggleFloor();
    if (m_meterDialog)
        m_meterDialog->meterRangeShortcutActivated();
}

// The meter window switched its own floor; follow it without switching it back.
void OverviewWidget::dialogMeterRangeChanged()
{
    toggleFloor();
}

void OverviewWidget::toggleFloor()
{
    m_floor = m_floor == MeterDialog::FloorHigh ? MeterDialog::FloorLow : MeterDialog::FloorHigh;
    for (MeterGroup *group : {m_inputGroup, m_outputGroup}) {
        group->setFloor(m_floor);
        group->refresh();
    }
}

void OverviewWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OverviewWidget::retranslate()
{
    m_inputGroup->setTitle(tr("Input"));
    m_outputGroup->setTitle(tr("Output"));
    m_rows[ArmVersion].name->setText(tr("ARM Version :"));
    m_rows[DspVersion].name->setText(tr("DSP Version :"));
    m_rows[DanteSupport].name->setText(tr("Dante Support :"));
    m_rows[DanteConnect].name->setText(tr("Dante Connect Status :"));
    m_rows[DspUsage].name->setText(tr("DSP Usage :"));
    m_rows[SerialNumber].name->setText(tr("Serial Number :"));
    m_muteButton->setText(tr("System Mute"));
    updateDanteSupport();
    updateDanteConnect();
}
