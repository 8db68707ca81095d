#include "DanteSetupDialog.h"

#include "ClearConfigDialog.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/ControlPalette.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace SetupRules;

namespace {

const char *const GeometryKey = "DanteSetupGeometry";
const QSize DefaultSize(900, 720);
constexpr int LabelBytes = 16;
constexpr quint8 ClockMaster = 7;
constexpr quint16 ClearKeepNetwork = 2;
constexpr quint16 ClearAll = 1;

const char *const DownloadAddress = "https://www.audinate.com/products/software/dante-controller";

DanteSetupDialog::LinkOpener &linkOpener()
{
    static DanteSetupDialog::LinkOpener opener;
    return opener;
}

const char *const ClockStates[] = {
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Invalid"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Startup"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Initialising"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Faulty"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Disabled"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Listening"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Pre-Master"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Master"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Passive"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Uncalibrated"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Slave"),
        QT_TRANSLATE_NOOP("DanteSetupDialog", "Standby"),
};

QString linkImage(quint32 speed)
{
    if (speed == 100)
        return QStringLiteral(":/image/Network100M.png");
    if (speed == 1000)
        return QStringLiteral(":/image/Network1000M.png");
    return QStringLiteral(":/image/NetworkNC.png");
}

} // namespace

DanteSetupDialog::DanteSetupDialog(DataModel *model, QWidget *parent)
    : Dialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("danteSetupDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_receiveGroup = new QGroupBox(this);
    m_receiveGroup->setObjectName(QStringLiteral("receiveChannelGroup"));
    (new QVBoxLayout(m_receiveGroup))->addWidget(m_receiveTable = buildChannelTable(true));
    m_transmitGroup = new QGroupBox(this);
    m_transmitGroup->setObjectName(QStringLiteral("transmitChannelGroup"));
    (new QVBoxLayout(m_transmitGroup))->addWidget(m_transmitTable = buildChannelTable(false));

    m_routingNote = new QLabel(this);
    m_routingNote->setObjectName(QStringLiteral("routingNote"));
    m_downloadLink = new QLabel(this);
    m_downloadLink->setObjectName(QStringLiteral("downloadLink"));
    m_downloadLink->setTextFormat(Qt::RichText);
    m_downloadLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse
                                            | Qt::LinksAccessibleByKeyboard);
    connect(m_downloadLink, &QLabel::linkActivated, this, [](const QString &link) {
        const QUrl url(link);
        if (linkOpener())
            linkOpener()(url);
        else
            QDesktopServices::openUrl(url);
    });

    auto *left = new QVBoxLayout;
    left->addWidget(buildInformation());
    left->addWidget(buildConfig());
    left->addWidget(buildReset());
    left->addWidget(buildNetwork());
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(m_receiveGroup);
    right->addWidget(m_transmitGroup);
    right->addWidget(m_routingNote);
    right->addWidget(m_downloadLink);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);

    retranslate();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
}

DanteSetupDialog::~DanteSetupDialog()
{
    if (isVisible()) {
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
        m_model->setDialogOpen(StatusPoll::DanteSetupDialog, false);
    }
}

QUrl DanteSetupDialog::downloadUrl()
{
    return QUrl(QLatin1String(DownloadAddress));
}

void DanteSetupDialog::setLinkOpener(LinkOpener opener)
{
    linkOpener() = std::move(opener);
}

// ---- building -------------------------------------------------------------------------------

