#include "LabelDialog.h"

#include "files/LabelFile.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/StatusPoll.h"
#include "settings/SystemSettings.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "wire/LocalText.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const GeometryKey = "LabelGeometry";
const QSize DefaultSize(600, 580);
const QSize AllButtonSize(80, 25);
constexpr int AlwaysShown = 8; // channels 1..8 are in every configuration
constexpr int DanteIconSize = 16;
// Room for a whole label of 16 or 10 bytes: the window grows past 600 pixels where names are
// long (Dante channels, Chinese).
constexpr int LabelEditWidth = 118;
constexpr int TouchScreenEditWidth = 76;

bool maskHas(quint32 mask, int channel)
{
    return channel >= AlwaysShown && (mask >> (channel - AlwaysShown)) & 1u;
}

QString fileFilter()
{
    return LabelDialog::tr("lbl file") + QStringLiteral("(*.lbl)");
}

} // namespace

LabelDialog::LabelDialog(DataModel *model, SystemSettings *settings, QWidget *parent)
    : Dialog(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_model(model), m_settings(settings), m_importAllButton(new QPushButton(this)),
      m_exportAllButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("labelDialog"));
    m_inputGroup = buildGroup(m_inputs, LabelSync::Input, &LabelDialog::inputEditEditingFinished);
    m_inputGroup->setObjectName(QStringLiteral("inputLabelGroup"));
    m_outputGroup =
            buildGroup(m_outputs, LabelSync::Output, &LabelDialog::outputEditEditingFinished);
    m_outputGroup->setObjectName(QStringLiteral("outputLabelGroup"));
    m_touchScreenGroup = buildGroup(m_touchScreen, LabelSync::TouchScreen,
                                    &LabelDialog::tsInputEditEditingFinished);
    m_touchScreenGroup->setObjectName(QStringLiteral("touchScreenLabelGroup"));

    m_importAllButton->setObjectName(QStringLiteral("importAllButton"));
    m_exportAllButton->setObjectName(QStringLiteral("exportAllButton"));
    for (QPushButton *b : {m_importAllButton, m_exportAllButton})
        b->setFixedSize(AllButtonSize);
    connect(m_importAllButton, &QPushButton::clicked, this, &LabelDialog::importAllButtonClicked);
    connect(m_exportAllButton, &QPushButton::clicked, this, &LabelDialog::exportAllButtonClicked);

    auto *groups = new QHBoxLayout;
    // Touch-screen labels are shorter: their group gives room to the other two.
    groups->addWidget(m_inputGroup, 4);
    groups->addWidget(m_outputGroup, 4);
    groups->addWidget(m_touchScreenGroup, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_importAllButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_exportAllButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(buttons);

    retranslate();
    const SystemSettings::ChannelMasks masks =
            settings ? settings->channelMasks() : SystemSettings::ChannelMasks();
    applyChannelConfig(masks.input, masks.output, masks.danteInput, masks.danteOutput);
    refreshChannel(255);
    resize(DefaultSize);
    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

LabelDialog::~LabelDialog()
{
    if (m_shownOnce)
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
}

QGroupBox *LabelDialog::buildGroup(Group &rows, LabelSync::Kind kind,
                                   void (LabelDialog::*finished)())
{
    auto *group = new QGroupBox(this);
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 8, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(2, 1);
    for (int ch = 0; ch < RowCount; ++ch) {
        Row &row = rows[size_t(ch)];
        row.name = new QLabel(group);
        row.dante = new QLabel(group);
        row.dante->setFixedSize(DanteIconSize, DanteIconSize);
        row.dante->setScaledContents(true);
        row.edit = new LineEdit(group);
        row.edit->setObjectName(QString::number(ch));
        row.edit->setMaxLength(LabelSync::width(kind));
        row.edit->setMinimumWidth(kind == LabelSync::TouchScreen ? TouchScreenEditWidth
                                                                 : LabelEditWidth);
        connect(row.edit, &QLineEdit::editingFinished, this, finished);
        grid->addWidget(row.name, ch, 0);
        grid->addWidget(row.dante, ch, 1);
        grid->addWidget(row.edit, ch, 2);
    }
    return group;
}

LabelDialog::Group &LabelDialog::rowsOf(LabelSync::Kind kind)
{
    switch (kind) {
    case LabelSync::Input:
        return m_inputs;
    case LabelSync::Output:
        return m_outputs;
    case LabelSync::TouchScreen:
        break;
    }
    return m_touchScreen;
}

int LabelDialog::channelCount() const
{
    return LabelFile::channelCount(m_settings ? m_settings->bootMode() : 0,
                                   m_model->mirror().device.armVersion[0]);
}

// ---- from the device model ------------------------------------------------------------------

void LabelDialog::refresh(LabelSync::Kind kind, int channel)
{
    if (channel < 0 || channel >= RowCount)
        return;
    LineEdit *edit = rowsOf(kind)[size_t(channel)].edit;
    const QString label = LabelSync::stored(*m_model, kind, channel);
    if (!edit->hasFocus() && edit->text() != label) {
        edit->setText(label);
        edit->setCursorPosition(0); // the start of a label that does not fit
    }
}

void LabelDialog::refreshInput(int channel)
{
    if (channel == 255) {
        for (int ch = 0; ch < RowCount; ++ch)
            refresh(LabelSync::Input, ch);
        return;
    }
    refresh(LabelSync::Input, channel);
}

void LabelDialog::refreshOutput(int channel)
{
    if (channel == 255) {
        for (int ch = 0; ch < RowCount; ++ch)
            refresh(LabelSync::Output, ch);
        return;
    }
    refresh(LabelSync::Output, channel);
}

void LabelDialog::refreshChannel(int channel)
{
    for (int ch = 0; ch < RowCount; ++ch) {
        if (channel != 255 && ch != channel)
            continue;
        refresh(LabelSync::Input, ch);
        refresh(LabelSync::Output, ch);
        refresh(LabelSync::TouchScreen, ch);
    }
}

void LabelDialog::refreshNames()
{
    const ParameterMirror &m = m_model->mirror();
    for (int ch = 0; ch < RowCount; ++ch) {
        m_inputs[size_t(ch)].name->setText(m.inputs[size_t(ch)].defaultName);
        m_touchScreen[size_t(ch)].name->setText(m.inputs[size_t(ch)].defaultName);
        m_outputs[size_t(ch)].name->setText(m.outputs[size_t(ch)].defaultName);
    }
}

void LabelDialog::refreshDanteState()
{
    const bool connected = m_model->mirror().device.danteConnected == 1;
    const QPixmap icon(connected ? QStringLiteral(":/image/dante_connected.png")
                                 : QStringLiteral(":/image/dante_disconnected.png"));
    for (int ch = 0; ch < RowCount; ++ch) {
        const bool danteInput = maskHas(m_danteInputMask, ch);
        const bool danteOutput = maskHas(m_danteOutputMask, ch);
        for (Group *group : {&m_inputs, &m_touchScreen}) {
            QLabel *label = (*group)[size_t(ch)].dante;
            label->setPixmap(danteInput ? icon : QPixmap());
        }
        m_outputs[size_t(ch)].dante->setPixmap(danteOutput ? icon : QPixmap());
    }
}

void LabelDialog::tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar,
                              const QVariant &)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::InputLabels)
        refreshInput(channel);
    else if (id == Msg::OutputLabels)
        refreshOutput(channel);
    else if (id == Msg::InputShortLabels)
        channel == 255 ? refreshChannel(255) : refresh(LabelSync::TouchScreen, channel);
    else if (id == Msg::SysDanteState)
        refreshDanteState();
}

