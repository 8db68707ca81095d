#pragma once

#include "widgets/Dialog.h"

class QCheckBox;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class SystemSettings;

// Choice of the processor's channel configuration: one row per configuration with its analog,
// Dante and USB channels, and whether to ask again at the next start. OK or a double-click
// stores the selected row and the check box; Cancel stores nothing.
class DeviceVersionSelectionDialog : public Dialog
{
    Q_OBJECT

public:
    explicit DeviceVersionSelectionDialog(SystemSettings *settings, QWidget *parent = nullptr);

    // Selects the row of a configuration (0..4).
    void selectVersion(int version);
    int selectedVersion() const;
    // The table is locked while a logged-in device dictates the configuration.
    void setTableEnabled(bool enabled);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void okButtonClicked();
    void tableWidgetItemDoubleClicked(QTableWidgetItem *item);

private:
    void retranslate();
    void store();

    SystemSettings *m_settings;
    QTableWidget *m_tableWidget;
    QCheckBox *m_showAtStartupCheckBox;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