QGroupBox *DanteSetupDialog::buildInformation()
{
    m_informationGroup = new QGroupBox(this);
    m_informationGroup->setObjectName(QStringLiteral("danteInformationGroup"));
    auto *form = new QFormLayout(m_informationGroup);
    const auto row = [&](const char *source, const char *objectName) {
        auto *caption = new QLabel(this);
        m_captions.append({caption, source});
        auto *value = new QLabel(this);
        value->setObjectName(QLatin1String(objectName));
        form->addRow(caption, value);
        return value;
    };
    m_modelName = row(QT_TR_NOOP("Model Name"), "modelNameValue");
    m_productVersion = row(QT_TR_NOOP("Product Version"), "productVersionValue");
    m_clockStatus = row(QT_TR_NOOP("Clock Status"), "clockStatusValue");
    m_clockSource = row(QT_TR_NOOP("Clock Source"), "clockSourceValue");
    m_clockState = row(QT_TR_NOOP("Clock State"), "clockStateValue");
    m_linkIcon = new QLabel(this);
    m_linkIcon->setObjectName(QStringLiteral("linkSpeedIcon"));
    form->addRow(QString(), m_linkIcon);
    return m_informationGroup;
}

QGroupBox *DanteSetupDialog::buildConfig()
{
    m_configGroup = new QGroupBox(this);
    m_configGroup->setObjectName(QStringLiteral("danteConfigGroup"));
    auto *form = new QFormLayout(m_configGroup);
    auto *nameCaption = new QLabel(this);
    m_captions.append({nameCaption, QT_TR_NOOP("Device Name")});
    m_nameEdit = new LineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("deviceNameEdit"));
    m_nameEdit->setMaxLength(MaxNameBytes + 1); // the check below tells why more is refused
    form->addRow(nameCaption, m_nameEdit);
    auto *latencyCaption = new QLabel(this);
    m_captions.append({latencyCaption, QT_TR_NOOP("Device Latency")});
    m_latencyBox = new QComboBox(this);
    m_latencyBox->setObjectName(QStringLiteral("deviceLatencyComboBox"));
    for (quint32 latency : DanteLatencies)
        m_latencyBox->addItem(latencyText(latency) + QStringLiteral(" msec"), latency);
    form->addRow(latencyCaption, m_latencyBox);
    connect(m_nameEdit, &QLineEdit::editingFinished, this,
            &DanteSetupDialog::deviceNameEditingFinished);
    connect(m_latencyBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DanteSetupDialog::deviceLatencyComboBoxCurrentIndexChanged);
    return m_configGroup;
}

QGroupBox *DanteSetupDialog::buildReset()
{
    m_resetGroup = new QGroupBox(this);
    m_resetGroup->setObjectName(QStringLiteral("danteResetGroup"));
    auto *layout = new QHBoxLayout(m_resetGroup);
    m_rebootButton = new QPushButton(this);
    m_rebootButton->setObjectName(QStringLiteral("rebootButton"));
    m_clearButton = new QPushButton(this);
    m_clearButton->setObjectName(QStringLiteral("clearConfigButton"));
    layout->addWidget(m_rebootButton);
    layout->addWidget(m_clearButton);
    layout->addStretch();
    connect(m_rebootButton, &QPushButton::clicked, this, &DanteSetupDialog::rebootButtonClicked);
    connect(m_clearButton, &QPushButton::clicked, this,
            &DanteSetupDialog::clearConfigButtonClicked);
    return m_resetGroup;
}

