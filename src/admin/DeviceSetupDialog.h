#pragma once

#include "widgets/Dialog.h"
#include "wire/MessageId.h"

#include <QVariant>

#include <array>

class DataModel;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTimer;

// The connected processor's identity and health, and its system settings: location and
// description, network, serial ports, gate report, USB auto play, data sync, fan test,
// passwords and the volume limits of every channel. Every edit goes into the mirror and out
// as one system message; every reply refreshes its field without sending anything.
class DeviceSetupDialog : public Dialog
{
    Q_OBJECT

public:
    static constexpr int LimitChannels = 16;

    explicit DeviceSetupDialog(DataModel *model, QWidget *parent = nullptr);
    ~DeviceSetupDialog() override;

    // The first password row is the admin password while the simplified interface shows the
    // password setting, otherwise the login password.
    void setAdminPassword(bool admin);
    // Every field again from the mirror.
    void refreshAll();

public slots:
    // A change of the mirror, as routed by the main window (system table, state, data sync,
    // and the two gain-range messages).
    void syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);
    // Channels that the configuration leaves out lose their limit rows.
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

    void deviceLocationEditingFinished();
    void deviceDescriptionEditingFinished();
    void ipAddressEditingFinished();
    void netmaskEditingFinished();
    void gatewayEditingFinished();
    void changePasswordButtonClicked();
    void changeUserPasswordButtonClicked();
    void gateReportComboBoxCurrentIndexChanged(int index);
    void rs232ComboBoxCurrentIndexChanged(int index);
    void usbAutoPlayCheckBoxClicked();
    void syncModeComboBoxChanged(int index);
    void syncHostIPAddressEditingFinished();
    void fanButtonClicked(bool checked);
    void inputMinimumBoxValueChanged(int value);
    void inputMaximumBoxValueChanged(int value);
    void outputMinimumBoxValueChanged(int value);
    void outputMaximumBoxValueChanged(int value);
    void armVersionLabelDoubleClicked();
    // Ends the detailed form of the ARM version.
    void timeout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct LimitRow
    {
        QLabel *name = nullptr;
        QSpinBox *minimum = nullptr;
        QSpinBox *maximum = nullptr;
    };
    using LimitRows = std::array<LimitRow, LimitChannels>;

    QGroupBox *buildInformation();
    QGroupBox *buildGeneralSetup();
    QGroupBox *buildLimits(LimitRows &rows, bool inputs);
    QLabel *addInfoRow(QGridLayout *grid, int row, const char *objectName);
    void setInfo(const char *objectName, const QString &text);
    void setHealth(const char *objectName, bool error);

    void refreshIdentity();
    void refreshTimes();
    void refreshHealth();
    void refreshLocation();
    void refreshDescription();
    void refreshNetwork();
    void refreshSerialPorts();
    void refreshGateReport();
    void refreshUsbAutoPlay();
    void refreshSync();
    void refreshFan();
    void refreshLimits(bool inputs);
    void refreshInputLimits();
    void refreshOutputLimits();
    void refreshChannelNames();
    void userPasswordReplied(quint8 result);

    // Text edits: editing finished without a second delivery from the focus change.
    void leaveEdit(QLineEdit *edit, void (DeviceSetupDialog::*slot)());
    void textEdited(QLineEdit *edit, void (DeviceSetupDialog::*slot)(), QString &stored,
                    const QString &tooLong, MessageId id);
    void networkEdited(QLineEdit *edit, void (DeviceSetupDialog::*slot)(), quint32 &field,
                       bool mask, const QString &invalid);
    void sendNetwork();
    void sendSync();
    void limitChanged(bool inputs, bool maximum, int value);
    void askPassword(bool user);
    QString adminPasswordTitle() const;
    void updateLimitWidth();
    void retranslate();

    DataModel *m_model;
    bool m_adminPassword = false;
    bool m_armDetailed = false;
    bool m_leavingEdit = false; // an address edit is being finished
    quint32 m_inputMask = 0;
    quint32 m_outputMask = 0;
    QTimer *m_armDetailTimer;

    QGroupBox *m_informationGroup = nullptr;
    QGroupBox *m_generalGroup = nullptr;
    QGroupBox *m_limitGroup = nullptr;
    QScrollArea *m_limitScroll = nullptr;
    QGroupBox *m_inputLimitGroup = nullptr;
    QGroupBox *m_outputLimitGroup = nullptr;
    QLabel *m_armVersionLabel = nullptr;
    QLabel *m_deviceIdLabel = nullptr;
    QLineEdit *m_locationEdit = nullptr;
    QLineEdit *m_descriptionEdit = nullptr;
    QLineEdit *m_addressEdit = nullptr;
    QLineEdit *m_netmaskEdit = nullptr;
    QLineEdit *m_gatewayEdit = nullptr;
    QComboBox *m_gateReportBox = nullptr;
    QComboBox *m_rs232Box = nullptr;
    QComboBox *m_rs485Box = nullptr;
    QCheckBox *m_onBootBox = nullptr;
    QCheckBox *m_afterInsertBox = nullptr;
    QComboBox *m_syncModeBox = nullptr;
    QLineEdit *m_syncHostEdit = nullptr;
    QLabel *m_syncHostLabel = nullptr;
    QLabel *m_syncStatusLabel = nullptr;
    QPushButton *m_fanButton = nullptr;
    QLabel *m_fanText = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLabel *m_userPasswordLabel = nullptr;
    QPushButton *m_passwordButton = nullptr;
    QPushButton *m_userPasswordButton = nullptr;
    LimitRows m_inputLimits;
    LimitRows m_outputLimits;

    // Captions of the form rows: label and source text, re-set on a language change.
    struct Caption
    {
        QLabel *label;
        const char *source;
    };
    QList<Caption> m_captions;
};
