#pragma once

#include "SetupRules.h"
#include "widgets/Dialog.h"

#include <QUrl>
#include <QVariant>

#include <array>
#include <functional>

class DataModel;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The Dante network-audio module: its information and clock, its device name and latency, the
// labels of its four receive and four transmit channels with their subscriptions, its IP
// configuration, reboot and clearing of its configuration. Every change that disturbs audio or
// the network asks first. Routing between Dante devices is left to the vendor's software,
// which the dialog links to.
class DanteSetupDialog : public Dialog
{
    Q_OBJECT

public:
    static constexpr int ChannelRows = 4;
    static constexpr int FirstDanteChannel = 12; // channel index of row 0
    static constexpr int MaxNameBytes = 31;

    explicit DanteSetupDialog(DataModel *model, QWidget *parent = nullptr);
    ~DanteSetupDialog() override;

    static QUrl downloadUrl();
    // ---- test seam: what opening the download link does (by default the system browser) ----
    using LinkOpener = std::function<void(const QUrl &)>;
    static void setLinkOpener(LinkOpener opener);

    void refreshAll();

signals:
    void inputLabelChanged(int channel);
    void outputLabelChanged(int channel);

public slots:
    // A change of the mirror: the Dante records (type 4) and the channel labels (2/3).
    void syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);

    void deviceNameEditingFinished();
    void deviceLatencyComboBoxCurrentIndexChanged(int index);
    void rebootButtonClicked();
    void clearConfigButtonClicked();
    void modeButtonGroupButtonClicked();
    void networkAddressEdited();
    void applyButtonClicked();
    void revertButtonClicked();
    void receiveChannelLabelEditingFinished();
    void transmitChannelLabelEditingFinished();
    // The network edits and mode again from the module's reported configuration.
    void updateNetworkConfig();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QGroupBox *buildInformation();
    QGroupBox *buildConfig();
    QGroupBox *buildReset();
    QGroupBox *buildNetwork();
    QTableWidget *buildChannelTable(bool receive);
    void refreshInformation();
    void refreshClock();
    void refreshSubscription(int row);
    void refreshLabels();
    void updateNetworkButtons();
    // The configuration the edits describe; nothing while an address is incomplete.
    std::optional<SetupRules::DanteNetwork> pendingNetwork() const;
    bool ask(const QString &text);
    void labelEdited(bool receive);
    void refreshLink();
    void retranslate();

    DataModel *m_model;
    bool m_networkEdited = false; // the user changed mode or addresses since the last refresh

    QGroupBox *m_informationGroup = nullptr;
    QGroupBox *m_configGroup = nullptr;
    QGroupBox *m_resetGroup = nullptr;
    QGroupBox *m_receiveGroup = nullptr;
    QGroupBox *m_transmitGroup = nullptr;
    QGroupBox *m_networkGroup = nullptr;
    QLabel *m_modelName = nullptr;
    QLabel *m_productVersion = nullptr;
    QLabel *m_linkIcon = nullptr;
    QLabel *m_clockStatus = nullptr;
    QLabel *m_clockSource = nullptr;
    QLabel *m_clockState = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_latencyBox = nullptr;
    QPushButton *m_rebootButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QTableWidget *m_receiveTable = nullptr;
    QTableWidget *m_transmitTable = nullptr;
    std::array<QLineEdit *, ChannelRows> m_receiveEdits {};
    std::array<QLineEdit *, ChannelRows> m_transmitEdits {};
    QButtonGroup *m_modeGroup = nullptr;
    QRadioButton *m_automaticButton = nullptr;
    QRadioButton *m_manualButton = nullptr;
    std::array<QLineEdit *, 4> m_addressEdits {}; // IP, netmask, DNS server, gateway
    std::array<QLabel *, 4> m_addressLabels {};
    QPushButton *m_applyButton = nullptr;
    QPushButton *m_revertButton = nullptr;
    QLabel *m_routingNote = nullptr;
    QLabel *m_downloadLink = nullptr;

    struct Caption
    {
        QLabel *label;
        const char *source;
    };
    QList<Caption> m_captions;
};