QGroupBox *DanteSetupDialog::buildNetwork()
{
    m_networkGroup = new QGroupBox(this);
    m_networkGroup->setObjectName(QStringLiteral("danteNetworkGroup"));
    auto *layout = new QVBoxLayout(m_networkGroup);
    m_automaticButton = new QRadioButton(this);
    m_automaticButton->setObjectName(QStringLiteral("automaticRadioButton"));
    m_manualButton = new QRadioButton(this);
    m_manualButton->setObjectName(QStringLiteral("manualRadioButton"));
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->addButton(m_automaticButton, DanteNetwork::Automatic);
    m_modeGroup->addButton(m_manualButton, DanteNetwork::Manual);
    layout->addWidget(m_automaticButton);
    layout->addWidget(m_manualButton);
    auto *form = new QFormLayout;
    form->setContentsMargins(20, 0, 0, 0);
    const char *const sources[] = {QT_TR_NOOP("IP Address"), QT_TR_NOOP("Netmask"),
                                   QT_TR_NOOP("DNS Server"), QT_TR_NOOP("Gateway")};
    const char *const names[] = {"danteAddressEdit", "danteNetmaskEdit", "danteDnsEdit",
                                 "danteGatewayEdit"};
    for (int i = 0; i < 4; ++i) {
        m_addressLabels[size_t(i)] = new QLabel(this);
        m_captions.append({m_addressLabels[size_t(i)], sources[i]});
        auto *edit = new LineEdit(this);
        edit->setObjectName(QLatin1String(names[i]));
        const QString pattern = i == 1 ? maskPattern() : hostPattern();
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
        connect(edit, &QLineEdit::textEdited, this, &DanteSetupDialog::networkAddressEdited);
        m_addressEdits[size_t(i)] = edit;
        form->addRow(m_addressLabels[size_t(i)], edit);
    }
    layout->addLayout(form);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_applyButton = new QPushButton(this);
    m_applyButton->setObjectName(QStringLiteral("applyButton"));
    m_revertButton = new QPushButton(this);
    m_revertButton->setObjectName(QStringLiteral("revertButton"));
    buttons->addWidget(m_applyButton);
    buttons->addWidget(m_revertButton);
    layout->addLayout(buttons);
    connect(m_modeGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &DanteSetupDialog::modeButtonGroupButtonClicked);
    connect(m_applyButton, &QPushButton::clicked, this, &DanteSetupDialog::applyButtonClicked);
    connect(m_revertButton, &QPushButton::clicked, this, &DanteSetupDialog::revertButtonClicked);
    return m_networkGroup;
}

QTableWidget *DanteSetupDialog::buildChannelTable(bool receive)
{
    auto *table = new QTableWidget(ChannelRows, receive ? 3 : 2, this);
    table->setObjectName(receive ? QStringLiteral("receiveChannelTable")
                                 : QStringLiteral("transmitChannelTable"));
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->setColumnWidth(1, 180);
    auto &edits = receive ? m_receiveEdits : m_transmitEdits;
    for (int row = 0; row < ChannelRows; ++row) {
        auto *channel = new QTableWidgetItem(QString::number(row + 1));
        channel->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, 0, channel);
        auto *edit = new LineEdit(table);
        edit->setObjectName(QString::number(row));
        edit->setMaxLength(LabelBytes);
        edit->setFrame(false);
        table->setCellWidget(row, 1, edit);
        edits[size_t(row)] = edit;
        if (receive)
            table->setItem(row, 2, new QTableWidgetItem);
        connect(edit, &QLineEdit::editingFinished, this,
                receive ? &DanteSetupDialog::receiveChannelLabelEditingFinished
                        : &DanteSetupDialog::transmitChannelLabelEditingFinished);
    }
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->resizeRowsToContents();
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < ChannelRows; ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
    return table;
}

// ---- refresh --------------------------------------------------------------------------------

void DanteSetupDialog::syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar,
                                     const QVariant &)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::DanteInfo)
        refreshInformation();
    else if (id == Msg::DanteState3)
        refreshClock();
    else if (id == Msg::DanteBlock4 && channel < ChannelRows)
        refreshSubscription(channel);
    else if (id == Msg::InputLabels || id == Msg::OutputLabels)
        refreshLabels();
}

void DanteSetupDialog::refreshAll()
{
    refreshInformation();
    refreshClock();
    for (int row = 0; row < ChannelRows; ++row)
        refreshSubscription(row);
    refreshLabels();
}

void DanteSetupDialog::refreshInformation()
{
    const DanteInfo info = parseDanteInfo(m_model->mirror().dante.info);
    m_modelName->setText(LocalText::decode(info.modelName));
    m_productVersion->setText(productVersionText(info.productVersion));
    m_linkIcon->setPixmap(QPixmap(linkImage(info.linkSpeed)));
    if (!m_nameEdit->hasFocus())
        m_nameEdit->setText(LocalText::decode(info.deviceName));
    {
        const QSignalBlocker block(m_latencyBox);
        m_latencyBox->setCurrentIndex(latencyIndex(info.latency));
    }
    // Edits the user has not applied yet stay as they are.
    if (!m_networkEdited)
        updateNetworkConfig();
    refreshClock();
}

