#pragma once

#include <QWidget>

#include <optional>
#include <vector>

class DataModel;
class Knob;
class LineEdit;
class QButtonGroup;
class QLabel;
class QPushButton;

// The "Signal Generator" page: a test signal (pink noise, sine wave or white noise) with its
// frequency and gain, muted or not, fed to the chosen outputs. Edits go into the mirror, then to
// the device.
class SignalGeneratorWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Outputs = 16;
    static constexpr int FreqMinimum = 0;
    static constexpr int FreqMaximum = 24000;
    static constexpr int GainMinimum = -70;
    static constexpr int GainMaximum = 12;

    explicit SignalGeneratorWidget(DataModel *model, QWidget *parent = nullptr);

    void refresh();
    void refreshLabels();
    void applyChannelConfig(quint32 outputMask);

    QPushButton *muteButton() const { return m_mute; }
    QPushButton *typeButton(int type) const;
    Knob *freqKnob() const { return m_freqKnob; }
    Knob *gainKnob() const { return m_gainKnob; }
    LineEdit *freqEdit() const { return m_freqEdit; }
    LineEdit *gainEdit() const { return m_gainEdit; }
    QPushButton *outputButton(int output) const;

public slots:
    void muteButtonClicked(bool checked);
    void typeButtonClicked(int type);
    void freqEditingFinished();
    void gainEditingFinished();
    void freqKnobValueChanged(int value);
    void gainKnobValueChanged(int value);
    void outputButtonClicked(bool checked);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    // A typed number limited to the knob's range; nothing when the text is not a number.
    static std::optional<int> typedValue(const LineEdit *edit, const Knob *knob);

    DataModel *m_model;
    QPushButton *m_mute;
    QButtonGroup *m_types;
    QLabel *m_typeLabel;
    QLabel *m_freqLabel;
    QLabel *m_gainLabel;
    QLabel *m_outputLabel;
    Knob *m_freqKnob;
    Knob *m_gainKnob;
    LineEdit *m_freqEdit;
    LineEdit *m_gainEdit;
    std::vector<QPushButton *> m_outputs;
};
