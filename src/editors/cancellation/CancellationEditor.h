#pragma once

#include <QWidget>

class DataModel;
class QGridLayout;
class QLabel;
class QPushButton;
class ToggleRow;

// What the echo and noise cancellation editors of every generation share: the mirror they edit,
// the names of the channels, the page's form and the notice to the matrix when the sources or
// the output mix of a block change.
class CancellationEditor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Inputs = 17; // inputs 1..16 and the left USB playback channel
    static constexpr int Outputs = 16;

    // Re-reads the mirror (controls are set without sending anything).
    virtual void refresh() = 0;
    virtual void refreshLabels();
    // Leaves out the channels the configuration does not have (set bits, channel 8 + i).
    virtual void applyChannelConfig(quint32 inputMask, quint32 outputMask);

    DataModel *model() const { return m_model; }

signals:
    // The inputs and outputs (bit masks) whose routing through the block changed.
    void matrixChanged(quint32 inputs, quint32 outputs);
    void matrixInputChanged(int input);
    void matrixOutputChanged(int output);

protected:
    CancellationEditor(DataModel *model, QWidget *parent);

    QString inputName(int input) const;
    QString outputName(int output) const;
    QStringList inputNames() const;
    QStringList outputNames() const;

    // A row of the form: a caption over its controls.
    QLabel *addCaption(int row);
    void addRow(int row, QWidget *controls);
    QGridLayout *form() const { return m_form; }
    void registerInputRow(ToggleRow *row) { m_inputRows.append(row); }
    void registerOutputRow(ToggleRow *row) { m_outputRows.append(row); }

    // The "Instructions" button at the top right, and the box it opens: the numbered steps and
    // the diagram of the block in the current appearance.
    QPushButton *addInstructionsButton();
    void showInstructions(const QString &title, const QStringList &steps,
                          const QString &pictureStem);
    // ":/image/<stem>Dark.png" or ":/image/<stem>Light.png".
    static QString artwork(const QString &stem);

    void changeEvent(QEvent *event) override;
    virtual void retranslate() = 0;
    // The appearance changed: pictures follow it.
    virtual void appearanceChanged() { }

private:
    DataModel *m_model;
    QGridLayout *m_form;
    QList<ToggleRow *> m_inputRows;
    QList<ToggleRow *> m_outputRows;
    QPushButton *m_instructions = nullptr;
};
