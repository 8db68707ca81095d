#include "panel/DeviceWidget.h"

#include "settings/SystemSettings.h"
#include "widgets/MessageBox.h"
#include "wire/LoginStatus.h"
#include "link/InterfaceChoice.h"
#include "link/SystemInterfaceProvider.h"
#include "panel/AddDeviceDialog.h"
#include "panel/DeviceItemWidget.h"
#include "panel/EditDeviceDialog.h"
#include "panel/ListWidget.h"
#include "panel/LoginDialog.h"
#include "panel/PanelIcons.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <QTcpSocket>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The one fixed credential of the program: tried first whenever a device says that nobody is
// logged in, so a device without a password of its own opens at once.
const char *const BuiltInPassword = "#*qubit*";

const char *const SourceRowProperty = "sourceRow";
const QSize ButtonSize(28, 28);
const QSize IconSize(18, 18);
const int EagerRowWidgets = 12; // row widgets made before the rows are seen

} // namespace

DeviceWidget::DeviceWidget(QWidget *parent)
    : QFrame(parent), m_interfaces(std::make_unique<SystemInterfaceProvider>()),
      m_titleLabel(new QLabel(this)), m_listButton(createButton("listButton")),
      m_addButton(createButton("addButton")), m_editButton(createButton("editButton")),
      m_removeButton(createButton("removeButton")),
      m_disconnectButton(createButton("disconnectButton")), m_listWidget(new ListWidget(this)),
      m_contextMenu(new QMenu(this)), m_listAction(createAction("listAction")),
      m_addAction(createAction("addAction")), m_editAction(createAction("editAction")),
      m_removeAction(createAction("removeAction")),
      m_disconnectAction(createAction("disconnectAction")), m_loginDialog(new LoginDialog(this)),
      m_editDeviceDialog(new EditDeviceDialog(this)), m_addDeviceDialog(new AddDeviceDialog(this))
{
    setObjectName(QStringLiteral("deviceWidget"));

    m_titleLabel->setObjectName(QStringLiteral("panelTitleLabel"));
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSize(10);
    m_titleLabel->setFont(titleFont);

    m_listWidget->setObjectName(QStringLiteral("deviceListWidget"));
    m_listWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listWidget->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listWidget->setSpacing(3);
    m_listWidget->setUniformItemSizes(true);

    m_contextMenu->setObjectName(QStringLiteral("deviceContextMenu"));
    m_contextMenu->addAction(m_listAction);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_addAction);
    m_contextMenu->addAction(m_editAction);
    m_contextMenu->addAction(m_removeAction);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_disconnectAction);
    m_contextMenu->setProperty(SourceRowProperty, -1);

    auto *header = new QHBoxLayout;
    header->setSpacing(2);
    header->addWidget(m_titleLabel, 1);
    for (QToolButton *button :
         {m_listButton, m_addButton, m_editButton, m_removeButton, m_disconnectButton})
        header->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(6);
    layout->addLayout(header);
    layout->addWidget(m_listWidget, 1);
    // The connection time-out box is built the first time a connection times out.

    connect(m_listButton, &QToolButton::clicked, this, &DeviceWidget::listButtonClicked);
    connect(m_addButton, &QToolButton::clicked, this, &DeviceWidget::addButtonClicked);
    connect(m_editButton, &QToolButton::clicked, this, &DeviceWidget::editButtonClicked);
    connect(m_removeButton, &QToolButton::clicked, this, &DeviceWidget::removeButtonClicked);
    connect(m_disconnectButton, &QToolButton::clicked, this,
            &DeviceWidget::disconnectButtonClicked);
    connect(m_listAction, &QAction::triggered, this, &DeviceWidget::listButtonClicked);
    connect(m_addAction, &QAction::triggered, this, &DeviceWidget::addButtonClicked);
    connect(m_editAction, &QAction::triggered, this, &DeviceWidget::editActionTriggered);
    connect(m_removeAction, &QAction::triggered, this, &DeviceWidget::removeActionTriggered);
    // Only the selected device can be disconnected, whichever row the menu was opened on.
    connect(m_disconnectAction, &QAction::triggered, this, &DeviceWidget::disconnectButtonClicked);
    connect(m_listWidget, &ListWidget::itemSelectionChanged, this,
            &DeviceWidget::listWidgetItemSelectionChanged);
    connect(m_listWidget, &ListWidget::currentItemChanged, this,
            &DeviceWidget::listWidgetCurrentItemChanged);
    connect(m_listWidget, &ListWidget::itemDoubleClicked, this,
            &DeviceWidget::listWidgetItemDoubleClicked);
    connect(m_listWidget, &ListWidget::contextMenuAtRow, this,
            &DeviceWidget::listWidgetContextMenuAtRow);
    connect(m_listWidget->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DeviceWidget::addVisibleRowWidgets);
    connect(m_listWidget->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &DeviceWidget::addVisibleRowWidgets);

    setEditEnabled(false);
    setDisconnectEnabled(false);

    if (SystemSettings *settings = SystemSettings::instance()) {
        m_dark = settings->dark() != 0;
        connect(settings, &SystemSettings::appearanceChanged, this, &DeviceWidget::setDark);
    }
    updateIcons();
    retranslate();
}

