#include "DeviceSetupDialog.h"

#include "PasswordDialog.h"
#include "SetupRules.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/SpinBox.h"
#include "wire/LocalText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

using namespace SetupRules;

namespace {

const char *const GeometryKey = "DeviceSetupGeometry";
const QSize DefaultSize(1400, 800);
constexpr int TextBytes = 16; // location and description
constexpr int LimitMinimum = -56;
constexpr int LimitMaximum = 12;
constexpr int ArmDetailMs = 10000; // the detailed ARM version stays this long
const quint8 DspFaultBit = 0x01;
const quint8 CodecFaultBit = 0x10;
constexpr quint32 RailFailed = 2;
const char *const BaudRates[] = {"9600", "19200", "57600", "115200"};
constexpr int SlaveMode = 2;
constexpr int AlwaysShown = 8;

// The five supply rails in the order the device reports them.
const char *const RailNames[] = {"+5V", "+48V", "-5V", "+15V", "-15V"};
const char *const RailValues[] = {"rail0Value", "rail1Value", "rail2Value", "rail3Value",
                                  "rail4Value"};

void setComboText(QComboBox *box, const QString &text)
{
    const QSignalBlocker block(box);
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
}

void setEditText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

DeviceSetupDialog::DeviceSetupDialog(DataModel *model, QWidget *parent)
    : Dialog(parent), m_model(model), m_armDetailTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("deviceSetupDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    m_armDetailTimer->setSingleShot(true);
    m_armDetailTimer->setInterval(ArmDetailMs);
    connect(m_armDetailTimer, &QTimer::timeout, this, &DeviceSetupDialog::timeout);

    auto *limits = new QWidget;
    auto *limitLayout = new QHBoxLayout(limits);
    limitLayout->setContentsMargins(0, 0, 0, 0);
    m_inputLimitGroup = buildLimits(m_inputLimits, true);
    m_outputLimitGroup = buildLimits(m_outputLimits, false);
    limitLayout->addWidget(m_inputLimitGroup);
    limitLayout->addWidget(m_outputLimitGroup);
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("limitScrollArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(limits);
    // Both groups side by side in full (updateLimitWidth()); only the rows scroll.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_limitScroll = scroll;
    m_limitGroup = new QGroupBox(this);
    m_limitGroup->setObjectName(QStringLiteral("volumeLimitGroup"));
    auto *limitGroupLayout = new QVBoxLayout(m_limitGroup);
    limitGroupLayout->addWidget(scroll);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(buildInformation());
    layout->addWidget(buildGeneralSetup());
    layout->addWidget(m_limitGroup, 1);

    retranslate();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
}

DeviceSetupDialog::~DeviceSetupDialog()
{
    if (isVisible()) {
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
        m_model->setDialogOpen(StatusPoll::DeviceSetupDialog, false);
    }
}

// ---- building -------------------------------------------------------------------------------

QLabel *DeviceSetupDialog::addInfoRow(QGridLayout *grid, int row, const char *objectName)
{
    auto *value = new QLabel(this);
    value->setObjectName(QLatin1String(objectName));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(value, row, 2);
    return value;
}

QGroupBox *DeviceSetupDialog::buildInformation()
{
    m_informationGroup = new QGroupBox(this);
    m_informationGroup->setObjectName(QStringLiteral("deviceInformationGroup"));
    auto *grid = new QGridLayout(m_informationGroup);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(7);
    int row = 0;
    const auto caption = [&](const char *source, int column = 0) {
        auto *label = new QLabel(this);
        m_captions.append({label, source});
        grid->addWidget(label, row, column);
        return label;
    };
    const auto plain = [&](const char *source, const char *objectName) {
        caption(source);
        addInfoRow(grid, row, objectName);
        ++row;
    };
    plain(QT_TR_NOOP("Device Model"), "modelValue");
    plain(QT_TR_NOOP("DSP Version"), "dspVersionValue");
    plain(QT_TR_NOOP("ARM Version"), "armVersionValue");
    m_armVersionLabel = findChild<QLabel *>(QStringLiteral("armVersionValue"));
    m_armVersionLabel->installEventFilter(this);
    plain(QT_TR_NOOP("Code ID"), "codeIdValue");
    plain(QT_TR_NOOP("Serial Number"), "serialNumberValue");
    plain(QT_TR_NOOP("Boot Count"), "bootCountValue");
    plain(QT_TR_NOOP("Temperature"), "temperatureValue");
    plain(QT_TR_NOOP("Run Time"), "runTimeValue");
    plain(QT_TR_NOOP("Total Time"), "totalTimeValue");
    plain(QT_TR_NOOP("USB Status"), "usbStatusValue");
    plain(QT_TR_NOOP("Channel Config"), "channelConfigValue");
    plain(QT_TR_NOOP("Dante Support"), "danteSupportValue");
    caption(QT_TR_NOOP("Device Status"));
    grid->addWidget(new QLabel(QStringLiteral("DSP"), this), row, 1);
    addInfoRow(grid, row++, "dspStatusValue");
    caption(QT_TR_NOOP("Codec"), 1);
    addInfoRow(grid, row++, "codecStatusValue");
    caption(QT_TR_NOOP("Device Voltage"));
    for (int rail = 0; rail < 5; ++rail) {
        grid->addWidget(new QLabel(QLatin1String(RailNames[rail]), this), row, 1);
        addInfoRow(grid, row++, RailValues[rail]);
    }
    plain(QT_TR_NOOP("MAC Address"), "macAddressValue");
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(2, 1);
    return m_informationGroup;
}

QGroupBox *DeviceSetupDialog::buildGeneralSetup()
{
    m_generalGroup = new QGroupBox(this);
    m_generalGroup->setObjectName(QStringLiteral("generalSetupGroup"));
    auto *grid = new QGridLayout(m_generalGroup);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(7);
    int row = 0;
    const auto caption = [&](const char *source) {
        auto *label = new QLabel(this);
        m_captions.append({label, source});
        grid->addWidget(label, row, 0);
        return label;
    };
    const auto edit = [&](const char *source, const char *objectName) {
        caption(source);
        auto *e = new LineEdit(this);
        e->setObjectName(QLatin1String(objectName));
        grid->addWidget(e, row++, 1, 1, 2);
        return e;
    };

    caption(QT_TR_NOOP("Device ID"));
    m_deviceIdLabel = new QLabel(this);
    m_deviceIdLabel->setObjectName(QStringLiteral("deviceIdValue"));
    grid->addWidget(m_deviceIdLabel, row++, 1, 1, 2);
    m_locationEdit = edit(QT_TR_NOOP("Device Location"), "deviceLocationEdit");
    m_descriptionEdit = edit(QT_TR_NOOP("Device Description"), "deviceDescriptionEdit");
    for (QLineEdit *e : {m_locationEdit, m_descriptionEdit})
        e->setMaxLength(TextBytes);
    m_addressEdit = edit(QT_TR_NOOP("IP Address"), "ipAddressEdit");
    m_netmaskEdit = edit(QT_TR_NOOP("Subnet Mask"), "netmaskEdit");
    m_gatewayEdit = edit(QT_TR_NOOP("Gateway"), "gatewayEdit");
    const QRegularExpression host(hostPattern());
    m_addressEdit->setValidator(new QRegularExpressionValidator(host, m_addressEdit));
    m_netmaskEdit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(maskPattern()), m_netmaskEdit));
    m_gatewayEdit->setValidator(new QRegularExpressionValidator(host, m_gatewayEdit));

