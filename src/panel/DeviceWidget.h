#pragma once

#include "model/DataModel.h"

#include <QFrame>

#include <memory>

class AddDeviceDialog;
class DeviceItemWidget;
class EditDeviceDialog;
class ListWidget;
class LoginDialog;
class NetworkInterfaceProvider;
class QAbstractButton;
class QAction;
class QLabel;
class QListWidgetItem;
class QMenu;
class QMessageBox;
class QToolButton;

// The device list panel on the left of the main window: one row per known processor (row index
// = device index), the buttons and context menu to add, edit, remove and disconnect devices and
// to open the full list, and the login dialog and connection time-out box around them. Driven
// entirely by the model's device-list, login and time-out signals (connectModel()).
class DeviceWidget : public QFrame
{
    Q_OBJECT

public:
    explicit DeviceWidget(QWidget *parent = nullptr);
    ~DeviceWidget() override;

    // Builds the rows of the devices the model already knows and connects every model signal
    // the panel follows. Call once.
    void connectModel(DataModel *model);

    // The machine's interfaces, for the "same subnet" rule of the time-out box. The program
    // uses the platform's; tests hand in their own.
    void setInterfaceProvider(std::unique_ptr<NetworkInterfaceProvider> provider);

    // Whether the time-out box is still shown at all this run ("Do not remind again").
    bool remindsOfTimeouts() const { return m_remind; }
    // The box a connection time-out shows, built the first time it is wanted.
    QMessageBox *connectTimeoutBox();

signals:
    void listButtonClicked();
    void loginChanged(bool loggedIn);

public slots:
    // The icon set of the appearance: 1 dark, 0 light.
    void setDark(int dark);
    // "Remove Device" for one row: the model forgets the device, the row goes, and when no
    // device is selected any more the status mirror starts over. Also asked for by the device
    // list window's "Remove" buttons.
    void removeDeviceAt(int index);

    // From the model.
    void addDevice(UdpBrowsingPacket *packet, bool online);
    void removeDevice(int index);
    void setIPAddress(uint index, uint address);
    void setModel(uint index, const QString &model);
    void setPreset(uint index, const QString &preset);
    void setSelectedIndex(int index, bool flag);
    void setLinkStatus(int index);
    void setFault(uint index, bool fault);
    void setLogin(uchar status);
    void setConnectTimeout(bool exhausted);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void listWidgetItemSelectionChanged();
    void listWidgetCurrentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void listWidgetItemDoubleClicked(QListWidgetItem *item);
    void listWidgetContextMenuAtRow(int row);
    void addButtonClicked();
    void editButtonClicked();
    void removeButtonClicked();
    void disconnectButtonClicked();
    void editActionTriggered();
    void removeActionTriggered();
    void connectTimeoutMessageBoxButtonClicked(QAbstractButton *button);
    // Rows get their widgets when they come into view (and the first ones at once), so a
    // list of thousands costs what is seen.
    void addVisibleRowWidgets();
    // devices.db could not be read or written: said once, in the program's words.
    void tellRegistryProblem();

private:
    QToolButton *createButton(const char *name);
    QAction *createAction(const char *name);
    void retranslateConnectTimeoutBox();
    void retranslate();
    void updateIcons();

    DeviceItemWidget *row(int index) const;
    void appendRow();
    DeviceItemWidget *addRowWidget(int index);
    void removeRow(int index);
    // Selects the device of a row in the model, without hearing the model's echo of it.
    void selectRowDevice(int index);
    void setEditEnabled(bool enabled);
    void setDisconnectEnabled(bool enabled);
    void refreshLoginState();
    bool currentSocketConnected() const;
    int contextMenuRow() const;
    void editDevice(int index);
    void askDisconnect();
    // Whether address lies in the subnet of one of this machine's usable IPv4 addresses.
    bool onLocalSubnet(quint32 address) const;
    void hideConnectTimeoutBox();

    DataModel *m_model = nullptr;
    std::unique_ptr<NetworkInterfaceProvider> m_interfaces;

    QLabel *m_titleLabel;
    QToolButton *m_listButton;
    QToolButton *m_addButton;
    QToolButton *m_editButton;
    QToolButton *m_removeButton;
    QToolButton *m_disconnectButton;
    ListWidget *m_listWidget;

    QMenu *m_contextMenu;
    QAction *m_listAction;
    QAction *m_addAction;
    QAction *m_editAction;
    QAction *m_removeAction;
    QAction *m_disconnectAction;

    LoginDialog *m_loginDialog;
    EditDeviceDialog *m_editDeviceDialog;
    AddDeviceDialog *m_addDeviceDialog;
    QMessageBox *m_connectTimeoutBox = nullptr;
    QAbstractButton *m_modifyIpButton = nullptr;
    QAbstractButton *m_closeButton = nullptr;
    QAbstractButton *m_noRemindButton = nullptr;

    bool m_dark = false;
    bool m_removing = false; // a row is being deleted: the list's selection signals are ignored
    bool m_selectingDevice = false; // the panel's own selectDevice call is running
    bool m_removingDevice = false; // the panel's own removeDevice call is running
    bool m_remind = true;
    bool m_wasLoggedIn = false;
    bool m_registryProblemTold = false;
    int m_loggedInRow = -1; // the row showing the login badge
};