DeviceWidget::~DeviceWidget() = default;

void DeviceWidget::connectModel(DataModel *model)
{
    m_model = model;
    m_loginDialog->setDataModel(model);
    m_editDeviceDialog->setDataModel(model);
    m_addDeviceDialog->setDataModel(model);

    // Devices from the registry are in the list before any signal.
    m_listWidget->setUpdatesEnabled(false);
    for (int i = 0; i < model->deviceCount(); ++i)
        appendRow();
    m_listWidget->setUpdatesEnabled(true);

    connect(model, &DataModel::deviceListAdd, this, &DeviceWidget::addDevice);
    connect(model, &DataModel::deviceListRemove, this, &DeviceWidget::removeDevice);
    connect(model, &DataModel::deviceListIPAddressChanged, this, &DeviceWidget::setIPAddress);
    connect(model, &DataModel::deviceListModelChanged, this, &DeviceWidget::setModel);
    connect(model, &DataModel::deviceListPresetChanged, this, &DeviceWidget::setPreset);
    connect(model, &DataModel::deviceListSelectionChanged, this, &DeviceWidget::setSelectedIndex);
    connect(model, &DataModel::deviceListNetworkChanged, this, &DeviceWidget::setLinkStatus);
    connect(model, &DataModel::deviceListFaultChanged, this, &DeviceWidget::setFault);
    connect(model, &DataModel::tcpLoginChanged, this, &DeviceWidget::setLogin);
    connect(model, &DataModel::tcpConnectTimeout, this, &DeviceWidget::setConnectTimeout);
    connect(model, &DataModel::deviceRegistryProblem, this, &DeviceWidget::tellRegistryProblem);
    if (model->registry().problem() != DeviceRegistry::Problem::None) // found while starting
        QTimer::singleShot(0, this, &DeviceWidget::tellRegistryProblem);

    if (model->currentIndex() >= 0) {
        setSelectedIndex(model->currentIndex(), false);
        setLinkStatus(model->currentIndex());
    }
}

void DeviceWidget::setInterfaceProvider(std::unique_ptr<NetworkInterfaceProvider> provider)
{
    if (provider)
        m_interfaces = std::move(provider);
}

void DeviceWidget::setDark(int dark)
{
    m_dark = dark != 0;
    updateIcons();
}

// ---- rows ---------------------------------------------------------------------------------

DeviceItemWidget *DeviceWidget::row(int index) const
{
    QListWidgetItem *item = m_listWidget->item(index);
    return item ? qobject_cast<DeviceItemWidget *>(m_listWidget->itemWidget(item)) : nullptr;
}

void DeviceWidget::appendRow()
{
    auto *item = new QListWidgetItem;
    item->setSizeHint(QSize(0, DeviceItemWidget::RowHeight));
    m_listWidget->addItem(item);
    const int index = m_listWidget->count() - 1;
    if (index < EagerRowWidgets)
        addRowWidget(index);
    else if (isVisible())
        addVisibleRowWidgets();
}

