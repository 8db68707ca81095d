#pragma once

#include "widgets/Dialog.h"
#include "model/DataModel.h"

class QPushButton;
class QTableWidget;

// Every known processor in one table: identity, versions, link state, run times, identifier,
// and a "Remove" button per row. The rows follow the device-list signals of the model. Removing
// is the panel's business (it also clears the selection state): the button only asks for it.
class DeviceListDialog : public Dialog
{
    Q_OBJECT

public:
    enum Column {
        AddressColumn,
        ModelColumn,
        ArmVersionColumn,
        DspVersionColumn,
        LocationColumn,
        DescriptionColumn,
        SerialNumberColumn,
        LinkStatusColumn,
        RunTimeColumn,
        TotalTimeColumn,
        DeviceIdColumn,
        RemoveColumn,
        ColumnCount
    };

    explicit DeviceListDialog(QWidget *parent = nullptr);
    ~DeviceListDialog() override;

    // Fills the table with the devices the model already knows and follows it from now on.
    void connectModel(DataModel *model);

signals:
    // The "Remove" button of the row of that device.
    void removeDeviceRequested(int index);

public slots:
    void addDevice(UdpBrowsingPacket *packet, bool online);
    void removeDevice(int index);
    void setIPAddress(uint index, uint address);
    void setModel(uint index, const QString &model);
    void setARMVersion(uint index, uchar major, uchar minor, uchar patch);
    void setDSPVersion(uint index, uchar major, uchar minor, uchar patch);
    void setSerialNumber(uint index, const QString &serialNumber);
    void setLocation(uint index, const QString &location);
    void setDescription(uint index, const QString &description);
    void setRunTime(uint index, uint run, uint total);
    void setDeviceID(uint index, uint deviceId);
    // Online, selection and login all show in the link status column: every row, one row,
    // or the rows whose selection or login changed.
    void updateLinkStatus();
    void updateLinkStatusAt(int index);
    void updateSelectedLinkStatus();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void removeButtonClicked();

private:
    void fillRow(int row, const UdpBrowsingPacket &packet);
    // The "Remove" buttons exist for the first rows and for the rows scrolled into view, so a
    // list of thousands opens at once.
    void addRemoveButton(int row);
    void addVisibleRemoveButtons();
    void setText(int row, int column, const QString &text);
    void setDuration(int row, int column, quint32 seconds);
    QString linkStatusText(int row) const;
    void retranslate();

    DataModel *m_model = nullptr;
    QTableWidget *m_tableWidget;
    bool m_shown = false;
    int m_selectedRow = -1; // the row whose link status shows the selection
};
