#include "panel/DeviceListDialog.h"

#include "settings/SystemSettings.h"
#include "widgets/TableWidget.h"
#include "panel/DeviceText.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const char *const GeometryKey = "DeviceListGeometry";
const QSize DefaultSize(1280, 420);
const int RowHeight = 34;
const int EagerButtonRows = 64; // "Remove" buttons made before the rows are seen

} // namespace

DeviceListDialog::DeviceListDialog(QWidget *parent)
    : Dialog(parent), m_tableWidget(new TableWidget(this))
{
    setObjectName(QStringLiteral("deviceListDialog"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_tableWidget->setObjectName(QStringLiteral("deviceListTable"));
    m_tableWidget->setColumnCount(ColumnCount);
    m_tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableWidget->setAlternatingRowColors(true);
    m_tableWidget->setWordWrap(false);
    m_tableWidget->verticalHeader()->setVisible(false);
    m_tableWidget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableWidget->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView *header = m_tableWidget->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(60);
    const int widths[ColumnCount] = {115, 100, 95, 95, 100, 110, 110, 115, 115, 115, 90, 90};
    for (int column = 0; column < ColumnCount; ++column)
        m_tableWidget->setColumnWidth(column, widths[column]);
    // The free text takes what the window has left.
    header->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(RemoveColumn, QHeaderView::Fixed);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_tableWidget);

    retranslate();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
}

DeviceListDialog::~DeviceListDialog()
{
    if (isVisible())
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
}

void DeviceListDialog::connectModel(DataModel *model)
{
    m_model = model;
    m_tableWidget->setRowCount(0);
    m_tableWidget->setUpdatesEnabled(false);
    m_tableWidget->setRowCount(model->deviceCount());
    for (int i = 0; i < model->deviceCount(); ++i)
        fillRow(i, model->device(i).packet);
    m_tableWidget->setUpdatesEnabled(true);
    m_selectedRow = model->currentIndex();
    updateLinkStatus();
    connect(model, &DataModel::deviceListAdd, this, &DeviceListDialog::addDevice);
    connect(model, &DataModel::deviceListRemove, this, &DeviceListDialog::removeDevice);
    connect(model, &DataModel::deviceListIPAddressChanged, this, &DeviceListDialog::setIPAddress);
    connect(model, &DataModel::deviceListModelChanged, this, &DeviceListDialog::setModel);
    connect(model, &DataModel::deviceListARMVersionChanged, this, &DeviceListDialog::setARMVersion);
    connect(model, &DataModel::deviceListDSPVersionChanged, this, &DeviceListDialog::setDSPVersion);
    connect(model, &DataModel::deviceListSerialNumberChanged, this,
            &DeviceListDialog::setSerialNumber);
    connect(model, &DataModel::deviceListLocationChanged, this, &DeviceListDialog::setLocation);
    connect(model, &DataModel::deviceListDescriptionChanged, this,
            &DeviceListDialog::setDescription);
    connect(model, &DataModel::deviceListRunTimeChanged, this, &DeviceListDialog::setRunTime);
    connect(model, &DataModel::deviceListDeviceIDChanged, this, &DeviceListDialog::setDeviceID);
    connect(model, &DataModel::deviceListNetworkChanged, this,
            &DeviceListDialog::updateLinkStatusAt);
    connect(model, &DataModel::deviceListSelectionChanged, this,
            &DeviceListDialog::updateSelectedLinkStatus);
    connect(model, &DataModel::tcpLoginChanged, this,
            &DeviceListDialog::updateSelectedLinkStatus);
    connect(m_tableWidget->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DeviceListDialog::addVisibleRemoveButtons);
}

void DeviceListDialog::addDevice(UdpBrowsingPacket *packet, bool online)
{
    Q_UNUSED(online) // the link status is read from the model
    if (!packet)
        return;
    const int row = m_tableWidget->rowCount();
    m_tableWidget->insertRow(row);
    fillRow(row, *packet);
    updateLinkStatusAt(row);
}

void DeviceListDialog::fillRow(int row, const UdpBrowsingPacket &p)
{
    const UdpBrowsingPacket *packet = &p;
    setText(row, AddressColumn, DeviceText::address(packet->ipAddress));
    setText(row, ModelColumn, UdpBrowsingPacket::textString(packet->model));
    setText(row, ArmVersionColumn, DeviceText::version(packet->armVersion));
    setText(row, DspVersionColumn, DeviceText::version(packet->dspVersion));
    setText(row, LocationColumn, UdpBrowsingPacket::textString(packet->location));
    setText(row, DescriptionColumn, UdpBrowsingPacket::textString(packet->description));
    setText(row, SerialNumberColumn,
            UdpBrowsingPacket::textString(packet->serialNumber));
    setDuration(row, RunTimeColumn, packet->runTime);
    setDuration(row, TotalTimeColumn, packet->totalTime);
    setText(row, DeviceIdColumn, QString::number(packet->deviceId));
    if (row < EagerButtonRows)
        addRemoveButton(row);
}

void DeviceListDialog::addRemoveButton(int row)
{
    if (m_tableWidget->cellWidget(row, RemoveColumn))
        return;
    auto *removeButton = new QPushButton(tr("Remove"));
    removeButton->setObjectName(QStringLiteral("removeButton"));
    connect(removeButton, &QPushButton::clicked, this, &DeviceListDialog::removeButtonClicked);
    m_tableWidget->setCellWidget(row, RemoveColumn, removeButton);
}

void DeviceListDialog::addVisibleRemoveButtons()
{
    const int rows = m_tableWidget->rowCount();
    if (rows == 0 || !isVisible())
        return;
    const int viewHeight = m_tableWidget->viewport()->height();
    const int first = m_tableWidget->rowAt(0);
    int last = m_tableWidget->rowAt(viewHeight - 1);
    if (first < 0)
        return;
    if (last < 0)
        last = rows - 1; // the rows end above the bottom
    for (int row = first; row <= last && row < rows; ++row)
        addRemoveButton(row);
}

void DeviceListDialog::removeDevice(int index)
{
    if (index >= 0 && index < m_tableWidget->rowCount())
        m_tableWidget->removeRow(index);
    if (m_selectedRow == index)
        m_selectedRow = -1;
    else if (m_selectedRow > index)
        --m_selectedRow;
    addVisibleRemoveButtons(); // a row without its button may have moved into view
}

void DeviceListDialog::setIPAddress(uint index, uint address)
{
    setText(int(index), AddressColumn, DeviceText::address(address));
}

void DeviceListDialog::setModel(uint index, const QString &model)
{
    setText(int(index), ModelColumn, model);
}

void DeviceListDialog::setARMVersion(uint index, uchar major, uchar minor, uchar patch)
{
    setText(int(index), ArmVersionColumn, DeviceText::version({major, minor, patch}));
}

void DeviceListDialog::setDSPVersion(uint index, uchar major, uchar minor, uchar patch)
{
    setText(int(index), DspVersionColumn, DeviceText::version({major, minor, patch}));
}

void DeviceListDialog::setSerialNumber(uint index, const QString &serialNumber)
{
    setText(int(index), SerialNumberColumn, serialNumber);
}

void DeviceListDialog::setLocation(uint index, const QString &location)
{
    setText(int(index), LocationColumn, location);
}

void DeviceListDialog::setDescription(uint index, const QString &description)
{
    setText(int(index), DescriptionColumn, description);
}

void DeviceListDialog::setRunTime(uint index, uint run, uint total)
{
    setDuration(int(index), RunTimeColumn, run);
    setDuration(int(index), TotalTimeColumn, total);
}

void DeviceListDialog::setDeviceID(uint index, uint deviceId)
{
    setText(int(index), DeviceIdColumn, QString::number(deviceId));
}

void DeviceListDialog::updateLinkStatus()
{
    for (int row = 0; row < m_tableWidget->rowCount(); ++row)
        setText(row, LinkStatusColumn, linkStatusText(row));
}

void DeviceListDialog::updateLinkStatusAt(int index)
{
    if (index < 0 || index >= m_tableWidget->rowCount())
        return;
    setText(index, LinkStatusColumn, linkStatusText(index));
}

// Only the row that showed the selection and the row that shows it now can have changed.
void DeviceListDialog::updateSelectedLinkStatus()
{
    const int previous = m_selectedRow;
    m_selectedRow = m_model ? m_model->currentIndex() : -1;
    updateLinkStatusAt(previous);
    if (m_selectedRow != previous)
        updateLinkStatusAt(m_selectedRow);
}

void DeviceListDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void DeviceListDialog::hideEvent(QHideEvent *event)
{
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    Dialog::hideEvent(event);
}

void DeviceListDialog::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    addVisibleRemoveButtons();
}