    caption(QT_TR_NOOP("Gate Report"));
    m_gateReportBox = new QComboBox(this);
    m_gateReportBox->setObjectName(QStringLiteral("gateReportComboBox"));
    m_gateReportBox->addItems({QString(), QString()});
    grid->addWidget(m_gateReportBox, row++, 1, 1, 2);

    QStringList rates;
    for (const char *rate : BaudRates)
        rates << QLatin1String(rate);
    caption(nullptr)->setObjectName(QStringLiteral("rs232Caption"));
    m_rs232Box = new QComboBox(this);
    m_rs232Box->setObjectName(QStringLiteral("rs232ComboBox"));
    m_rs232Box->addItems(rates);
    m_rs232Box->setCurrentText(QStringLiteral("115200"));
    grid->addWidget(m_rs232Box, row++, 1, 1, 2);
    caption(nullptr)->setObjectName(QStringLiteral("rs485Caption"));
    m_rs485Box = new QComboBox(this);
    m_rs485Box->setObjectName(QStringLiteral("rs485ComboBox"));
    m_rs485Box->addItems(rates);
    m_rs485Box->setCurrentText(QStringLiteral("19200"));
    m_rs485Box->setEnabled(false); // shows the device's rate; nothing is sent for it
    grid->addWidget(m_rs485Box, row++, 1, 1, 2);

    caption(QT_TR_NOOP("USB Auto Play"));
    m_onBootBox = new QCheckBox(this);
    m_onBootBox->setObjectName(QStringLiteral("onBootCheckBox"));
    m_afterInsertBox = new QCheckBox(this);
    m_afterInsertBox->setObjectName(QStringLiteral("afterInsertingCheckBox"));
    grid->addWidget(m_onBootBox, row, 1);
    grid->addWidget(m_afterInsertBox, row++, 2);