void DanteSetupDialog::refreshClock()
{
    const DanteState &d = m_model->mirror().dante;
    const bool known = !d.info.isEmpty();
    m_clockSource->setText(d.clockSource == 1           ? tr("Dante Internal")
                                   : d.clockSource == 2 ? tr("External")
                                                        : QString());
    m_clockState->setText(d.clockState < std::size(ClockStates) ? tr(ClockStates[d.clockState])
                                                                : QString());
    m_clockStatus->setText(!known                                ? QString()
                                   : d.clockState == ClockMaster ? tr("Master")
                                                                 : tr("Slave"));
}

void DanteSetupDialog::refreshSubscription(int row)
{
    m_receiveTable->item(row, 2)->setText(
            subscriptionText(m_model->mirror().dante.blocks[size_t(row)]));
}

void DanteSetupDialog::refreshLabels()
{
    for (int row = 0; row < ChannelRows; ++row) {
        const int ch = FirstDanteChannel + row;
        if (!m_receiveEdits[size_t(row)]->hasFocus())
            m_receiveEdits[size_t(row)]->setText(m_model->input(ch).label);
        if (!m_transmitEdits[size_t(row)]->hasFocus())
            m_transmitEdits[size_t(row)]->setText(m_model->output(ch).label);
    }
}

void DanteSetupDialog::updateNetworkConfig()
{
    const DanteNetwork n = parseDanteInfo(m_model->mirror().dante.info).network;
    (n.mode == DanteNetwork::Manual ? m_manualButton : m_automaticButton)->setChecked(true);
    const DanteAddress *addresses[] = {&n.address, &n.netmask, &n.dns, &n.gateway};
    for (int i = 0; i < 4; ++i)
        m_addressEdits[size_t(i)]->setText(danteAddressText(*addresses[i]));
    m_networkEdited = false;
    updateNetworkButtons();
}

std::optional<DanteNetwork> DanteSetupDialog::pendingNetwork() const
{
    DanteNetwork n;
    n.mode = m_manualButton->isChecked() ? DanteNetwork::Manual : DanteNetwork::Automatic;
    DanteAddress *addresses[] = {&n.address, &n.netmask, &n.dns, &n.gateway};
    for (int i = 0; i < 4; ++i) {
        const QString text = m_addressEdits[size_t(i)]->text().trimmed();
        const bool required = n.mode == DanteNetwork::Manual && i < 2; // address and netmask
        if (text.isEmpty() && !required)
            continue; // none
        const auto value = parseDanteAddress(text, i == 1 ? maskPattern() : hostPattern());
        if (!value || (required && *value == DanteAddress {}))
            return std::nullopt;
        *addresses[i] = *value;
    }
    return n;
}

void DanteSetupDialog::updateNetworkButtons()
{
    const bool manual = m_manualButton->isChecked();
    for (QLineEdit *edit : m_addressEdits)
        edit->setEnabled(manual);
    const std::optional<DanteNetwork> pending = pendingNetwork();
    const DanteNetwork reported = parseDanteInfo(m_model->mirror().dante.info).network;
    m_applyButton->setEnabled(m_networkEdited && pending && *pending != reported);
    m_revertButton->setEnabled(m_networkEdited);
}

// ---- actions --------------------------------------------------------------------------------

bool DanteSetupDialog::ask(const QString &text)
{
    return MessageBox::ask(this, MessageBox::Question, tr("Dante Setup"), text,
                           {tr("OK"), tr("Cancel")})
            == 0;
}

