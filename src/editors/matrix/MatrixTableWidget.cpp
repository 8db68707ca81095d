#include "MatrixTableWidget.h"

#include "MatrixRules.h"

#include "widgets/Knob.h"
#include "widgets/MessageBox.h"
#include "widgets/MixButton.h"
#include "widgets/OverlayScrollArea.h"
#include "widgets/TipBox.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// How long the gain tip stays up after the last turn when the knob is turned by wheel or keys.
constexpr int TipMs = 1500;

int positionCode(int row, int column, int rows, int columns)
{
    const bool top = row == 0;
    const bool bottom = row == rows - 1;
    const bool left = column == 0;
    const bool right = column == columns - 1;
    if (top && left)
        return MixButton::LeftTop;
    if (top && right)
        return MixButton::RightTop;
    if (bottom && left)
        return MixButton::LeftBottom;
    if (bottom && right)
        return MixButton::RightBottom;
    if (top)
        return MixButton::Top;
    if (bottom)
        return MixButton::Bottom;
    if (left)
        return MixButton::Left;
    if (right)
        return MixButton::Right;
    return MixButton::Center;
}

void setStyleFlag(QWidget *w, const char *name, bool on)
{
    if (w->property(name).toBool() == on)
        return;
    w->setProperty(name, on);
    if (!w->testAttribute(Qt::WA_WState_Polished))
        return; // the style comes with the first show
    w->style()->unpolish(w);
    w->style()->polish(w);
}

} // namespace