void DeviceListDialog::resizeEvent(QResizeEvent *event)
{
    Dialog::resizeEvent(event);
    addVisibleRemoveButtons();
}

void DeviceListDialog::removeButtonClicked()
{
    // Rows move up as others are removed: find the button's row when it is clicked.
    for (int row = 0; row < m_tableWidget->rowCount(); ++row) {
        if (m_tableWidget->cellWidget(row, RemoveColumn) == sender()) {
            emit removeDeviceRequested(row);
            return;
        }
    }
}

void DeviceListDialog::setText(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_tableWidget->rowCount())
        return;
    QTableWidgetItem *item = m_tableWidget->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        m_tableWidget->setItem(row, column, item);
    }
    item->setText(text);
}

void DeviceListDialog::setDuration(int row, int column, quint32 seconds)
{
    setText(row, column, DeviceText::duration(seconds));
    if (QTableWidgetItem *item = m_tableWidget->item(row, column))
        item->setData(Qt::UserRole, seconds); // to write it again in another language
}

QString DeviceListDialog::linkStatusText(int row) const
{
    if (!m_model || row < 0 || row >= m_model->deviceCount())
        return QString();
    const bool online = m_model->device(row).online;
    const bool loggedIn = row == m_model->currentIndex() && m_model->isLoggedIn();
    if (loggedIn)
        return online ? tr("Online(Logined)") : tr("Logined");
    return online ? tr("Online(Unlogin)") : tr("Offline");
}

void DeviceListDialog::retranslate()
{
    setWindowTitle(tr("Device List"));
    m_tableWidget->setHorizontalHeaderLabels(
            {tr("IP Address"), tr("Model"), tr("ARM Version"), tr("DSP Version"), tr("Location"),
             tr("Description"), tr("Serial Number"), tr("Link Status"), tr("Run Time"),
             tr("Total Time"), tr("Device ID"), QString()});
    for (int row = 0; row < m_tableWidget->rowCount(); ++row) {
        if (auto *button =
                    qobject_cast<QPushButton *>(m_tableWidget->cellWidget(row, RemoveColumn)))
            button->setText(tr("Remove"));
        for (int column : {RunTimeColumn, TotalTimeColumn}) {
            if (const QTableWidgetItem *item = m_tableWidget->item(row, column))
                setDuration(row, column, item->data(Qt::UserRole).toUInt());
        }
    }
    updateLinkStatus();
}