void LabelDialog::applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                                     quint32 danteOutputMask)
{
    m_danteInputMask = danteInputMask;
    m_danteOutputMask = danteOutputMask;
    const int channels = channelCount();
    for (int ch = 0; ch < RowCount; ++ch) {
        const bool input = ch < channels && !maskHas(inputMask, ch);
        const bool output = ch < channels && !maskHas(outputMask, ch);
        for (Group *group : {&m_inputs, &m_touchScreen}) {
            const Row &row = (*group)[size_t(ch)];
            for (QWidget *w : {static_cast<QWidget *>(row.name), static_cast<QWidget *>(row.dante),
                               static_cast<QWidget *>(row.edit)})
                w->setVisible(input);
        }
        const Row &row = m_outputs[size_t(ch)];
        for (QWidget *w : {static_cast<QWidget *>(row.name), static_cast<QWidget *>(row.dante),
                           static_cast<QWidget *>(row.edit)})
            w->setVisible(output);
    }
    refreshNames();
    refreshDanteState();
}

// ---- edits ----------------------------------------------------------------------------------

void LabelDialog::inputEditEditingFinished()
{
    editFinished(LabelSync::Input, &LabelDialog::inputEditEditingFinished);
}

void LabelDialog::outputEditEditingFinished()
{
    editFinished(LabelSync::Output, &LabelDialog::outputEditEditingFinished);
}