    caption(QT_TR_NOOP("Data Sync(Dual backup)"));
    m_syncModeBox = new QComboBox(this);
    m_syncModeBox->setObjectName(QStringLiteral("syncModeComboBox"));
    m_syncModeBox->addItems({QString(), QString(), QString()});
    m_syncStatusLabel = new QLabel(this);
    m_syncStatusLabel->setObjectName(QStringLiteral("syncStatusValue"));
    grid->addWidget(m_syncModeBox, row, 1);
    grid->addWidget(m_syncStatusLabel, row++, 2);
    m_syncHostLabel = caption(QT_TR_NOOP("Master IP Address"));
    m_syncHostEdit = new LineEdit(this);
    m_syncHostEdit->setObjectName(QStringLiteral("syncHostEdit"));
    m_syncHostEdit->setValidator(new QRegularExpressionValidator(host, m_syncHostEdit));
    grid->addWidget(m_syncHostEdit, row++, 1, 1, 2);

    caption(QT_TR_NOOP("Fan Test"));
    m_fanButton = new QPushButton(this);
    m_fanButton->setObjectName(QStringLiteral("fanButton"));
    m_fanButton->setCheckable(true);
    grid->addWidget(m_fanButton, row++, 1);
    m_fanText = new QLabel(this);
    m_fanText->setObjectName(QStringLiteral("fanText"));
    m_fanText->setWordWrap(true);
    m_fanText->setProperty("desc", true);
    grid->addWidget(m_fanText, row++, 0, 1, 3);

    m_passwordLabel = new QLabel(this);
    grid->addWidget(m_passwordLabel, row, 0);
    m_passwordButton = new QPushButton(this);
    m_passwordButton->setObjectName(QStringLiteral("passwordButton"));
    grid->addWidget(m_passwordButton, row++, 1);
    m_userPasswordLabel = new QLabel(this);
    grid->addWidget(m_userPasswordLabel, row, 0);
    m_userPasswordButton = new QPushButton(this);
    m_userPasswordButton->setObjectName(QStringLiteral("userPasswordButton"));
    grid->addWidget(m_userPasswordButton, row++, 1);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    m_generalGroup->setMaximumWidth(470);

    for (QLineEdit *e : {m_addressEdit, m_netmaskEdit, m_gatewayEdit, m_syncHostEdit})
        e->installEventFilter(this);
    connect(m_locationEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupDialog::deviceLocationEditingFinished);
    connect(m_descriptionEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupDialog::deviceDescriptionEditingFinished);
    connect(m_addressEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupDialog::ipAddressEditingFinished);
    connect(m_netmaskEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupDialog::netmaskEditingFinished);
    connect(m_gatewayEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupDialog::gatewayEditingFinished);
    connect(m_syncHostEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupDialog::syncHostIPAddressEditingFinished);
    connect(m_gateReportBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DeviceSetupDialog::gateReportComboBoxCurrentIndexChanged);
    connect(m_rs232Box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DeviceSetupDialog::rs232ComboBoxCurrentIndexChanged);
    connect(m_syncModeBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DeviceSetupDialog::syncModeComboBoxChanged);
    connect(m_onBootBox, &QCheckBox::clicked, this, &DeviceSetupDialog::usbAutoPlayCheckBoxClicked);
    connect(m_afterInsertBox, &QCheckBox::clicked, this,
            &DeviceSetupDialog::usbAutoPlayCheckBoxClicked);
    connect(m_fanButton, &QPushButton::clicked, this, &DeviceSetupDialog::fanButtonClicked);
    connect(m_passwordButton, &QPushButton::clicked, this,
            &DeviceSetupDialog::changePasswordButtonClicked);
    connect(m_userPasswordButton, &QPushButton::clicked, this,
            &DeviceSetupDialog::changeUserPasswordButtonClicked);
    return m_generalGroup;
}

QGroupBox *DeviceSetupDialog::buildLimits(LimitRows &rows, bool inputs)
{
    auto *group = new QGroupBox(this);
    group->setObjectName(inputs ? QStringLiteral("inputLimitGroup")
                                : QStringLiteral("outputLimitGroup"));
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const char *const headers[] = {QT_TR_NOOP("Minimum"), QT_TR_NOOP("Maximum")};
    for (int column = 1; column <= 2; ++column) {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        m_captions.append({label, headers[column - 1]});
        grid->addWidget(label, 0, column);
    }
    const auto minimumSlot = inputs ? &DeviceSetupDialog::inputMinimumBoxValueChanged
                                    : &DeviceSetupDialog::outputMinimumBoxValueChanged;
    const auto maximumSlot = inputs ? &DeviceSetupDialog::inputMaximumBoxValueChanged
                                    : &DeviceSetupDialog::outputMaximumBoxValueChanged;
    for (int ch = 0; ch < LimitChannels; ++ch) {
        LimitRow &r = rows[size_t(ch)];
        r.name = new QLabel(this);
        r.minimum = new SpinBox(this);
        r.maximum = new SpinBox(this);
        for (QSpinBox *box : {r.minimum, r.maximum}) {
            box->setObjectName(QString::number(ch));
            box->setRange(LimitMinimum, LimitMaximum);
            box->setSingleStep(1);
            box->setKeyboardTracking(false);
            box->setMinimumWidth(70);
        }
        r.minimum->setValue(LimitMinimum);
        r.maximum->setValue(LimitMaximum);
        grid->addWidget(r.name, ch + 1, 0);
        grid->addWidget(r.minimum, ch + 1, 1);
        grid->addWidget(r.maximum, ch + 1, 2);
        connect(r.minimum, QOverload<int>::of(&QSpinBox::valueChanged), this, minimumSlot);
        connect(r.maximum, QOverload<int>::of(&QSpinBox::valueChanged), this, maximumSlot);
    }
    grid->setRowStretch(LimitChannels + 1, 1);
    return group;
}

