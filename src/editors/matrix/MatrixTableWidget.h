#pragma once

#include <QByteArray>
#include <QPointer>
#include <QVector>
#include <QWidget>

class Knob;
class OverlayScrollArea;
class MixButton;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class TipBox;

// The grid of the mixing matrix: one row per source, one column per output, a MixButton per
// cell. A click selects a cell (Shift+click a rectangular block from the first one); a click on
// a selected cell switches the whole block, and the gain knob sets the block's gain. Every
// change is reported once per output column with the list of sources concerned. The table
// shows what it is told and keeps no device values.
class MatrixTableWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellWidth = 47;
    static constexpr int CellHeight = 22;
    static constexpr int RowHeaderWidth = 90;

    explicit MatrixTableWidget(QWidget *parent = nullptr);

    // The sources of the rows in order (inputs 0..16, then 18 and 19 for the cancellation
    // outputs) and the number of output columns. Rebuilds the grid.
    void setSources(const QVector<quint8> &sources, int outputs);
    const QVector<quint8> &sources() const { return m_sources; }
    int rowCount() const { return m_sources.size(); }
    int columnCount() const { return m_outputs; }
    int rowOf(quint8 source) const;

    void setRowLabel(int row, const QString &label);
    void setColumnLabel(int column, const QString &label);
    QString rowLabel(int row) const;
    QString columnLabel(int column) const;
    void setRowHidden(int row, bool hidden);
    void setColumnHidden(int column, bool hidden);
    bool isRowHidden(int row) const;
    bool isColumnHidden(int column) const;

    void setCell(int row, int column, bool on, int gain);
    // A cell whose source feeds a cancellation block that is mixed into its output.
    void setCellHighlighted(int row, int column, bool highlighted);
    MixButton *cell(int row, int column) const;
    QPushButton *rowHeader(int row) const;
    QPushButton *columnHeader(int column) const;
    QPushButton *cornerButton() const { return m_corner; }
    Knob *gainKnob() const { return m_knob; }
    // The column beside the grid, above the gain knob, for the page's own buttons.
    QVBoxLayout *sidePanel() const { return m_sidePanel; }

    // The block of cells from (row0, column0) to (row1, column1), corners in any order.
    void selectBlock(int row0, int column0, int row1, int column1);
    void clearSelection();
    bool hasSelection() const { return m_anchorRow >= 0; }
    // The visible rows and columns of the selected block.
    QVector<int> selectedRows() const;
    QVector<int> selectedColumns() const;

signals:
    void enabledChanged(QByteArray inputs, uchar output, bool enabled);
    void gainChanged(QByteArray inputs, uchar output, char gain);

public slots:
    void mixButtonClicked(bool on);
    void singleSelected();
    void mixButtonEntered();
    void cornerButtonClicked(bool checked);
    void mixKnobValueChanged(int value);
    void mixKnobPressed(int value);
    void mixKnobMouseReleased();
    void headerSectionClicked(int section);

protected:
    void changeEvent(QEvent *event) override;

private:
    // Header sections: rows are numbered from 0, columns after the rows.
    void rowHeaderClicked(int row);
    void columnHeaderClicked(int column);
    // "Enabled" (1), "Disabled" (0) or Cancel (-1).
    int askEnable(const QString &text);
    QByteArray rowSources(const QVector<int> &rows) const;
    QVector<int> visibleRows() const;
    void locate(const QObject *cell, int *row, int *column) const;
    void showSelection();
    void showTip(int value);
    void retranslate();
    void clearGrid();
    void fitContent();
    void showCell(int row, int column);

    OverlayScrollArea *m_scrollArea;
    QWidget *m_content;
    QGridLayout *m_grid;
    QPushButton *m_corner;
    Knob *m_knob;
    QLabel *m_knobTitle;
    QLabel *m_knobValue;
    QVBoxLayout *m_sidePanel;
    QVector<quint8> m_sources;
    int m_outputs = 0;
    QVector<QPushButton *> m_rowHeaders;
    QVector<QPushButton *> m_columnHeaders;
    QVector<MixButton *> m_cells; // row-major
    QVector<bool> m_rowHidden;
    QVector<bool> m_columnHidden;
    int m_anchorRow = -1;
    int m_anchorColumn = -1;
    int m_endRow = -1;
    int m_endColumn = -1;
    QPointer<TipBox> m_tip;
};