MatrixTableWidget::MatrixTableWidget(QWidget *parent)
    : QWidget(parent), m_scrollArea(new OverlayScrollArea(this)),
      m_content(new QWidget(m_scrollArea->viewport())), m_grid(new QGridLayout(m_content)),
      m_corner(new QPushButton(m_content)),
      m_knob(new Knob(this)), m_knobTitle(new QLabel(this)), m_knobValue(new QLabel(this)),
      m_sidePanel(new QVBoxLayout)
{
    setObjectName(QStringLiteral("matrixTableWidget"));
    m_grid->setSpacing(0); // no grid lines between the cells
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_corner->setObjectName(QStringLiteral("matrixCornerButton"));
    m_corner->setFixedSize(RowHeaderWidth, CellHeight);
    m_corner->setProperty("compact", true);
    m_content->setObjectName(QStringLiteral("matrixContent"));
    m_scrollArea->setObjectName(QStringLiteral("matrixScrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(false);
    m_corner->setFocusPolicy(Qt::NoFocus);
    connect(m_corner, &QPushButton::clicked, this, &MatrixTableWidget::cornerButtonClicked);

    m_knob->setObjectName(QStringLiteral("mixKnob"));
    m_knob->setSizeCode(Knob::Normal);
    m_knob->setRange(MatrixRules::GainMinimum, MatrixRules::GainMaximum);
    m_knob->setValue(0);
    m_knob->setEnabled(false);
    connect(m_knob, &Knob::valueChanged, this, &MatrixTableWidget::mixKnobValueChanged);
    connect(m_knob, &Knob::mousePressed, this, &MatrixTableWidget::mixKnobPressed);
    connect(m_knob, &Knob::mouseReleased, this, &MatrixTableWidget::mixKnobMouseReleased);
    m_knobTitle->setAlignment(Qt::AlignCenter);
    m_knobValue->setAlignment(Qt::AlignCenter);
    m_knobValue->setObjectName(QStringLiteral("mixKnobValue"));

    auto *knobPanel = new QVBoxLayout;
    m_sidePanel->setSpacing(8);
    knobPanel->addLayout(m_sidePanel);
    knobPanel->addStretch(1);
    knobPanel->addWidget(m_knobTitle);
    knobPanel->addWidget(m_knob, 0, Qt::AlignHCenter);
    knobPanel->addWidget(m_knobValue);
    knobPanel->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    // Beside and below the grid the spare room stays empty: the grid keeps to the top left.
    auto *gridColumn = new QVBoxLayout;
    gridColumn->addWidget(m_scrollArea, 1);
    gridColumn->addStretch(0);
    layout->addLayout(gridColumn, 1);
    layout->addLayout(knobPanel);
    layout->addStretch(0);
    retranslate();
}

void MatrixTableWidget::clearGrid()
{
    qDeleteAll(m_cells);
    qDeleteAll(m_rowHeaders);
    qDeleteAll(m_columnHeaders);
    m_cells.clear();
    m_rowHeaders.clear();
    m_columnHeaders.clear();
}

void MatrixTableWidget::setSources(const QVector<quint8> &sources, int outputs)
{
    clearGrid();
    m_sources = sources;
    m_outputs = outputs;
    m_rowHidden = QVector<bool>(sources.size(), false);
    m_columnHidden = QVector<bool>(outputs, false);
    m_anchorRow = m_anchorColumn = m_endRow = m_endColumn = -1;
    m_grid->addWidget(m_corner, 0, 0);
    const auto header = [this](int section, int width) {
        auto *button = new QPushButton(m_content);
        button->setObjectName(QString::number(section));
        button->setProperty("control", QLatin1String("matrixHeader"));
        button->setProperty("compact", true);
        button->setFixedSize(width, CellHeight);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this,
                [this, section] { headerSectionClicked(section); });
        return button;
    };
    for (int column = 0; column < outputs; ++column) {
        QPushButton *h = header(sources.size() + column, CellWidth);
        m_columnHeaders.append(h);
        m_grid->addWidget(h, 0, column + 1);
    }
    m_cells.reserve(sources.size() * outputs);
    for (int row = 0; row < sources.size(); ++row) {
        QPushButton *h = header(row, RowHeaderWidth);
        m_rowHeaders.append(h);
        m_grid->addWidget(h, row + 1, 0);
        for (int column = 0; column < outputs; ++column) {
            auto *cell = new MixButton(m_content);
            cell->setObjectName(QStringLiteral("mixCellWidget"));
            cell->setFixedSize(CellWidth, CellHeight);
            cell->setPositionCode(positionCode(row, column, sources.size(), outputs));
            cell->setGain(0);
            connect(cell, &MixButton::clicked, this, &MatrixTableWidget::mixButtonClicked);
            connect(cell, &MixButton::selected, this, &MatrixTableWidget::singleSelected);
            connect(cell, &MixButton::entered, this, &MatrixTableWidget::mixButtonEntered);
            m_cells.append(cell);
            m_grid->addWidget(cell, row + 1, column + 1);
        }
    }
    m_knob->setEnabled(false);
    if (!m_scrollArea->widget())
        m_scrollArea->setWidget(m_content);
    fitContent();
}

// The grid scrolls only when the page is smaller than it; otherwise the knob sits beside it.
void MatrixTableWidget::fitContent()
{
    m_content->adjustSize();
    m_scrollArea->setMaximumSize(m_content->size());
}

int MatrixTableWidget::rowOf(quint8 source) const
{
    return m_sources.indexOf(source);
}

MixButton *MatrixTableWidget::cell(int row, int column) const
{
    if (row < 0 || row >= m_sources.size() || column < 0 || column >= m_outputs)
        return nullptr;
    return m_cells[row * m_outputs + column];
}

QPushButton *MatrixTableWidget::rowHeader(int row) const
{
    return m_rowHeaders.value(row);
}

QPushButton *MatrixTableWidget::columnHeader(int column) const
{
    return m_columnHeaders.value(column);
}

void MatrixTableWidget::setRowLabel(int row, const QString &label)
{
    if (QPushButton *h = rowHeader(row)) {
        h->setText(h->fontMetrics().elidedText(label, Qt::ElideRight, h->width() - 4));
        h->setToolTip(label);
    }
}

void MatrixTableWidget::setColumnLabel(int column, const QString &label)
{
    if (QPushButton *h = columnHeader(column)) {
        h->setText(h->fontMetrics().elidedText(label, Qt::ElideRight, h->width() - 4));
        h->setToolTip(label);
    }
}

QString MatrixTableWidget::rowLabel(int row) const
{
    QPushButton *h = rowHeader(row);
    return h ? h->toolTip() : QString();
}

QString MatrixTableWidget::columnLabel(int column) const
{
    QPushButton *h = columnHeader(column);
    return h ? h->toolTip() : QString();
}

void MatrixTableWidget::setRowHidden(int row, bool hidden)
{
    if (row < 0 || row >= m_sources.size() || m_rowHidden[row] == hidden)
        return;
    m_rowHidden[row] = hidden;
    m_rowHeaders[row]->setHidden(hidden);
    for (int column = 0; column < m_outputs; ++column)
        showCell(row, column);
    fitContent();
}

void MatrixTableWidget::setColumnHidden(int column, bool hidden)
{
    if (column < 0 || column >= m_outputs || m_columnHidden[column] == hidden)
        return;
    m_columnHidden[column] = hidden;
    m_columnHeaders[column]->setHidden(hidden);
    for (int row = 0; row < m_sources.size(); ++row)
        showCell(row, column);
    fitContent();
}

// A cell is there when both its source and its output are.
void MatrixTableWidget::showCell(int row, int column)
{
    cell(row, column)->setHidden(m_rowHidden[row] || m_columnHidden[column]);
}

bool MatrixTableWidget::isRowHidden(int row) const
{
    return m_rowHidden.value(row, true);
}

bool MatrixTableWidget::isColumnHidden(int column) const
{
    return m_columnHidden.value(column, true);
}

void MatrixTableWidget::setCell(int row, int column, bool on, int gain)
{
    MixButton *c = cell(row, column);
    if (!c)
        return;
    if (c->isOn() != on)
        c->setOn(on);
    const QString text = QString::number(MatrixRules::shownGain(gain));
    if (c->text() != text)
        c->setGain(qint8(MatrixRules::storedGain(gain)));
    if (row == m_anchorRow && column == m_anchorColumn && !m_knob->isPressed())
        m_knob->setValue(gain);
}

void MatrixTableWidget::setCellHighlighted(int row, int column, bool highlighted)
{
    if (MixButton *c = cell(row, column))
        setStyleFlag(c, "cancellation", highlighted);
}

void MatrixTableWidget::locate(const QObject *object, int *row, int *column) const
{
    const int index = m_cells.indexOf(qobject_cast<MixButton *>(const_cast<QObject *>(object)));
    *row = index < 0 ? -1 : index / qMax(1, m_outputs);
    *column = index < 0 ? -1 : index % qMax(1, m_outputs);
}

void MatrixTableWidget::selectBlock(int row0, int column0, int row1, int column1)
{
    if (!cell(row0, column0) || !cell(row1, column1))
        return;
    m_anchorRow = row0;
    m_anchorColumn = column0;
    m_endRow = row1;
    m_endColumn = column1;
    showSelection();
}

void MatrixTableWidget::clearSelection()
{
    m_anchorRow = m_anchorColumn = m_endRow = m_endColumn = -1;
    showSelection();
}

QVector<int> MatrixTableWidget::selectedRows() const
{
    QVector<int> rows;
    if (!hasSelection())
        return rows;
    for (int r = qMin(m_anchorRow, m_endRow); r <= qMax(m_anchorRow, m_endRow); ++r)
        if (!m_rowHidden[r])
            rows.append(r);
    return rows;
}

QVector<int> MatrixTableWidget::selectedColumns() const
{
    QVector<int> columns;
    if (!hasSelection())
        return columns;
    for (int c = qMin(m_anchorColumn, m_endColumn); c <= qMax(m_anchorColumn, m_endColumn); ++c)
        if (!m_columnHidden[c])
            columns.append(c);
    return columns;
}

void MatrixTableWidget::showSelection()
{
    const int r0 = qMin(m_anchorRow, m_endRow), r1 = qMax(m_anchorRow, m_endRow);
    const int c0 = qMin(m_anchorColumn, m_endColumn), c1 = qMax(m_anchorColumn, m_endColumn);
    for (int row = 0; row < m_sources.size(); ++row)
        for (int column = 0; column < m_outputs; ++column)
            cell(row, column)->setSelected(hasSelection() && row >= r0 && row <= r1
                                           && column >= c0 && column <= c1);
    m_knob->setEnabled(hasSelection());
    if (MixButton *anchor = cell(m_anchorRow, m_anchorColumn)) {
        const int gain = anchor->text().toInt();
        m_knob->setValue(gain < MatrixRules::GainMinimum ? MatrixRules::GainMinimum : gain);
        m_knobValue->setText(tr("%1 dB").arg(MatrixRules::shownGain(m_knob->value())));
    } else {
        m_knobValue->clear();
    }
}

QByteArray MatrixTableWidget::rowSources(const QVector<int> &rows) const
{
    QByteArray list;
    for (int row : rows)
        list.append(char(m_sources[row]));
    return list;
}

QVector<int> MatrixTableWidget::visibleRows() const
{
    QVector<int> rows;
    for (int row = 0; row < m_sources.size(); ++row)
        if (!m_rowHidden[row])
            rows.append(row);
    return rows;
}

void MatrixTableWidget::singleSelected()
{
    int row, column;
    locate(sender(), &row, &column);
    if (row < 0)
        return;
    // Shift+click widens the block from the cell chosen first.
    if ((QApplication::keyboardModifiers() & Qt::ShiftModifier) && hasSelection())
        selectBlock(m_anchorRow, m_anchorColumn, row, column);
    else
        selectBlock(row, column, row, column);
}

void MatrixTableWidget::mixButtonEntered()
{
    // Dragging over cells with the button held widens the block.
    if (!(QApplication::mouseButtons() & Qt::LeftButton) || !hasSelection())
        return;
    int row, column;
    locate(sender(), &row, &column);
    if (row >= 0)
        selectBlock(m_anchorRow, m_anchorColumn, row, column);
}

void MatrixTableWidget::mixButtonClicked(bool on)
{
    int row, column;
    locate(sender(), &row, &column);
    if (row < 0)
        return;
    const QVector<int> rows = selectedRows();
    const QVector<int> columns = selectedColumns();
    if (!rows.contains(row) || !columns.contains(column)) {
        emit enabledChanged(rowSources({row}), uchar(column), on);
        return;
    }
    for (int c : columns) {
        for (int r : rows)
            cell(r, c)->setOn(on);
        emit enabledChanged(rowSources(rows), uchar(c), on);
    }
}

void MatrixTableWidget::mixKnobValueChanged(int value)
{
    const QVector<int> rows = selectedRows();
    const QByteArray list = rowSources(rows);
    for (int c : selectedColumns()) {
        for (int r : rows)
            cell(r, c)->setGain(MatrixRules::storedGain(value));
        emit gainChanged(list, uchar(c), char(value));
    }
    m_knobValue->setText(tr("%1 dB").arg(MatrixRules::shownGain(value)));
    showTip(value);
}

void MatrixTableWidget::mixKnobPressed(int value)
{
    showTip(value);
}

void MatrixTableWidget::showTip(int value)
{
    const QString text = tr("%1 dB").arg(MatrixRules::shownGain(value));
    if (m_tip && TipBox::current() == m_tip) {
        m_tip->setTitle(text);
        return;
    }
    m_tip = new TipBox(m_knob, text);
    m_tip->showAt(m_knob->mapToGlobal(QPoint(m_knob->width(), 0)),
                  m_knob->isPressed() ? 0 : TipMs);
}

void MatrixTableWidget::mixKnobMouseReleased()
{
    if (m_tip)
        m_tip->close();
}

int MatrixTableWidget::askEnable(const QString &text)
{
    const int answer = MessageBox::ask(this, MessageBox::Question, tr("Matrix"), text,
                                       {tr("Enabled"), tr("Disabled"), tr("Cancel")});
    return answer == 0 ? 1 : answer == 1 ? 0 : -1;
}

void MatrixTableWidget::headerSectionClicked(int section)
{
    if (section < 0)
        return;
    if (section < m_sources.size())
        rowHeaderClicked(section);
    else if (section < m_sources.size() + m_outputs)
        columnHeaderClicked(section - m_sources.size());
}

void MatrixTableWidget::rowHeaderClicked(int row)
{
    const int answer = askEnable(
            tr("Are you sure that you want to enable or disable ") + rowLabel(row)
            + tr(" mix to all the output channel?"));
    if (answer < 0)
        return;
    const QByteArray list = rowSources({row});
    for (int column = 0; column < m_outputs; ++column) {
        if (m_columnHidden[column])
            continue;
        cell(row, column)->setOn(answer);
        emit enabledChanged(list, uchar(column), answer);
    }
}

void MatrixTableWidget::columnHeaderClicked(int column)
{
    const int answer = askEnable(
            tr("Are you sure that you want to enable or disable all the input channel mix to ")
            + columnLabel(column) + tr("?"));
    if (answer < 0)
        return;
    const QVector<int> rows = visibleRows();
    for (int row : rows)
        cell(row, column)->setOn(answer);
    emit enabledChanged(rowSources(rows), uchar(column), answer);
}

void MatrixTableWidget::cornerButtonClicked(bool checked)
{
    Q_UNUSED(checked)
    const int answer = askEnable(tr("All the input channel mix to all the output channel?"));
    if (answer < 0)
        return;
    const QVector<int> rows = visibleRows();
    const QByteArray list = rowSources(rows);
    for (int column = 0; column < m_outputs; ++column) {
        if (m_columnHidden[column])
            continue;
        for (int row : rows)
            cell(row, column)->setOn(answer);
        emit enabledChanged(list, uchar(column), answer);
    }
}

void MatrixTableWidget::retranslate()
{
    m_corner->setText(tr("In \\ Out"));
    m_knobTitle->setText(tr("Gain") + QLatin1Char('\n') + tr("(dB)"));
}

void MatrixTableWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