// ---- settings of the dialog ----------------------------------------------------------------

void DeviceSetupDialog::setAdminPassword(bool admin)
{
    m_adminPassword = admin;
    retranslate();
}

QString DeviceSetupDialog::adminPasswordTitle() const
{
    return m_adminPassword ? tr("Admin Password Setting") : tr("Login Password Setting");
}

void DeviceSetupDialog::applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32, quint32)
{
    m_inputMask = inputMask;
    m_outputMask = outputMask;
    // Bit i of a mask stands for channel 8 + i; the first eight channels are always there.
    const auto shown = [](quint32 mask, int ch) {
        return ch < AlwaysShown || !(mask & (1u << (ch - AlwaysShown)));
    };
    for (int ch = 0; ch < LimitChannels; ++ch) {
        for (const LimitRow *row : {&m_inputLimits[size_t(ch)], &m_outputLimits[size_t(ch)]}) {
            const bool visible =
                    shown(row == &m_inputLimits[size_t(ch)] ? inputMask : outputMask, ch);
            row->name->setVisible(visible);
            row->minimum->setVisible(visible);
            row->maximum->setVisible(visible);
        }
    }
    refreshChannelNames();
}

// ---- refresh --------------------------------------------------------------------------------

void DeviceSetupDialog::syncFromModel(uchar type, uchar subType, uchar funcId, uchar, uchar other,
                                      const QVariant &)
{
    using D = DeviceSetupDialog;
    struct Route
    {
        MessageId id;
        void (D::*refresh)();
    };
    static const Route routes[] = {
            {Msg::SysModelName, &D::refreshIdentity},
            {Msg::SysArmVersion, &D::refreshIdentity},
            {Msg::SysDspVersion, &D::refreshIdentity},
            {Msg::SysSerialNumber, &D::refreshIdentity},
            {Msg::SysChannelConfig, &D::refreshIdentity},
            {Msg::SysBootCount, &D::refreshIdentity},
            {Msg::SysTemperature, &D::refreshIdentity},
            {Msg::SysArmBuild, &D::refreshIdentity},
            {Msg::SysDeviceId, &D::refreshIdentity},
            {Msg::SysUsbDisk, &D::refreshIdentity},
            {Msg::SysDanteState, &D::refreshIdentity},
            {Msg::SysMacAddress, &D::refreshIdentity},
            {Msg::SysRunTime, &D::refreshTimes},
            {Msg::SysTotalTime, &D::refreshTimes},
            {Msg::SysFaultFlags, &D::refreshHealth},
            {Msg::SysFaults, &D::refreshHealth},
            {Msg::SysLocation, &D::refreshLocation},
            {Msg::SysDescription, &D::refreshDescription},
            {Msg::SysNetwork, &D::refreshNetwork},
            {Msg::SysRs232Baud, &D::refreshSerialPorts},
            {Msg::SysStatus18, &D::refreshSerialPorts},
            {Msg::SysGateReport, &D::refreshGateReport},
            {Msg::SysFanTest, &D::refreshFan},
            {Msg::SysUsbAutoPlay, &D::refreshUsbAutoPlay},
            {Msg::SyncConfig, &D::refreshSync},
            {Msg::SyncStatus, &D::refreshSync},
            {Msg::PreMixGainRange, &D::refreshInputLimits},
            {Msg::OutGainRange, &D::refreshOutputLimits},
    };
    const MessageId id {type, subType, funcId};
    if (id == Msg::SysUserPassword)
        return userPasswordReplied(other);
    for (const Route &route : routes) {
        if (route.id == id)
            return (this->*route.refresh)();
    }
}

void DeviceSetupDialog::refreshInputLimits()
{
    refreshLimits(true);
}

void DeviceSetupDialog::refreshOutputLimits()
{
    refreshLimits(false);
}

