#include "PresetDialog.h"

#include "files/PresetExport.h"
#include "files/PresetImport.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/StatusPoll.h"
#include "settings/SystemSettings.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"
#include "widgets/TableWidget.h"
#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const char *const GeometryKey = "PresetGeometry";
const QSize DefaultSize(600, 480);
constexpr int NameWidth = 16;
constexpr int NameColumnWidth = 130;
constexpr int ButtonColumnWidth = 60;
constexpr int RowHeight = 25;
const QSize AllButtonSize(80, 25);
constexpr int AllButtonSpacing = 16;

enum Column {
    NameColumn,
    SaveColumn,
    LoadColumn,
    ImportColumn,
    ExportColumn,
    DeleteColumn,
    ColumnCount
};

void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

PresetDialog::PresetDialog(DataModel *model, SystemSettings *settings, QWidget *parent)
    : Dialog(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_model(model), m_settings(settings), m_table(new TableWidget(this)),
      m_importAllButton(new QPushButton(this)), m_exportAllButton(new QPushButton(this)),
      m_progress(new ProgressDialog(this)), m_progressBar(m_progress->findChild<QProgressBar *>()),
      m_export(new PresetExport(model, this)), m_import(new PresetImport(model, this))
{
    setObjectName(QStringLiteral("presetDialog"));
    m_table->setObjectName(QStringLiteral("presetTable"));
    m_table->setRowCount(SlotCount);
    m_table->setColumnCount(ColumnCount);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    for (QHeaderView *header : {m_table->horizontalHeader(), m_table->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    m_table->horizontalHeader()->setFixedHeight(RowHeight);
    m_table->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_table->setColumnWidth(NameColumn, NameColumnWidth);
    for (int column = SaveColumn; column < ColumnCount; ++column)
        m_table->setColumnWidth(column, ButtonColumnWidth);
    // Controls of 25-pixel rows: the appearance's paddings are for free-standing ones.
    m_table->setStyleSheet(
            QStringLiteral("QPushButton { padding: 0px 2px; margin: 1px 2px; min-height: 0px; }"
                           "QLineEdit { padding: 0px 2px; margin: 1px 2px; min-height: 0px; }"));
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList rowLabels;
    for (int i = 0; i < SlotCount; ++i)
        rowLabels << QString::number(i + 1);
    m_table->setVerticalHeaderLabels(rowLabels);

    const auto button = [this](int slot, int column, void (PresetDialog::*clicked)()) {
        auto *b = new QPushButton(m_table);
        b->setObjectName(QString::number(slot));
        b->setFocusPolicy(Qt::NoFocus);
        m_table->setCellWidget(slot, column, b);
        connect(b, &QPushButton::clicked, this, clicked);
        return b;
    };
    for (int i = 0; i < SlotCount; ++i) {
        Row &row = m_rows[size_t(i)];
        row.name = new LineEdit(m_table);
        row.name->setObjectName(QString::number(i));
        row.name->setMaxLength(NameWidth);
        row.name->setAlignment(Qt::AlignCenter);
        m_table->setCellWidget(i, NameColumn, row.name);
        connect(row.name, &QLineEdit::editingFinished, this,
                &PresetDialog::nameEditEditingFinished);
        row.save = button(i, SaveColumn, &PresetDialog::saveButtonClicked);
        row.load = button(i, LoadColumn, &PresetDialog::loadButtonClicked);
        row.import = button(i, ImportColumn, &PresetDialog::importButtonClicked);
        row.exportButton = button(i, ExportColumn, &PresetDialog::exportButtonClicked);
        row.remove = button(i, DeleteColumn, &PresetDialog::deleteButtonClicked);
    }

    m_importAllButton->setObjectName(QStringLiteral("importAllButton"));
    m_exportAllButton->setObjectName(QStringLiteral("exportAllButton"));
    for (QPushButton *b : {m_importAllButton, m_exportAllButton})
        b->setFixedSize(AllButtonSize);
    connect(m_importAllButton, &QPushButton::clicked, this, &PresetDialog::importAllButtonClicked);
    connect(m_exportAllButton, &QPushButton::clicked, this, &PresetDialog::exportAllButtonClicked);

    auto *side = new QVBoxLayout;
    side->addStretch(1);
    side->addWidget(m_importAllButton);
    side->addSpacing(AllButtonSpacing);
    side->addWidget(m_exportAllButton);
    side->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(side);

    for (PresetBlockTransfer *transfer : {static_cast<PresetBlockTransfer *>(m_export),
                                          static_cast<PresetBlockTransfer *>(m_import)}) {
        connect(transfer, &PresetBlockTransfer::progressChanged, this,
                &PresetDialog::transferProgressChanged);
        connect(transfer, &PresetBlockTransfer::ended, this, &PresetDialog::transferEnded);
        connect(m_progress, &QProgressDialog::canceled, transfer, &PresetBlockTransfer::cancel);
    }

    retranslate();
    refresh();
    applySimpleMode();
    resize(DefaultSize);
    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    m_geometryRestored = !geometry.isEmpty() && restoreGeometry(geometry);
}

PresetDialog::~PresetDialog()
{
    if (m_shownOnce)
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
}

void PresetDialog::applySimpleMode()
{
    const bool simple = m_settings && m_settings->simple() != 0;
    for (const Row &row : m_rows)
        row.name->setReadOnly(simple);
    for (int column : {SaveColumn, ImportColumn, ExportColumn, DeleteColumn})
        m_table->setColumnHidden(column, simple);
    m_importAllButton->setVisible(!simple);
    m_exportAllButton->setVisible(!simple);
}

// ---- device messages ------------------------------------------------------------------------

void PresetDialog::tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                               const QVariant &any)
{
    if (type != Msg::PresetList.type || subType != Msg::PresetList.subType)
        return;
    if (funcId == Msg::PresetList.funcId)
        refresh();
    else if (funcId == Msg::PresetActive.funcId)
        loadProgress(channel);
    else if (funcId == Msg::PresetExportAll.funcId || funcId == Msg::PresetExport.funcId)
        m_export->deviceMessage(type, subType, funcId, channel, other, any);
    else if (funcId == Msg::PresetImportAll.funcId || funcId == Msg::PresetImport.funcId)
        m_import->deviceMessage(type, subType, funcId, channel, other, any);
}

void PresetDialog::refresh()
{
    const PresetTable &table = m_model->mirror().presets;
    for (int i = 0; i < SlotCount; ++i) {
        const Row &row = m_rows[size_t(i)];
        const bool current = i == table.current;
        if (row.load->property("highlighted").toBool() != current) {
            row.load->setProperty("highlighted", current);
            repolish(row.load);
        }
        const bool used = table.used[size_t(i)] != 0;
        row.load->setEnabled(used);
        row.exportButton->setEnabled(used);
        row.remove->setEnabled(used);
        if (!row.name->hasFocus() && row.name->text() != table.names[size_t(i)])
            row.name->setText(table.names[size_t(i)]);
    }
}

void PresetDialog::loadProgress(int percent)
{
    const QString loading = tr("Loading");
    if (percent == 0) {
        m_running = nullptr;
        showProgress(loading + QStringLiteral("..."), 100);
    } else if (percent == 100) {
        finishProgress();
    } else if (!m_progress->wasCanceled()) {
        m_progressBar->setValue(percent);
        m_progress->setLabelText(loading + QStringLiteral("...%1%").arg(percent));
    }
}

// ---- slot actions ---------------------------------------------------------------------------

int PresetDialog::slotOf(QObject *sender) const
{
    bool ok = false;
    const int slot = sender ? sender->objectName().toInt(&ok) : -1;
    return ok && slot >= 0 && slot < SlotCount ? slot : -1;
}

void PresetDialog::nameEditEditingFinished()
{
    auto *edit = qobject_cast<LineEdit *>(sender());
    const int slot = slotOf(edit);
    if (slot < 0)
        return;
    // Losing the focus would deliver editing-finished a second time.
    disconnect(edit, &QLineEdit::editingFinished, this, &PresetDialog::nameEditEditingFinished);
    edit->clearFocus();
    connect(edit, &QLineEdit::editingFinished, this, &PresetDialog::nameEditEditingFinished);

    QString &stored = m_model->mirror().presets.names[size_t(slot)];
    const QString text = edit->text().trimmed();
    const QByteArray bytes = LocalText::encode(text);
    if (bytes.isEmpty()) {
        edit->setText(stored);
        return;
    }
    if (bytes.size() > NameWidth) {
        MessageBox::inform(this, MessageBox::Information, tr("Preset"),
                           tr("The preset name's length can not be greater than 16 bytes, "
                              "please enter again!"));
        edit->setText(stored);
        return;
    }
    stored = text;
    edit->setText(text);
    m_model->sendWrite(Msg::PresetRename, ByteWriter().u8(quint8(slot)).bytes(bytes));
}

void PresetDialog::askAndSend(const QString &prefix, MessageId id)
{
    const int slot = slotOf(sender());
    if (slot < 0)
        return;
    const QString text = prefix + QStringLiteral("%1?").arg(slot + 1);
    if (MessageBox::ask(this, MessageBox::Question, tr("Preset"), text, {tr("OK"), tr("Cancel")})
        == 0)
        m_model->sendWrite(id, ByteWriter().u8(quint8(slot)));
}

void PresetDialog::saveButtonClicked()
{
    askAndSend(tr("Are you sure that you want to save current settings to preset "),
               Msg::PresetSave);
}

void PresetDialog::loadButtonClicked()
{
    askAndSend(tr("Are you sure that you want to load preset "), Msg::PresetActive);
}

void PresetDialog::deleteButtonClicked()
{
    askAndSend(tr("Are you sure that you want to delete preset "), Msg::PresetDelete);
}

void PresetDialog::importButtonClicked()
{
    const int slot = slotOf(sender());
    if (slot >= 0)
        startImport(PresetBlockTransfer::OneSlot, slot);
}

void PresetDialog::exportButtonClicked()
{
    const int slot = slotOf(sender());
    if (slot >= 0)
        startExport(PresetBlockTransfer::OneSlot, slot);
}

void PresetDialog::importAllButtonClicked()
{
    startImport(PresetBlockTransfer::AllSlots, 0);
}

void PresetDialog::exportAllButtonClicked()
{
    startExport(PresetBlockTransfer::AllSlots, 0);
}

// ---- transfers ------------------------------------------------------------------------------

void PresetDialog::startExport(PresetBlockTransfer::Scope scope, int slot)
{
    const bool all = scope == PresetBlockTransfer::AllSlots;
    const QString path = MessageBox::saveFileName(
            this, all ? tr("Save all presets as") : tr("Save preset as"), QDir::currentPath(),
            all ? tr("pstl file") + QStringLiteral("(*.pstl)")
                : tr("pst file") + QStringLiteral("(*.pst)"));
    if (path.isEmpty() || m_export->isRunning() || m_import->isRunning())
        return;
    m_filePath = path;
    m_running = m_export;
    m_export->start(scope, quint8(slot), path);
}

void PresetDialog::startImport(PresetBlockTransfer::Scope scope, int slot)
{
    const bool all = scope == PresetBlockTransfer::AllSlots;
    const QString path = MessageBox::openFileName(this, tr("Select a preset file to import"),
                                                  QDir::currentPath(),
                                                  all ? tr("pstl file") + QStringLiteral("(*.pstl)")
                                                      : tr("pst file") + QStringLiteral("(*.pst)"));
    if (path.isEmpty() || m_export->isRunning() || m_import->isRunning())
        return;
    m_filePath = path;
    m_running = m_import;
    m_import->start(scope, quint8(slot), path);
}

QString PresetDialog::transferLabel() const
{
    if (!m_running)
        return QString();
    const bool all = m_running->scope() == PresetBlockTransfer::AllSlots;
    if (m_running == m_export)
        return all ? tr("Exporting All...") : tr("Exporting...");
    return all ? tr("Import All...") : tr("Import...");
}

void PresetDialog::transferProgressChanged(int value, int maximum, int percent)
{
    m_running = qobject_cast<PresetBlockTransfer *>(sender());
    if (percent < 0) {
        showProgress(transferLabel(), maximum);
        return;
    }
    m_progressBar->setValue(value);
    m_progress->setLabelText(transferLabel() + QStringLiteral("%1%").arg(percent));
}

void PresetDialog::transferEnded(PresetBlockTransfer::Outcome outcome, const QString &message)
{
    finishProgress();
    if (outcome == PresetBlockTransfer::Failed && !message.isEmpty())
        MessageBox::inform(this, MessageBox::Information, tr("Preset"), message);
}

// The progress moves through the bar itself: QProgressDialog::setValue runs the event loop of a
// modal dialog, which would hand the next reply over while this one is being handled.
void PresetDialog::showProgress(const QString &label, int maximum)
{
    m_progress->reset();
    m_progress->setLabelText(label);
    m_progress->setRange(0, maximum);
    m_progressBar->setValue(0);
    m_progress->show();
}

void PresetDialog::finishProgress()
{
    m_progress->setLabelText(QString());
    m_progress->cancel();
    m_progress->hide();
}

// ---- window ---------------------------------------------------------------------------------

void PresetDialog::showEvent(QShowEvent *event)
{
    m_shownOnce = true;
    m_model->setDialogOpen(StatusPoll::PresetsDialog, true);
    Dialog::showEvent(event);
}

void PresetDialog::hideEvent(QHideEvent *event)
{
    m_model->setDialogOpen(StatusPoll::PresetsDialog, false);
    Dialog::hideEvent(event);
}

void PresetDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void PresetDialog::retranslate()
{
    setWindowTitle(tr("Preset"));
    m_progress->setWindowTitle(tr("Preset"));
    m_table->setHorizontalHeaderLabels(
            {tr("Name"), QString(), QString(), QString(), QString(), QString()});
    for (const Row &row : m_rows) {
        row.save->setText(tr("Save"));
        row.load->setText(tr("Load"));
        row.import->setText(tr("Import"));
        row.exportButton->setText(tr("Export"));
        row.remove->setText(tr("Delete"));
    }
    m_importAllButton->setText(tr("Import All"));
    m_exportAllButton->setText(tr("Export All"));
}
