#pragma once

#include "editors/cancellation/CancellationGeneration.h"

#include <QByteArray>
#include <QWidget>

class DataModel;
class MatrixTableWidget;
class QPushButton;

// The "Matrix" page: which source is mixed into which output and with which gain. The plain
// inputs keep their rows in the input records; on devices whose cancellation blocks feed the
// matrix, the echo and noise cancellation outputs have rows of their own (sources 18 and 19).
// Every edit is written into the mirror first, then sent as one request per output column.
class MatrixWidget : public QWidget
{
    Q_OBJECT

public:
    MatrixWidget(DataModel *model, CancellationGeneration::Generation generation,
                 QWidget *parent = nullptr);

    MatrixTableWidget *table() const { return m_table; }

    // The cancellation rows are there for the second and third generation.
    void setCancellationGeneration(CancellationGeneration::Generation generation);
    CancellationGeneration::Generation cancellationGeneration() const { return m_generation; }

    // Re-reads everything, one cell (a channel as the matrix replies announce it: inputs 0..16,
    // 17 AEC, 18 ANC; 255 for every one) or the labels.
    void refresh();
    void refreshCell(int channel, int output);
    void refreshLabels();
    void applyChannelConfig(quint32 inputMask, quint32 outputMask);

public slots:
    void tableWidgetEnabledChanged(QByteArray inputs, uchar output, bool enabled);
    void tableWidgetGainChanged(QByteArray inputs, uchar output, char gain);
    void allMixButtonClicked();
    void resetButtonClicked();
    // The cancellation editors changed their inputs, their output mix or their whole block.
    void aecMatrixChanged();
    void ancMatrixChanged();
    void ancAecMatrixReset();

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void mixAll(bool enabled);
    // Writes one value into the mirror for every listed source with a matrix row; returns them.
    QByteArray storeRoutes(const QByteArray &sources, int output, bool enabled);
    QByteArray storeGains(const QByteArray &sources, int output, qint8 gain);
    bool route(quint8 source, int output) const;
    qint8 gain(quint8 source, int output) const;
    // The inputs the cancellation blocks take (bit i = input i).
    quint32 cancellationInputs() const;
    void refreshHighlights();
    void retranslate();

    DataModel *m_model;
    MatrixTableWidget *m_table;
    QPushButton *m_allMixButton;
    QPushButton *m_resetButton;
    CancellationGeneration::Generation m_generation = CancellationGeneration::Third;
    quint32 m_inputMask = 0;
    quint32 m_outputMask = 0;
};