void DeviceSetupDialog::refreshAll()
{
    refreshIdentity();
    refreshTimes();
    refreshHealth();
    refreshLocation();
    refreshDescription();
    refreshNetwork();
    refreshSerialPorts();
    refreshGateReport();
    refreshUsbAutoPlay();
    refreshSync();
    refreshFan();
    refreshLimits(true);
    refreshLimits(false);
    refreshChannelNames();
}

void DeviceSetupDialog::setInfo(const char *objectName, const QString &text)
{
    if (auto *label = findChild<QLabel *>(QLatin1String(objectName)))
        label->setText(text);
}

void DeviceSetupDialog::setHealth(const char *objectName, bool error)
{
    auto *label = findChild<QLabel *>(QLatin1String(objectName));
    if (!label)
        return;
    const QString status = error ? QStringLiteral("Error") : QStringLiteral("Normal");
    label->setText(error ? tr("Error") : tr("Normal"));
    if (label->property("status").toString() != status) {
        label->setProperty("status", status);
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
}

void DeviceSetupDialog::refreshIdentity()
{
    const DeviceInfo &d = m_model->deviceInfo();
    setInfo("modelValue", d.modelName);
    setInfo("dspVersionValue", versionText(d.dspVersion));
    setInfo("armVersionValue",
            m_armDetailed ? detailedVersionText(d.armVersion, d.armBuild)
                          : versionText(d.armVersion));
    setInfo("codeIdValue",
            d.armBuild ? QStringLiteral("%1").arg(d.armBuild, 8, 16, QLatin1Char('0')).toUpper()
                       : QString());
    setInfo("serialNumberValue", d.serialNumber);
    setInfo("bootCountValue", QString::number(d.bootCount & 0xFFFF));
    setInfo("temperatureValue", QStringLiteral("%1 \u2103").arg(double(d.temperature), 0, 'f', 1));
    setInfo("usbStatusValue", d.usbDisk == 1 ? tr("Inserted") : tr("Not inserted"));
    setInfo("channelConfigValue", QStringLiteral("%1x%2").arg(d.inputCount).arg(d.outputCount));
    setInfo("danteSupportValue", d.danteSupported ? tr("Yes") : tr("No"));
    setInfo("macAddressValue", d.macAddress);
    m_deviceIdLabel->setText(d.deviceId ? QString::number(d.deviceId) : QString());
}

void DeviceSetupDialog::refreshTimes()
{
    const DeviceInfo &d = m_model->deviceInfo();
    setInfo("runTimeValue", durationText(d.runTime));
    setInfo("totalTimeValue", durationText(d.totalTime));
}

void DeviceSetupDialog::refreshHealth()
{
    const DeviceInfo &d = m_model->deviceInfo();
    setHealth("dspStatusValue", d.faultFlags & DspFaultBit);
    setHealth("codecStatusValue", d.faultFlags & CodecFaultBit);
    for (int rail = 0; rail < 5; ++rail)
        setHealth(RailValues[rail], d.faults[size_t(rail)] == RailFailed);
}

void DeviceSetupDialog::refreshLocation()
{
    setEditText(m_locationEdit, m_model->deviceInfo().location);
}

void DeviceSetupDialog::refreshDescription()
{
    setEditText(m_descriptionEdit, m_model->deviceInfo().description);
}

void DeviceSetupDialog::refreshNetwork()
{
    const DeviceInfo &d = m_model->deviceInfo();
    setEditText(m_addressEdit, addressText(d.address));
    setEditText(m_netmaskEdit, addressText(d.netmask));
    setEditText(m_gatewayEdit, addressText(d.gateway));
}

void DeviceSetupDialog::refreshSerialPorts()
{
    const DeviceInfo &d = m_model->deviceInfo();
    setComboText(m_rs232Box, QString::number(d.rs232Baud));
    setComboText(m_rs485Box, QString::number(d.rs485Baud));
}

void DeviceSetupDialog::refreshGateReport()
{
    const QSignalBlocker block(m_gateReportBox);
    m_gateReportBox->setCurrentIndex(m_model->deviceInfo().gateReport ? 1 : 0);
}

void DeviceSetupDialog::refreshUsbAutoPlay()
{
    const quint8 value = m_model->deviceInfo().usbAutoPlay;
    m_onBootBox->setChecked(value & 1);
    m_afterInsertBox->setChecked(value & 2);
}

void DeviceSetupDialog::refreshSync()
{
    const DeviceInfo &d = m_model->deviceInfo();
    {
        const QSignalBlocker block(m_syncModeBox);
        m_syncModeBox->setCurrentIndex(qMin<int>(d.syncMode, 2));
    }
    const bool slave = d.syncMode == SlaveMode;
    m_syncHostLabel->setVisible(slave);
    m_syncHostEdit->setVisible(slave);
    setEditText(m_syncHostEdit, d.syncHost ? addressText(d.syncHost) : QString());
    m_syncStatusLabel->setVisible(d.syncMode != 0);
    const QString states[] = {tr("Not Sync"), tr("Syncing"), tr("Synced")};
    m_syncStatusLabel->setText(states[qMin<int>(d.syncStatus, 2)]);
}

void DeviceSetupDialog::refreshFan()
{
    m_fanButton->setChecked(m_model->deviceInfo().fanTest == 1);
}

void DeviceSetupDialog::refreshLimits(bool inputs)
{
    LimitRows &rows = inputs ? m_inputLimits : m_outputLimits;
    for (int ch = 0; ch < LimitChannels; ++ch) {
        const float minimum = inputs ? m_model->input(ch).gainMin : m_model->output(ch).gainMin;
        const float maximum = inputs ? m_model->input(ch).gainMax : m_model->output(ch).gainMax;
        LimitRow &r = rows[size_t(ch)];
        const QSignalBlocker blockMinimum(r.minimum);
        const QSignalBlocker blockMaximum(r.maximum);
        r.minimum->setValue(int(minimum));
        r.maximum->setValue(int(maximum));
    }
}

void DeviceSetupDialog::refreshChannelNames()
{
    for (int ch = 0; ch < LimitChannels; ++ch) {
        const QString in = m_model->input(ch).defaultName;
        const QString out = m_model->output(ch).defaultName;
        m_inputLimits[size_t(ch)].name->setText(in.isEmpty() ? tr("IN %1").arg(ch + 1) : in);
        m_outputLimits[size_t(ch)].name->setText(out.isEmpty() ? tr("OUT %1").arg(ch + 1) : out);
    }
}

void DeviceSetupDialog::userPasswordReplied(quint8 result)
{
    MessageBox::inform(this, MessageBox::Information, tr("User Password Setting"),
                       result == 0 ? tr("Password set successfully!")
                                   : tr("Password setting failed!"));
}

// ---- edits ----------------------------------------------------------------------------------

void DeviceSetupDialog::leaveEdit(QLineEdit *edit, void (DeviceSetupDialog::*slot)())
{
    disconnect(edit, &QLineEdit::editingFinished, this, slot);
    m_leavingEdit = true;
    edit->clearFocus();
    m_leavingEdit = false;
    connect(edit, &QLineEdit::editingFinished, this, slot);
}

void DeviceSetupDialog::textEdited(QLineEdit *edit, void (DeviceSetupDialog::*slot)(),
                                   QString &stored, const QString &tooLong, MessageId id)
{
    leaveEdit(edit, slot);
    QByteArray bytes;
    const TextCheck check = checkText(edit->text(), TextBytes, &bytes);
    if (check == TextCheck::TooLong)
        MessageBox::inform(this, MessageBox::Information, tr("Device Setup"), tooLong);
    const QString text = edit->text().trimmed();
    if (check != TextCheck::Accepted || text == stored) {
        edit->setText(stored);
        return;
    }
    stored = text;
    edit->setText(text);
    m_model->announce(id); // the device list shows it too
    m_model->sendWrite(id, bytes);
}

void DeviceSetupDialog::deviceLocationEditingFinished()
{
    textEdited(m_locationEdit, &DeviceSetupDialog::deviceLocationEditingFinished,
               m_model->deviceInfo().location,
               tr("The device location's length can not be greater than 16 bytes, please enter "
                  "again!"),
               Msg::SysLocation);
}

void DeviceSetupDialog::deviceDescriptionEditingFinished()
{
    textEdited(m_descriptionEdit, &DeviceSetupDialog::deviceDescriptionEditingFinished,
               m_model->deviceInfo().description,
               tr("The device description's length can not be greater than 16 bytes, please "
                  "enter again!"),
               Msg::SysDescription);
}

void DeviceSetupDialog::networkEdited(QLineEdit *edit, void (DeviceSetupDialog::*slot)(),
                                      quint32 &field, bool mask, const QString &invalid)
{
    leaveEdit(edit, slot);
    const QString text = edit->text().trimmed();
    const std::optional<quint32> value = parseAddress(text, mask ? maskPattern() : hostPattern());
    if (value) {
        if (*value != field) {
            field = *value;
            sendNetwork();
        }
    } else if (!text.isEmpty()) {
        MessageBox::inform(this, MessageBox::Information, tr("Device Setup"), invalid);
    }
    refreshNetwork();
}

void DeviceSetupDialog::sendNetwork()
{
    const DeviceInfo &d = m_model->deviceInfo();
    m_model->sendWrite(Msg::SysNetwork, networkPayload(d.address, d.netmask, d.gateway));
}

void DeviceSetupDialog::ipAddressEditingFinished()
{
    networkEdited(m_addressEdit, &DeviceSetupDialog::ipAddressEditingFinished,
                  m_model->deviceInfo().address, false,
                  tr("The IP address's format is error, please enter again!"));
}

void DeviceSetupDialog::netmaskEditingFinished()
{
    networkEdited(m_netmaskEdit, &DeviceSetupDialog::netmaskEditingFinished,
                  m_model->deviceInfo().netmask, true,
                  tr("The subnet netmask's format is error, please enter again!"));
}

void DeviceSetupDialog::gatewayEditingFinished()
{
    networkEdited(m_gatewayEdit, &DeviceSetupDialog::gatewayEditingFinished,
                  m_model->deviceInfo().gateway, false,
                  tr("The gateway address's format is error, please enter again!"));
}

void DeviceSetupDialog::gateReportComboBoxCurrentIndexChanged(int index)
{
    if (index < 0)
        return;
    m_model->deviceInfo().gateReport = index ? 1 : 0;
    m_model->sendWrite(Msg::SysGateReport, QByteArray(1, char(index)));
}

void DeviceSetupDialog::rs232ComboBoxCurrentIndexChanged(int index)
{
    if (index < 0)
        return;
    const quint32 baud = m_rs232Box->itemText(index).toUInt();
    m_model->deviceInfo().rs232Baud = baud;
    QByteArray payload(4, '\0');
    qToLittleEndian<quint32>(baud, payload.data());
    m_model->sendWrite(Msg::SysRs232Baud, payload);
}

void DeviceSetupDialog::usbAutoPlayCheckBoxClicked()
{
    const quint8 value =
            (m_onBootBox->isChecked() ? 1 : 0) | (m_afterInsertBox->isChecked() ? 2 : 0);
    m_model->deviceInfo().usbAutoPlay = value;
    m_model->sendWrite(Msg::SysUsbAutoPlay, QByteArray(1, char(value)));
}

void DeviceSetupDialog::syncModeComboBoxChanged(int index)
{
    if (index < 0)
        return;
    DeviceInfo &d = m_model->deviceInfo();
    d.syncMode = quint8(index);
    d.syncHost = 0;
    refreshSync();
    sendSync();
}

void DeviceSetupDialog::syncHostIPAddressEditingFinished()
{
    leaveEdit(m_syncHostEdit, &DeviceSetupDialog::syncHostIPAddressEditingFinished);
    const QString text = m_syncHostEdit->text().trimmed();
    if (const std::optional<quint32> value = parseAddress(text, hostPattern())) {
        m_model->deviceInfo().syncHost = *value;
        sendSync();
    } else if (!text.isEmpty()) {
        MessageBox::inform(this, MessageBox::Information, tr("Device Setup"),
                           tr("The IP address's format is error, please enter again!"));
    }
    refreshSync();
}

void DeviceSetupDialog::sendSync()
{
    const DeviceInfo &d = m_model->deviceInfo();
    m_model->sendWrite(Msg::SyncConfig, syncPayload(d.syncMode, d.syncHost));
}

void DeviceSetupDialog::fanButtonClicked(bool checked)
{
    m_model->deviceInfo().fanTest = checked ? 1 : 0;
    m_model->sendWrite(Msg::SysFanTest, QByteArray(1, char(checked ? 1 : 0)));
}

void DeviceSetupDialog::limitChanged(bool inputs, bool maximum, int value)
{
    const int ch = sender() ? sender()->objectName().toInt() : -1;
    if (ch < 0 || ch >= LimitChannels)
        return;
    float &minimumField = inputs ? m_model->input(ch).gainMin : m_model->output(ch).gainMin;
    float &maximumField = inputs ? m_model->input(ch).gainMax : m_model->output(ch).gainMax;
    (maximum ? maximumField : minimumField) = float(value);
    m_model->sendWrite(inputs ? Msg::PreMixGainRange : Msg::OutGainRange,
                       limitPayload(quint8(ch), maximumField, minimumField));
}

void DeviceSetupDialog::inputMinimumBoxValueChanged(int value)
{
    limitChanged(true, false, value);
}

void DeviceSetupDialog::inputMaximumBoxValueChanged(int value)
{
    limitChanged(true, true, value);
}

void DeviceSetupDialog::outputMinimumBoxValueChanged(int value)
{
    limitChanged(false, false, value);
}

void DeviceSetupDialog::outputMaximumBoxValueChanged(int value)
{
    limitChanged(false, true, value);
}

void DeviceSetupDialog::askPassword(bool user)
{
    const QString title = user ? tr("User Password Setting") : adminPasswordTitle();
    const std::optional<PasswordDialog::Entries> entries = PasswordDialog::ask(this, title);
    if (!entries || entries->password.isEmpty())
        return;
    if (entries->password != entries->confirmation) {
        MessageBox::inform(this, MessageBox::Information, title,
                           tr("The two passwords you entered are different, please enter "
                              "again!"));
        return;
    }
    m_model->sendWrite(user ? Msg::SysUserPassword : Msg::SysPassword,
                       LocalText::encode(entries->password));
}

void DeviceSetupDialog::changePasswordButtonClicked()
{
    askPassword(false);
}

void DeviceSetupDialog::changeUserPasswordButtonClicked()
{
    askPassword(true);
}

void DeviceSetupDialog::armVersionLabelDoubleClicked()
{
    m_armDetailed = !m_armDetailed;
    if (m_armDetailed)
        m_armDetailTimer->start();
    else
        m_armDetailTimer->stop();
    refreshIdentity();
}

void DeviceSetupDialog::timeout()
{
    m_armDetailed = false;
    refreshIdentity();
}

// ---- window ---------------------------------------------------------------------------------

bool DeviceSetupDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_armVersionLabel && event->type() == QEvent::MouseButtonDblClick) {
        armVersionLabelDoubleClicked();
        return true;
    }
    // An address edit holding an incomplete address never reports editing finished; leaving it
    // or pressing Enter still checks what it holds.
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && !m_leavingEdit && !edit->hasAcceptableInput()) {
        bool finished = event->type() == QEvent::FocusOut;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            finished = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (finished) {
            if (edit == m_addressEdit)
                ipAddressEditingFinished();
            else if (edit == m_netmaskEdit)
                netmaskEditingFinished();
            else if (edit == m_gatewayEdit)
                gatewayEditingFinished();
            else if (edit == m_syncHostEdit)
                syncHostIPAddressEditingFinished();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DeviceSetupDialog::updateLimitWidth()
{
    // The groups' width depends on the style sheet and the language; known once polished.
    QWidget *content = m_limitScroll->widget();
    content->ensurePolished();
    m_limitScroll->setMinimumWidth(content->minimumSizeHint().width()
                                   + m_limitScroll->verticalScrollBar()->sizeHint().width());
}

void DeviceSetupDialog::showEvent(QShowEvent *event)
{
    refreshAll();
    updateLimitWidth();
    m_model->setDialogOpen(StatusPoll::DeviceSetupDialog, true);
    Dialog::showEvent(event);
}

void DeviceSetupDialog::hideEvent(QHideEvent *event)
{
    m_model->setDialogOpen(StatusPoll::DeviceSetupDialog, false);
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    Dialog::hideEvent(event);
}

void DeviceSetupDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if ((event->type() == QEvent::LanguageChange || event->type() == QEvent::StyleChange)
        && m_limitScroll && isVisible())
        updateLimitWidth();
    Dialog::changeEvent(event);
}

void DeviceSetupDialog::retranslate()
{
    setWindowTitle(tr("Device Setup"));
    m_informationGroup->setTitle(tr("Device Information"));
    m_generalGroup->setTitle(tr("General Setup"));
    m_limitGroup->setTitle(tr("Volume Limit"));
    m_inputLimitGroup->setTitle(tr("Level Pre Mix"));
    m_outputLimitGroup->setTitle(tr("Out Level"));
    for (const Caption &c : qAsConst(m_captions)) {
        if (c.source)
            c.label->setText(tr(c.source));
    }
    findChild<QLabel *>(QStringLiteral("rs232Caption"))->setText(tr("RS232") + tr(" Baud Rate"));
    findChild<QLabel *>(QStringLiteral("rs485Caption"))->setText(tr("RS485") + tr(" Baud Rate"));
    m_gateReportBox->setItemText(0, tr("No"));
    m_gateReportBox->setItemText(1, tr("Yes"));
    m_onBootBox->setText(tr("On Boot"));
    m_afterInsertBox->setText(tr("After Inserting Udisk"));
    m_syncModeBox->setItemText(0, tr("Close"));
    m_syncModeBox->setItemText(1, tr("Master"));
    m_syncModeBox->setItemText(2, tr("Slave"));
    m_fanButton->setText(tr("Test"));
    m_fanText->setText(tr("Fan trigger instructions:\nThe cooling fan of the machine is "
                          "temperature controlled and automatically turns on.\nWhen the "
                          "temperature is greater than or equal to 30\u2103, the fan "
                          "automatically turns on.\nWhen the temperature is less than or equal "
                          "to 27\u2103, the fan automatically turns off."));
    m_passwordLabel->setText(m_adminPassword ? tr("Admin Password") : tr("Login Password"));
    m_userPasswordLabel->setText(tr("User Password"));
    m_passwordButton->setText(tr("Setting"));
    m_userPasswordButton->setText(tr("Setting"));
    refreshAll();
}