void DanteSetupDialog::deviceNameEditingFinished()
{
    disconnect(m_nameEdit, &QLineEdit::editingFinished, this,
               &DanteSetupDialog::deviceNameEditingFinished);
    m_nameEdit->clearFocus();
    connect(m_nameEdit, &QLineEdit::editingFinished, this,
            &DanteSetupDialog::deviceNameEditingFinished);

    QByteArray &info = m_model->mirror().dante.info;
    const QByteArray current = parseDanteInfo(info).deviceName;
    const auto restore = [&] { m_nameEdit->setText(LocalText::decode(current)); };
    QByteArray name;
    const TextCheck check = checkText(m_nameEdit->text(), MaxNameBytes, &name);
    if (check == TextCheck::TooLong) {
        MessageBox::inform(this, MessageBox::Information, tr("Dante Setup"),
                           tr("The device name's length can not be greater than 31 bytes, please "
                              "enter again!"));
    }
    if (check != TextCheck::Accepted)
        return restore();
    if (name == current)
        return;
    const QString text =
            tr("Renaming a device breaks existing audio routes from this device to other "
               "devices.\nAre you sure that you want to rename")
            + QLatin1Char(' ') + LocalText::decode(current) + QLatin1Char(' ')
            + tr("to", "rename the device to") + QLatin1Char(' ') + LocalText::decode(name)
            + QLatin1Char('?');
    if (!ask(text))
        return restore();
    storeDanteName(info, name);
    m_nameEdit->setText(LocalText::decode(name));
    m_model->sendWrite(Msg::DanteRename, name);
}

void DanteSetupDialog::deviceLatencyComboBoxCurrentIndexChanged(int index)
{
    QByteArray &info = m_model->mirror().dante.info;
    const quint32 old = parseDanteInfo(info).latency;
    if (index < 0 || index >= int(DanteLatencies.size()))
        return;
    const quint32 chosen = DanteLatencies[size_t(index)];
    const QString text = tr("Changing device latency will interrupt existing audio routes to and "
                            "from this device.")
            + QLatin1Char('\n') + tr("Are you sure that you want to change the latency from")
            + QLatin1Char(' ') + latencyText(old) + QStringLiteral(" msec ")
            + tr("to", "change the latency to") + QLatin1Char(' ') + m_latencyBox->itemText(index)
            + QLatin1Char('?');
    if (!ask(text)) {
        const QSignalBlocker block(m_latencyBox);
        m_latencyBox->setCurrentIndex(latencyIndex(old));
        return;
    }
    storeDanteLatency(info, chosen);
    m_model->sendWrite(Msg::DanteLatency, latencyPayload(chosen));
}

void DanteSetupDialog::rebootButtonClicked()
{
    if (ask(tr("Are you sure that you want to reboot?")))
        m_model->sendWrite(Msg::DanteReboot);
}

void DanteSetupDialog::clearConfigButtonClicked()
{
    const std::optional<bool> keepNetwork = ClearConfigDialog::ask(this);
    if (!keepNetwork)
        return;
    m_model->sendWrite(Msg::DanteClearConfig,
                       ByteWriter(2).u16(*keepNetwork ? ClearKeepNetwork : ClearAll));
    m_model->sendWrite(Msg::DanteReboot);
}

void DanteSetupDialog::modeButtonGroupButtonClicked()
{
    m_networkEdited = true;
    updateNetworkButtons();
}

void DanteSetupDialog::networkAddressEdited()
{
    m_networkEdited = true;
    updateNetworkButtons();
}

void DanteSetupDialog::applyButtonClicked()
{
    const std::optional<DanteNetwork> pending = pendingNetwork();
    if (!pending)
        return;
    if (!ask(tr("Are you sure that you want to change the IP address configuration and reboot "
                "now to take effect?")))
        return;
    storeDanteNetwork(m_model->mirror().dante.info, *pending);
    updateNetworkConfig();
    m_model->sendWrite(Msg::DanteNetwork, danteNetworkPayload(*pending));
    m_model->sendWrite(Msg::DanteReboot);
}

void DanteSetupDialog::revertButtonClicked()
{
    updateNetworkConfig();
}