// The row's widget, made from what the model holds for the device now.
DeviceItemWidget *DeviceWidget::addRowWidget(int index)
{
    QListWidgetItem *item = m_listWidget->item(index);
    if (!item || !m_model || index >= m_model->deviceCount())
        return nullptr;
    if (auto *existing = qobject_cast<DeviceItemWidget *>(m_listWidget->itemWidget(item)))
        return existing;
    const DeviceEntry &entry = m_model->device(index);
    const UdpBrowsingPacket &packet = entry.packet;
    auto *widget = new DeviceItemWidget;
    widget->setAddress(packet.ipAddress);
    widget->setModel(UdpBrowsingPacket::textString(packet.model));
    widget->setPreset(UdpBrowsingPacket::textString(packet.preset));
    widget->setFault(packet.fault != 0);
    widget->setOnline(entry.online);
    widget->setSelected(m_listWidget->currentRow() == index && item->isSelected());
    widget->setLoggedIn(index == m_model->currentIndex() && m_model->isLoggedIn());
    m_listWidget->setItemWidget(item, widget);
    return widget;
}

void DeviceWidget::addVisibleRowWidgets()
{
    const int rows = m_listWidget->count();
    if (rows <= EagerRowWidgets || !isVisible())
        return;
    // Rows are RowHeight high with the list's spacing around each.
    QWidget *viewport = m_listWidget->viewport();
    const int pitch = DeviceItemWidget::RowHeight + 2 * m_listWidget->spacing();
    const int top = m_listWidget->verticalScrollBar()->value();
    const int first = std::max(0, top / pitch - 1);
    const int last = (top + viewport->height()) / pitch + 1;
    for (int row = first; row <= last && row < rows; ++row)
        addRowWidget(row);
}

void DeviceWidget::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    addVisibleRowWidgets();
}

void DeviceWidget::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    addVisibleRowWidgets();
}

void DeviceWidget::tellRegistryProblem()
{
    if (m_registryProblemTold || !m_model)
        return;
    const DeviceRegistry::Problem problem = m_model->registry().problem();
    if (problem == DeviceRegistry::Problem::None)
        return;
    m_registryProblemTold = true;
    const QString text = problem == DeviceRegistry::Problem::Unreadable
            ? tr("The list of known devices (devices.db) cannot be read. It is left as it is; "
                 "devices found in this session are shown but will not be remembered.")
            : tr("The list of known devices (devices.db) cannot be written. New devices and "
                 "changes of this session will not be remembered.");
    MessageBox::inform(this, MessageBox::Warning, tr("Device List"), text);
}

void DeviceWidget::removeRow(int index)
{
    if (index < 0 || index >= m_listWidget->count())
        return;
    QScopedValueRollback<bool> removing(m_removing, true);
    delete m_listWidget->takeItem(index);
    if (m_loggedInRow == index)
        m_loggedInRow = -1;
    else if (m_loggedInRow > index)
        --m_loggedInRow;
    addVisibleRowWidgets(); // a row without its widget may have moved into view
}

void DeviceWidget::addDevice(UdpBrowsingPacket *packet, bool online)
{
    Q_UNUSED(online) // the row reads the model
    if (packet)
        appendRow();
}

void DeviceWidget::removeDevice(int index)
{
    if (m_removingDevice)
        return;
    removeRow(index);
    refreshLoginState();
}

void DeviceWidget::setIPAddress(uint index, uint address)
{
    if (DeviceItemWidget *widget = row(int(index)))
        widget->setAddress(address);
}

void DeviceWidget::setModel(uint index, const QString &model)
{
    if (DeviceItemWidget *widget = row(int(index)))
        widget->setModel(model);
}

void DeviceWidget::setPreset(uint index, const QString &preset)
{
    if (DeviceItemWidget *widget = row(int(index)))
        widget->setPreset(preset);
}

void DeviceWidget::setFault(uint index, bool fault)
{
    if (DeviceItemWidget *widget = row(int(index)))
        widget->setFault(fault);
}

// ---- selection ----------------------------------------------------------------------------

void DeviceWidget::selectRowDevice(int index)
{
    if (!m_model)
        return;
    {
        QScopedValueRollback<bool> selecting(m_selectingDevice, true);
        m_model->selectDevice(index, false);
    }
    // The model's echo was not heard: the buttons and the box follow the selection here.
    setEditEnabled(m_model->currentIndex() >= 0);
    hideConnectTimeoutBox();
    refreshLoginState();
}