void LabelDialog::tsInputEditEditingFinished()
{
    editFinished(LabelSync::TouchScreen, &LabelDialog::tsInputEditEditingFinished);
}

void LabelDialog::editFinished(LabelSync::Kind kind, void (LabelDialog::*slot)())
{
    auto *edit = qobject_cast<LineEdit *>(sender());
    bool ok = false;
    const int channel = edit ? edit->objectName().toInt(&ok) : -1;
    if (!ok || channel < 0 || channel >= RowCount)
        return;
    // Losing the focus would deliver editing-finished a second time.
    disconnect(edit, &QLineEdit::editingFinished, this, slot);
    edit->clearFocus();
    connect(edit, &QLineEdit::editingFinished, this, slot);

    const QString stored = LabelSync::stored(*m_model, kind, channel);
    const QString text = edit->text().trimmed();
    const QByteArray bytes = LocalText::encode(text);
    if (bytes.isEmpty()) {
        edit->setText(stored);
        return;
    }
    if (bytes.size() > LabelSync::width(kind)) {
        QString message;
        switch (kind) {
        case LabelSync::Input:
            message = tr("The input label's length can not be greater than 16 bytes, please "
                         "enter again!");
            break;
        case LabelSync::Output:
            message = tr("The output label's length can not be greater than 16 bytes, please "
                         "enter again!");
            break;
        case LabelSync::TouchScreen:
            message = tr("The touch screen label's length can not be greater than 10 bytes, "
                         "please enter again!");
            break;
        }
        MessageBox::inform(this, MessageBox::Information, tr("Label"), message);
        edit->setText(stored);
        return;
    }
    LabelSync::apply(*m_model, kind, channel, text);
    labelApplied(kind, channel);
}

void LabelDialog::labelApplied(LabelSync::Kind kind, int channel)
{
    LineEdit *edit = rowsOf(kind)[size_t(channel)].edit;
    edit->setText(LabelSync::stored(*m_model, kind, channel));
    edit->setCursorPosition(0);
    if (kind == LabelSync::Input)
        emit inputLabelChanged(channel);
    else if (kind == LabelSync::Output)
        emit outputLabelChanged(channel);
}

// ---- files ----------------------------------------------------------------------------------

void LabelDialog::importAllButtonClicked()
{
    const QString path = MessageBox::openFileName(this, tr("Select a label file to import"),
                                                  QDir::currentPath(), fileFilter());
    if (path.isEmpty())
        return;
    const int channels = channelCount();
    LabelFile::Labels labels;
    QString error;
    if (!LabelFile::read(path, channels, &labels, &error)) {
        MessageBox::inform(this, MessageBox::Information, tr("Label"), error);
        return;
    }
    for (const LabelSync::Change &change : LabelSync::applyAll(*m_model, labels, channels))
        labelApplied(change.kind, change.channel);
    MessageBox::inform(this, MessageBox::Information, tr("Label"), tr("Import completed!"));
}

void LabelDialog::exportAllButtonClicked()
{
    const QString path = MessageBox::saveFileName(this, tr("Save all labels as"),
                                                  QDir::currentPath(), fileFilter());
    if (path.isEmpty())
        return;
    const int channels = channelCount();
    QString error;
    if (!LabelFile::write(path, LabelSync::fromModel(*m_model, channels), channels, &error)) {
        MessageBox::inform(this, MessageBox::Information, tr("Label"), error);
        return;
    }
    MessageBox::inform(this, MessageBox::Information, tr("Label"), tr("Export completed!"));
}

// ---- window ---------------------------------------------------------------------------------

void LabelDialog::showEvent(QShowEvent *event)
{
    m_shownOnce = true;
    m_model->setDialogOpen(StatusPoll::LabelsDialog, true);
    refreshChannel(255);
    refreshDanteState();
    Dialog::showEvent(event);
}

void LabelDialog::hideEvent(QHideEvent *event)
{
    m_model->setDialogOpen(StatusPoll::LabelsDialog, false);
    Dialog::hideEvent(event);
}

void LabelDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void LabelDialog::retranslate()
{
    setWindowTitle(tr("Label"));
    m_inputGroup->setTitle(tr("Input Label"));
    m_outputGroup->setTitle(tr("Output Label"));
    m_touchScreenGroup->setTitle(tr("Touch Screen Label"));
    m_importAllButton->setText(tr("Import All"));
    m_exportAllButton->setText(tr("Export All"));
    refreshNames();
}
