#pragma once

#include "widgets/Dialog.h"

#include <QTimer>
#include <QVariant>

#include <array>

class DataModel;
class GroupBox;
class QLabel;
class QPushButton;

// The factory test panel: the aging test (signal generator on every output, the channel delays
// sent again), the chips that failed their detection blinking in red, the device temperature and
// phantom power on every input at once. Opened by a key sequence, never from the menu.
class TestDialog : public Dialog
{
    Q_OBJECT

public:
    static constexpr int ChipCount = 7;
    static constexpr int BlinkMs = 500;
    // What the aging test sets the generator to.
    static constexpr quint32 AgingGeneratorType = 0; // pink noise
    static constexpr float AgingGeneratorGain = -10.0f; // dB

    explicit TestDialog(DataModel *model, QWidget *parent = nullptr);

    // The chip names in the bit order of the detection mask.
    static QStringList chipNames();

public slots:
    void agingTestButtonClicked(bool on);
    void _48VButtonClicked(bool on);
    // Blinks the failed chips and asks the device for the detection mask and the temperature.
    void timeout();
    // The device messages of the system table.
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showChipStates();
    void showTemperature();
    void sendDelays();
    void retranslate();

    DataModel *m_model;
    QTimer m_blinkTimer;
    bool m_blinkOn = true;
    QPushButton *m_agingTestButton;
    QPushButton *m_phantomButton;
    QLabel *m_temperatureLabel;
    std::array<QLabel *, ChipCount> m_chipStates {};
    GroupBox *m_agingGroup;
    GroupBox *m_chipGroup;
    GroupBox *m_temperatureGroup;
};
