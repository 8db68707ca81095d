#pragma once

#include "widgets/Dialog.h"

class DataModel;
class QLabel;
class QLineEdit;
class QPushButton;

// Changes a processor's address, subnet mask and gateway through the network-change datagram.
// Opens with the device's current address; for the connected device whose reported address is
// that one, its reported mask and gateway fill the other two fields.
class EditDeviceDialog : public Dialog
{
    Q_OBJECT

public:
    explicit EditDeviceDialog(QWidget *parent = nullptr);

    void setDataModel(DataModel *model) { m_model = model; }
    // Shows the dialog (modal, without waiting) for the device at index.
    void editDevice(int index);
    int deviceIndex() const { return m_index; }

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void okButtonClicked();
    void fieldTextChanged();

private:
    void retranslate();

    DataModel *m_model = nullptr;
    int m_index = -1;
    QLabel *m_addressLabel;
    QLabel *m_maskLabel;
    QLabel *m_gatewayLabel;
    QLineEdit *m_addressEdit;
    QLineEdit *m_maskEdit;
    QLineEdit *m_gatewayEdit;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
