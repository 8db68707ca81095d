#pragma once

#include "widgets/Dialog.h"

class DataModel;
class QLabel;
class QLineEdit;
class QPushButton;

// Adds a processor by its address, for one that cannot be discovered (another subnet). The new
// entry is offline under a provisional identifier until the device is reached.
class AddDeviceDialog : public Dialog
{
    Q_OBJECT

public:
    explicit AddDeviceDialog(QWidget *parent = nullptr);

    void setDataModel(DataModel *model) { m_model = model; }
    // Shows the dialog (modal, without waiting) with an empty field.
    void addDevice();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void okButtonClicked();

private:
    void retranslate();

    DataModel *m_model = nullptr;
    QLabel *m_addressLabel;
    QLineEdit *m_addressEdit;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