void DeviceWidget::setSelectedIndex(int index, bool flag)
{
    if (m_selectingDevice)
        return;
    if (index >= 0 && !flag) {
        if (index < m_listWidget->count() && m_listWidget->currentRow() != index)
            m_listWidget->setCurrentRow(index);
        setEditEnabled(true);
    } else {
        setEditEnabled(index >= 0);
        if (index < 0) {
            for (int i = 0; i < m_listWidget->count(); ++i) {
                if (DeviceItemWidget *widget = row(i))
                    widget->setSelected(false);
            }
            m_listWidget->setCurrentRow(-1);
            m_listWidget->clearSelection();
            setDisconnectEnabled(false);
        }
    }
    hideConnectTimeoutBox();
    refreshLoginState();
}

void DeviceWidget::listWidgetCurrentItemChanged(QListWidgetItem *current, QListWidgetItem *previous)
{
    if (previous) {
        if (auto *widget = qobject_cast<DeviceItemWidget *>(m_listWidget->itemWidget(previous)))
            widget->setSelected(false);
    }
    if (m_removing || !current)
        return;
    if (auto *widget = qobject_cast<DeviceItemWidget *>(m_listWidget->itemWidget(current)))
        widget->setSelected(true);
    selectRowDevice(m_listWidget->row(current));
}

void DeviceWidget::listWidgetItemSelectionChanged()
{
    QListWidgetItem *item = m_listWidget->currentItem();
    if (!item)
        return;
    if (m_removing) {
        item->setSelected(false);
        return;
    }
    if (!item->isSelected())
        return;
    const int index = m_listWidget->row(item);
    if (DeviceItemWidget *widget = row(index))
        widget->setSelected(true);
    // The row stayed current while nothing was selected (after a removal): select it now.
    if (m_model && m_model->currentIndex() < 0)
        selectRowDevice(index);
}

void DeviceWidget::listWidgetItemDoubleClicked(QListWidgetItem *item)
{
    if (m_model && item && m_listWidget->row(item) == m_model->currentIndex()
        && currentSocketConnected())
        askDisconnect();
}

// ---- link and login -----------------------------------------------------------------------

void DeviceWidget::setLinkStatus(int index)
{
    if (!m_model || index < 0 || index >= m_model->deviceCount())
        return;
    const bool selected = index == m_model->currentIndex();
    if (DeviceItemWidget *widget = row(index)) {
        widget->setOnline(m_model->device(index).online);
        widget->setLoggedIn(selected && m_model->isLoggedIn());
    }
    if (selected) {
        const bool connected = currentSocketConnected();
        setDisconnectEnabled(connected);
        if (connected)
            hideConnectTimeoutBox();
    }
    if (m_model->isLoggedIn()) {
        m_wasLoggedIn = true;
        emit loginChanged(true);
    } else if (m_wasLoggedIn) {
        m_wasLoggedIn = false;
        m_model->resetMirror();
        emit loginChanged(false);
    }
}

void DeviceWidget::setLogin(uchar status)
{
    switch (status) {
    case LoginStatus::Accepted:
        m_loginDialog->forgetUserAttempt();
        m_loginDialog->hide();
        break;
    case LoginStatus::NotLoggedIn:
        // After a reconnection the model logs in again with the password the device accepted;
        // the built-in password on top of it would be refused and undo that login.
        if (m_model && !m_model->rememberedPassword().isEmpty())
            break;
        // A new round: the refusal that follows answers the built-in password, not the user.
        m_loginDialog->forgetUserAttempt();
        if (m_model)
            m_model->login(QString::fromLatin1(BuiltInPassword), false);
        m_loginDialog->show();
        m_loginDialog->raise();
        m_loginDialog->activateWindow();
        break;
    case LoginStatus::Rejected:
        // The dialog hides when the user logs in; the answer to a wrong password brings it back
        // with the error line, or the user would never learn why nothing happens. The refused
        // built-in password leaves the dialog clean: the user has not tried anything yet.
        m_loginDialog->show();
        m_loginDialog->raise();
        if (m_loginDialog->takeUserAttempt())
            m_loginDialog->showPasswordError();
        break;
    default:
        break;
    }
}