void DanteSetupDialog::labelEdited(bool receive)
{
    auto *edit = qobject_cast<QLineEdit *>(sender());
    if (!edit)
        return;
    const int row = edit->objectName().toInt();
    if (row < 0 || row >= ChannelRows)
        return;
    const auto slot = receive ? &DanteSetupDialog::receiveChannelLabelEditingFinished
                              : &DanteSetupDialog::transmitChannelLabelEditingFinished;
    disconnect(edit, &QLineEdit::editingFinished, this, slot);
    edit->clearFocus();
    connect(edit, &QLineEdit::editingFinished, this, slot);

    const int ch = FirstDanteChannel + row;
    QString &stored = receive ? m_model->input(ch).label : m_model->output(ch).label;
    QByteArray bytes;
    const TextCheck check = checkText(edit->text(), LabelBytes, &bytes);
    if (check == TextCheck::TooLong) {
        MessageBox::inform(this, MessageBox::Information, tr("Dante Setup"),
                           tr("The channel label's length can not be greater than 16 bytes, "
                              "please enter again!"));
    }
    if (check != TextCheck::Accepted) {
        edit->setText(stored);
        return;
    }
    stored = edit->text().trimmed();
    edit->setText(stored);
    const MessageId id = receive ? Msg::InputLabels : Msg::OutputLabels;
    if (receive)
        emit inputLabelChanged(ch);
    else
        emit outputLabelChanged(ch);
    m_model->announce(id, quint8(ch)); // the channel strips and the overview show it too
    m_model->sendWrite(id, QByteArray(1, char(ch)) + bytes);
}

void DanteSetupDialog::receiveChannelLabelEditingFinished()
{
    labelEdited(true);
}

void DanteSetupDialog::transmitChannelLabelEditingFinished()
{
    labelEdited(false);
}

// ---- window ---------------------------------------------------------------------------------

void DanteSetupDialog::showEvent(QShowEvent *event)
{
    refreshAll();
    m_model->setDialogOpen(StatusPoll::DanteSetupDialog, true);
    Dialog::showEvent(event);
}

void DanteSetupDialog::hideEvent(QHideEvent *event)
{
    m_model->setDialogOpen(StatusPoll::DanteSetupDialog, false);
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    Dialog::hideEvent(event);
}

void DanteSetupDialog::refreshLink()
{
    // The link in the appearance's accent colour, readable on light and dark.
    m_downloadLink->setText(QStringLiteral("<a href=\"%1\" style=\"color: %2;\">%3</a>")
                                    .arg(downloadUrl().toString(),
                                         ControlPalette::current().highlightFrame.name(),
                                         tr("Click to download Dante Controller")));
}

void DanteSetupDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::StyleChange && m_downloadLink)
        refreshLink();
    Dialog::changeEvent(event);
}

void DanteSetupDialog::retranslate()
{
    setWindowTitle(tr("Dante Setup"));
    m_informationGroup->setTitle(tr("Device Information"));
    m_configGroup->setTitle(tr("Device Config"));
    m_resetGroup->setTitle(tr("Device Reset"));
    m_receiveGroup->setTitle(tr("Receive Channel"));
    m_transmitGroup->setTitle(tr("Transmit Channel"));
    m_networkGroup->setTitle(tr("Network Config"));
    for (const Caption &c : qAsConst(m_captions))
        c.label->setText(tr(c.source));
    m_rebootButton->setText(tr("Reboot"));
    m_clearButton->setText(tr("Clear Config"));
    m_receiveTable->setHorizontalHeaderLabels(
            {tr("Channel"), tr("Channel Label"), tr("Connected to")});
    m_transmitTable->setHorizontalHeaderLabels({tr("Channel"), tr("Channel Label")});
    m_automaticButton->setText(tr("Obtain an IP Address Automatically"));
    m_manualButton->setText(tr("Manually configure an IP Address"));
    m_applyButton->setText(tr("Apply"));
    m_revertButton->setText(tr("Revert"));
    m_routingNote->setText(tr("* Please use the official software Dante Controller for Dante "
                              "routing."));
    refreshLink();
    refreshAll();
}