// Only the row that showed the login and the row that shows it now can change.
void DeviceWidget::refreshLoginState()
{
    if (!m_model)
        return;
    const int loggedIn = m_model->isLoggedIn() ? m_model->currentIndex() : -1;
    if (m_loggedInRow != loggedIn) {
        if (DeviceItemWidget *widget = row(m_loggedInRow))
            widget->setLoggedIn(false);
    }
    m_loggedInRow = loggedIn;
    if (DeviceItemWidget *widget = row(loggedIn))
        widget->setLoggedIn(true);
}

bool DeviceWidget::currentSocketConnected() const
{
    const QTcpSocket *socket = m_model ? m_model->currentSocket() : nullptr;
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

// ---- connection time-out ------------------------------------------------------------------

QMessageBox *DeviceWidget::connectTimeoutBox()
{
    if (m_connectTimeoutBox)
        return m_connectTimeoutBox;
    m_connectTimeoutBox = new QMessageBox(this);
    m_connectTimeoutBox->setObjectName(QStringLiteral("connectTimeoutMessageBox"));
    m_connectTimeoutBox->setIcon(QMessageBox::Information);
    m_connectTimeoutBox->setTextFormat(Qt::PlainText);
    m_connectTimeoutBox->setWindowModality(Qt::NonModal);
    m_modifyIpButton = m_connectTimeoutBox->addButton(QString(), QMessageBox::AcceptRole);
    m_modifyIpButton->setObjectName(QStringLiteral("modifyIpButton"));
    m_closeButton = m_connectTimeoutBox->addButton(QString(), QMessageBox::RejectRole);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_noRemindButton = m_connectTimeoutBox->addButton(QString(), QMessageBox::DestructiveRole);
    m_noRemindButton->setObjectName(QStringLiteral("noRemindButton"));
    connect(m_connectTimeoutBox, &QMessageBox::buttonClicked, this,
            &DeviceWidget::connectTimeoutMessageBoxButtonClicked);
    retranslateConnectTimeoutBox();
    return m_connectTimeoutBox;
}

void DeviceWidget::setConnectTimeout(bool exhausted)
{
    if (!m_remind || !m_model)
        return;
    // The user is already changing a device's address.
    if (qobject_cast<EditDeviceDialog *>(QApplication::activeModalWidget()))
        return;
    const int index = m_model->currentIndex();
    if (index < 0 || index >= m_model->deviceCount())
        return;
    const DeviceEntry &entry = m_model->device(index);
    if ((exhausted && entry.online) || !onLocalSubnet(entry.packet.ipAddress)) {
        QMessageBox *box = connectTimeoutBox();
        box->show();
        box->raise();
    }
}

bool DeviceWidget::onLocalSubnet(quint32 address) const
{
    const auto candidates =
            InterfaceChoice::candidates(m_interfaces->interfaces(), QHostAddress(address));
    for (const InterfaceChoice::Candidate &candidate : candidates) {
        if (candidate.inSubnet)
            return true;
    }
    return false;
}

void DeviceWidget::hideConnectTimeoutBox()
{
    if (m_connectTimeoutBox)
        m_connectTimeoutBox->hide();
}

void DeviceWidget::connectTimeoutMessageBoxButtonClicked(QAbstractButton *button)
{
    if (button == m_modifyIpButton)
        editButtonClicked();
    else if (button == m_noRemindButton)
        m_remind = false;
}

// ---- buttons and menu ---------------------------------------------------------------------

void DeviceWidget::listWidgetContextMenuAtRow(int row)
{
    const bool onRow =
            m_model && row >= 0 && row < m_listWidget->count() && row < m_model->deviceCount();
    m_editAction->setEnabled(onRow);
    m_removeAction->setEnabled(onRow);
    m_disconnectAction->setEnabled(onRow && row == m_model->currentIndex()
                                   && currentSocketConnected());
    m_contextMenu->setProperty(SourceRowProperty, onRow ? row : -1);
    m_contextMenu->popup(QCursor::pos());
}

int DeviceWidget::contextMenuRow() const
{
    bool ok = false;
    const int row = m_contextMenu->property(SourceRowProperty).toInt(&ok);
    return ok ? row : -1;
}

void DeviceWidget::addButtonClicked()
{
    m_addDeviceDialog->addDevice();
}

void DeviceWidget::editButtonClicked()
{
    if (m_model)
        editDevice(m_model->currentIndex());
}

void DeviceWidget::editActionTriggered()
{
    editDevice(contextMenuRow());
}

void DeviceWidget::editDevice(int index)
{
    if (m_model && index >= 0 && index < m_model->deviceCount())
        m_editDeviceDialog->editDevice(index);
}

void DeviceWidget::removeButtonClicked()
{
    if (m_model)
        removeDeviceAt(m_model->currentIndex());
}

void DeviceWidget::removeActionTriggered()
{
    removeDeviceAt(contextMenuRow());
}

void DeviceWidget::removeDeviceAt(int index)
{
    if (!m_model || index < 0 || index >= m_model->deviceCount())
        return;
    {
        QScopedValueRollback<bool> removingDevice(m_removingDevice, true);
        m_model->removeDevice(index);
    }
    removeRow(index);
    // The model moved its selection before the row went: the login badges follow now.
    refreshLoginState();
    if (m_model->currentIndex() < 0) {
        m_wasLoggedIn = false;
        m_model->resetMirror();
        emit loginChanged(false);
    }
}

void DeviceWidget::disconnectButtonClicked()
{
    if (m_model && m_model->currentIndex() >= 0)
        askDisconnect();
}

void DeviceWidget::askDisconnect()
{
    const int answer = MessageBox::ask(this, MessageBox::Question, tr("Disconnect"),
                                       tr("Are you sure that you want to disconnect the device?"),
                                       {tr("OK"), tr("Cancel")});
    if (answer == 0 && m_model)
        m_model->selectDevice(-1, false);
}

void DeviceWidget::setEditEnabled(bool enabled)
{
    m_editButton->setEnabled(enabled);
    m_removeButton->setEnabled(enabled);
}

void DeviceWidget::setDisconnectEnabled(bool enabled)
{
    m_disconnectButton->setEnabled(enabled);
    m_disconnectAction->setEnabled(enabled);
}

// ---- appearance and language --------------------------------------------------------------

QToolButton *DeviceWidget::createButton(const char *name)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setFixedSize(ButtonSize);
    button->setIconSize(IconSize);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QAction *DeviceWidget::createAction(const char *name)
{
    auto *action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    return action;
}

void DeviceWidget::updateIcons()
{
    const auto set = [this](QToolButton *button, QAction *action, PanelIcons::Kind kind) {
        const QIcon icon = PanelIcons::icon(kind, m_dark);
        button->setIcon(icon);
        action->setIcon(icon);
    };
    set(m_listButton, m_listAction, PanelIcons::List);
    set(m_addButton, m_addAction, PanelIcons::Add);
    set(m_editButton, m_editAction, PanelIcons::Edit);
    set(m_removeButton, m_removeAction, PanelIcons::Remove);
    set(m_disconnectButton, m_disconnectAction, PanelIcons::Disconnect);
}

void DeviceWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void DeviceWidget::retranslate()
{
    m_titleLabel->setText(tr("Devices"));
    const auto name = [](QToolButton *button, QAction *action, const QString &text) {
        button->setText(text);
        button->setToolTip(text);
        button->setAccessibleName(text);
        action->setText(text);
    };
    name(m_listButton, m_listAction, tr("Device List"));
    name(m_addButton, m_addAction, tr("Add Device"));
    name(m_editButton, m_editAction, tr("Modify Network Parameters"));
    name(m_removeButton, m_removeAction, tr("Remove Device"));
    name(m_disconnectButton, m_disconnectAction, tr("Disconnect"));
    m_listWidget->setPlaceholderText(
            tr("No devices yet.\nProcessors on the local network appear here."));

    retranslateConnectTimeoutBox();
}

void DeviceWidget::retranslateConnectTimeoutBox()
{
    if (!m_connectTimeoutBox)
        return;
    m_connectTimeoutBox->setWindowTitle(tr("Connection Timeout"));
    m_connectTimeoutBox->setText(
            tr("* The connection timed out!\n"
               "* Please check the network connection!\n"
               "* Please make sure that the PC and the device are on the same subnet!\n"
               "* Please make sure that there is no other IP conflicting with the device IP!\n"
               "  You can try to modify the PC's IP or device IP.\n"
               "  Right-click the mouse to select the device, you can modify its IP."));
    m_modifyIpButton->setText(tr("Modify device IP immediately"));
    m_closeButton->setText(tr("Close"));
    m_noRemindButton->setText(tr("Do not remind again"));
}
