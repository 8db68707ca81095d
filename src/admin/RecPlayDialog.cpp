#include "RecPlayDialog.h"

#include "UsbPlayback.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/ControlPalette.h"
#include "widgets/MessageBox.h"
#include "widgets/TableWidget.h"
#include "wire/ByteWriter.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

using namespace RecordSources;
using namespace UsbPlayback;

namespace {

const char *const GeometryKey = "RecPlayGeometry";
const QSize DefaultSize(1160, 680);
const QSize TransportIconSize(20, 20);
const int SourceColumns = 8;
const quint8 LabelsSubType = 3;
// A device may report any count; the lists show at most this many files, so that a wrong count
// cannot freeze the window.
const int MaxListedFiles = 2000;

const char *const PlayModeTexts[PlayModes] = {
        QT_TRANSLATE_NOOP("RecPlayDialog", "Order"),
        QT_TRANSLATE_NOOP("RecPlayDialog", "Shuffle"),
        QT_TRANSLATE_NOOP("RecPlayDialog", "Repeat Single"),
        QT_TRANSLATE_NOOP("RecPlayDialog", "Repeat List"),
};

void setStyleProperty(QWidget *widget, const char *name, const QVariant &value)
{
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

QTableWidget *listTable(QWidget *parent, const char *objectName, int columns)
{
    auto *table = new TableWidget(parent);
    table->setObjectName(QLatin1String(objectName));
    table->setColumnCount(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(28);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->setColumnWidth(0, 56);
    if (columns > 2)
        table->setColumnWidth(2, 104);
    return table;
}

QPushButton *transportButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setIconSize(TransportIconSize);
    button->setFixedSize(44, 34);
    return button;
}

} // namespace

RecPlayDialog::RecPlayDialog(DataModel *model, QWidget *parent) : Dialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("recPlayDialog"));
    m_dark = ControlPalette::isDark();

    auto *groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(buildPlayback(), 1);
    groups->addWidget(buildRecord(), 1);

    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(QStringLiteral("usbNoteLabel"));
    m_noteLabel->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(groups, 1);
    layout->addWidget(m_noteLabel);

    buildSources(); // and the texts of the whole dialog
    refreshIcons();
    refreshPlayList();
    refreshRecordList();
    refreshPlayState();
    refreshRecordState();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
}

RecPlayDialog::~RecPlayDialog()
{
    if (isVisible())
        SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
}

QGroupBox *RecPlayDialog::buildPlayback()
{
    m_playGroup = new QGroupBox(this);
    m_playGroup->setObjectName(QStringLiteral("usbPlaybackGroup"));
    m_playListLabel = new QLabel(m_playGroup);
    m_playTable = listTable(m_playGroup, "usbPlayTableWidget", 2);
    connect(m_playTable, &QTableWidget::itemClicked, this,
            &RecPlayDialog::usbPlayTableWidgetItemClicked);

    m_prevButton = transportButton(m_playGroup, "usbPrevButton");
    m_playButton = transportButton(m_playGroup, "usbPlayButton");
    m_stopButton = transportButton(m_playGroup, "usbStopButton");
    m_nextButton = transportButton(m_playGroup, "usbNextButton");
    connect(m_prevButton, &QPushButton::clicked, this, &RecPlayDialog::usbPrevButtonClicked);
    connect(m_playButton, &QPushButton::clicked, this, &RecPlayDialog::usbPlayButtonClicked);
    connect(m_stopButton, &QPushButton::clicked, this, &RecPlayDialog::usbStopButtonClicked);
    connect(m_nextButton, &QPushButton::clicked, this, &RecPlayDialog::usbNextButtonClicked);

    m_playSlider = new QSlider(Qt::Horizontal, m_playGroup);
    m_playSlider->setObjectName(QStringLiteral("usbPlaySlider"));
    m_playSlider->setRange(0, 0);
    // Only dragging the handle seeks: a click beside it or a key would move the slider without
    // telling the device, and the next reply would snap it back.
    m_playSlider->setPageStep(0);
    m_playSlider->setFocusPolicy(Qt::NoFocus);
    connect(m_playSlider, &QSlider::sliderPressed, this, &RecPlayDialog::usbPlaySliderPressed);
    connect(m_playSlider, &QSlider::valueChanged, this, &RecPlayDialog::usbPlaySliderValueChanged);
    connect(m_playSlider, &QSlider::sliderReleased, this, &RecPlayDialog::usbPlaySliderReleased);
    m_playTimeLabel = new QLabel(m_playGroup);
    m_playTimeLabel->setObjectName(QStringLiteral("usbPlayTimeLabel"));
    m_playTimeLabel->setMinimumWidth(
            m_playTimeLabel->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 / 00:00:00"))
            + 4);

    auto *position = new QHBoxLayout;
    position->setSpacing(8);
    position->addWidget(m_playSlider, 1);
    position->addWidget(m_playTimeLabel);
    auto *transport = new QHBoxLayout;
    transport->setSpacing(6);
    transport->addWidget(m_prevButton);
    transport->addWidget(m_playButton);
    transport->addWidget(m_stopButton);
    transport->addWidget(m_nextButton);
    transport->addStretch(1);

    m_playModeGroup = new QButtonGroup(this);
    m_playModeGroup->setExclusive(true);
    auto *modes = new QHBoxLayout;
    modes->setSpacing(0);
    for (int mode = 0; mode < PlayModes; ++mode) {
        auto *button = new QPushButton(m_playGroup);
        button->setObjectName(QStringLiteral("usbPlayModeButton%1").arg(mode));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setProperty("horizontalButtonPosition",
                            mode == 0                       ? QStringLiteral("first")
                                    : mode == PlayModes - 1 ? QStringLiteral("last")
                                                            : QStringLiteral("middle"));
        m_playModeGroup->addButton(button, mode);
        modes->addWidget(button);
    }
    connect(m_playModeGroup, &QButtonGroup::idClicked, this,
            &RecPlayDialog::usbPlayModeButtonClicked);

    auto *layout = new QVBoxLayout(m_playGroup);
    layout->setSpacing(8);
    layout->addWidget(m_playListLabel);
    layout->addWidget(m_playTable, 1);
    layout->addLayout(position);
    layout->addLayout(transport);
    layout->addLayout(modes);
    return m_playGroup;
}

QGroupBox *RecPlayDialog::buildRecord()
{
    m_recordGroup = new QGroupBox(this);
    m_recordGroup->setObjectName(QStringLiteral("usbRecordGroup"));
    m_recordListLabel = new QLabel(m_recordGroup);
    m_recordTable = listTable(m_recordGroup, "usbRecordTableWidget", 3);
    connect(m_recordTable, &QTableWidget::itemClicked, this,
            &RecPlayDialog::usbRecordTableWidgetItemClicked);

    m_recordButton = transportButton(m_recordGroup, "usbRecordButton");
    connect(m_recordButton, &QPushButton::clicked, this, &RecPlayDialog::usbRecordButtonClicked);
    m_recordTimeLabel = new QLabel(m_recordGroup);
    m_recordTimeLabel->setObjectName(QStringLiteral("usbRecordTimeLabel"));
    m_sourceLabel = new QLabel(m_recordGroup);
    m_sourceButton = new QPushButton(m_recordGroup);
    m_sourceButton->setObjectName(QStringLiteral("usbRecordSourceMenuButton"));
    m_channelMenu = new QMenu(m_sourceButton);
    m_channelMenu->setObjectName(QStringLiteral("usbRecordSourceChannelMenu"));
    m_sourceButton->setMenu(m_channelMenu);
    connect(m_channelMenu, &QMenu::triggered, this,
            &RecPlayDialog::usbRecordSourceChannelButtonTriggered);
    connect(m_channelMenu, &QMenu::hovered, this,
            &RecPlayDialog::usbRecordSourceChannelButtonHighlightChanged);
    connect(m_channelMenu, &QMenu::aboutToHide, this,
            [this] { usbRecordSourceChannelButtonHighlightChanged(nullptr); });
    m_clearButton = new QPushButton(m_recordGroup);
    m_clearButton->setObjectName(QStringLiteral("usbRecordSourceClearButton"));
    connect(m_clearButton, &QPushButton::clicked, this,
            &RecPlayDialog::usbRecordSourceClearButtonClicked);

    auto *controls = new QHBoxLayout;
    controls->setSpacing(8);
    controls->addWidget(m_recordButton);
    controls->addWidget(m_recordTimeLabel);
    controls->addStretch(1);
    controls->addWidget(m_sourceLabel);
    controls->addWidget(m_sourceButton);
    controls->addWidget(m_clearButton);

    m_sourceGrid = new QWidget(m_recordGroup);
    m_sourceGrid->setObjectName(QStringLiteral("usbRecordSourceGrid"));
    auto *grid = new QGridLayout(m_sourceGrid);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    // Two short lines per button: the channel number and its sides.
    m_sourceGrid->setStyleSheet(QStringLiteral("QPushButton { padding: 2px 0px; }"));
    m_inputCaption = new QLabel(m_sourceGrid);
    m_outputCaption = new QLabel(m_sourceGrid);

    auto *layout = new QVBoxLayout(m_recordGroup);
    layout->setSpacing(8);
    layout->addWidget(m_recordListLabel);
    layout->addWidget(m_recordTable, 1);
    layout->addLayout(controls);
    layout->addWidget(m_sourceGrid);
    return m_recordGroup;
}

// The source buttons and the channel menu, for the channels the configuration has. Each
// channel's submenu holds the four choices of its Left and Right flags.
void RecPlayDialog::buildSources()
{
    for (Source &s : m_sources) {
        delete s.button;
        delete s.menu;
    }
    m_sources.clear();
    m_channelMenu->clear();

    auto *grid = static_cast<QGridLayout *>(m_sourceGrid->layout());
    const QVector<Channel> list = channels(m_inputMask, m_outputMask);
    int inputs = 0;
    for (const Channel &c : list)
        inputs += c.output ? 0 : 1;
    // Inputs, then outputs on rows of their own, each side captioned on its first row.
    int slot = 0;
    bool outputsBegun = false;
    grid->addWidget(m_inputCaption, 0, 0);
    m_channelMenu->addSection(tr("Input"));
    for (const Channel &c : list) {
        if (c.output && !outputsBegun) {
            outputsBegun = true;
            slot = (inputs + SourceColumns - 1) / SourceColumns * SourceColumns;
            grid->addWidget(m_outputCaption, slot / SourceColumns, 0);
            m_channelMenu->addSection(tr("Output"))->setData(true);
        }
        Source s;
        s.channel = c;
        s.button = new QPushButton(m_sourceGrid);
        s.button->setObjectName(QString::number(c.code));
        s.button->setMinimumWidth(44);
        s.button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(s.button, &QPushButton::clicked, this,
                &RecPlayDialog::usbRecordSourceButtonClicked);
        grid->addWidget(s.button, slot / SourceColumns, 1 + slot % SourceColumns);
        ++slot;

        s.menu = m_channelMenu->addMenu(QString());
        s.menu->menuAction()->setData(int(c.code));
        s.choices = new QActionGroup(s.menu);
        s.choices->setExclusive(true);
        for (int choice = LeftAndRight; choice <= Off; ++choice) {
            QAction *action = s.menu->addAction(QString());
            action->setCheckable(true);
            action->setData(QVariantList {int(c.code), choice});
            s.choices->addAction(action);
        }
        m_sources.append(s);
    }
    retranslate();
}

QPushButton *RecPlayDialog::sourceButton(quint8 code) const
{
    for (const Source &s : m_sources) {
        if (s.channel.code == code)
            return s.button;
    }
    return nullptr;
}

QString RecPlayDialog::playFileAt(int row) const
{
    return row >= 0 && row < m_playNames.size() ? m_playNames[row] : QString();
}

QString RecPlayDialog::recordFileAt(int row) const
{
    return row >= 0 && row < m_recordNames.size() ? m_recordNames[row] : QString();
}

// ---- from the main window -------------------------------------------------------------------

void RecPlayDialog::syncFromModel(uchar type, uchar subType, uchar funcId, uchar, uchar,
                                  const QVariant &any)
{
    const MessageId id {type, subType, funcId};
    const UsbState &usb = m_model->mirror().usb;
    if (id == Msg::UsbPlayCount) {
        // The list is asked for again; entries fill their rows as they arrive.
        m_playNames = QStringList();
        for (quint32 i = 0; i < qMin<quint32>(usb.playCount, MaxListedFiles); ++i)
            m_playNames.append(QString());
        refreshPlayList();
    } else if (id == Msg::UsbPlayList) {
        const QVariantList entry = any.toList();
        if (entry.size() != 2)
            return;
        const int index = entry[0].toInt();
        if (index < 0 || index >= m_playNames.size())
            return;
        m_playNames[index] = entry[1].toString();
        setRowTexts(m_playTable, index, {QString::number(index + 1), m_playNames[index]});
        highlightRows(m_playTable, m_playNames, usb.playFile);
    } else if (id == Msg::UsbPlayState) {
        refreshPlayState();
    } else if (id == Msg::UsbPlayFile) {
        highlightRows(m_playTable, m_playNames, usb.playFile);
    } else if (id == Msg::UsbRecordCount) {
        m_recordNames.clear();
        m_recordValues.clear();
        refreshRecordList();
    } else if (id == Msg::UsbRecordList) {
        const QVariantList entry = any.toList();
        if (entry.size() != 2 || quint32(m_recordNames.size()) >= usb.recordCount
            || m_recordNames.size() >= MaxListedFiles)
            return;
        m_recordValues.append(entry[0].toUInt());
        m_recordNames.append(entry[1].toString());
        const int row = m_recordNames.size() - 1;
        m_recordTable->setRowCount(m_recordNames.size());
        setRowTexts(m_recordTable, row,
                    {QString::number(row + 1), m_recordNames[row],
                     recordTimeText(m_recordValues[row])});
        highlightRows(m_recordTable, m_recordNames, usb.recordFile);
    } else if (id == Msg::UsbRecordState) {
        refreshRecordState();
    } else if (id == Msg::UsbRecordFile) {
        highlightRows(m_recordTable, m_recordNames, usb.recordFile);
    } else if (id == Msg::UsbRecordSource || id == Msg::MatrixSwitches) {
        refreshSources();
    } else if (type == Msg::UsbPlayCount.type && subType == LabelsSubType) {
        refreshSources();
    }
}

void RecPlayDialog::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    if (inputMask == m_inputMask && outputMask == m_outputMask && !m_sources.isEmpty())
        return;
    m_inputMask = inputMask;
    m_outputMask = outputMask;
    buildSources();
}

// ---- playback -------------------------------------------------------------------------------

void RecPlayDialog::usbPlayTableWidgetItemClicked(QTableWidgetItem *item)
{
    if (!item)
        return;
    const QString name = playFileAt(item->row());
    if (!name.isEmpty())
        playFile(name);
}

void RecPlayDialog::playFile(const QString &name)
{
    const int bootMode = m_model->linkSettings().bootMode;
    const quint8 armMajor = m_model->deviceInfo().armVersion[0];
    if (asksSwitchToUsb(bootMode, armMajor, m_model->input(0).inputMode,
                        m_model->input(1).inputMode)) {
        if (!MessageBox::confirm(this, tr("Rec/Play"),
                                 tr("Are you sure that you want to switch IN 1 and IN 2 to USB "
                                    "mode, and enable USB play?")))
            return;
        emit switchToUSB();
    }
    m_model->sendWrite(Msg::UsbPlayControl, playFilePayload(name));
}

void RecPlayDialog::usbPlayButtonClicked()
{
    m_model->sendWrite(Msg::UsbPlayControl, playPausePayload(m_model->mirror().usb.playState));
}

void RecPlayDialog::usbStopButtonClicked()
{
    quint8 &state = m_model->mirror().usb.playState;
    // The command 0 starts a stopped player: stopping what is already stopped sends nothing.
    if (state == Stopped)
        return;
    state = Stopped;
    refreshPlayState();
    m_model->sendWrite(Msg::UsbPlayControl, playPausePayload(state));
}

void RecPlayDialog::usbPrevButtonClicked()
{
    m_model->sendWrite(Msg::UsbPlayControl, simpleCommand(Previous));
}

void RecPlayDialog::usbNextButtonClicked()
{
    m_model->sendWrite(Msg::UsbPlayControl, simpleCommand(Next));
}

void RecPlayDialog::usbPlaySliderPressed()
{
    m_sliderHeld = true;
}

void RecPlayDialog::usbPlaySliderValueChanged(int value)
{
    if (m_sliderHeld)
        m_playTimeLabel->setText(playTimeText(value, m_playSlider->maximum()));
}

void RecPlayDialog::usbPlaySliderReleased()
{
    m_sliderHeld = false;
    m_model->sendWrite(Msg::UsbPlayControl, seekPayload(m_playSlider->value()));
}

void RecPlayDialog::usbPlayModeButtonClicked(int mode)
{
    if (mode < 0 || mode >= PlayModes)
        return;
    m_model->mirror().usb.playMode = quint8(mode);
    m_model->sendWrite(Msg::UsbPlayControl, playModePayload(quint8(mode)));
}

// ---- recording ------------------------------------------------------------------------------

void RecPlayDialog::usbRecordTableWidgetItemClicked(QTableWidgetItem *item)
{
    if (!item)
        return;
    const QString name = recordFileAt(item->row());
    if (!name.isEmpty())
        m_model->sendWrite(Msg::UsbRecordControl, chooseRecordingPayload(name));
}

void RecPlayDialog::usbRecordButtonClicked()
{
    m_model->sendWrite(Msg::UsbRecordControl,
                       recordButtonPayload(m_model->mirror().usb.recordState));
}

void RecPlayDialog::usbRecordSourceButtonClicked()
{
    const auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    bool ok = false;
    const uint code = button->objectName().toUInt(&ok);
    if (!ok || code >= uint(Sources))
        return;
    quint8 &selected = m_model->mirror().usb.recordSource;
    selected = selected == code ? NoSource : quint8(code);
    refreshSources();
    m_model->sendWrite(Msg::UsbRecordSource, ByteWriter(1).u8(selected));
}

void RecPlayDialog::usbRecordSourceClearButtonClicked()
{
    if (!MessageBox::confirm(this, tr("Rec/Play"),
                             tr("Are you sure that you want to clear all the channels?")))
        return;
    for (auto &bank : m_model->mirror().matrix.switches)
        bank.fill(0);
    refreshSources();
    m_model->sendWrite(Msg::MatrixSwitches, clearPayload(Left));
    m_model->sendWrite(Msg::MatrixSwitches, clearPayload(Right));
}

void RecPlayDialog::usbRecordSourceChannelButtonTriggered(QAction *action)
{
    const QVariantList data = action ? action->data().toList() : QVariantList();
    if (data.size() != 2)
        return;
    const int code = data[0].toInt();
    const int choice = data[1].toInt();
    if (code < 0 || code >= Sources || choice < LeftAndRight || choice > Off)
        return;
    auto &switches = m_model->mirror().matrix.switches;
    const quint8 flags[2] = {leftFlag(Choice(choice)), rightFlag(Choice(choice))};
    for (quint8 side : {Left, Right}) {
        quint8 &flag = switches[side][size_t(code)];
        if (flag == flags[side])
            continue;
        flag = flags[side];
        m_model->sendWrite(Msg::MatrixSwitches, channelPayload(Side(side), quint8(code), flag));
    }
    refreshSources();
}

// The channel under the pointer in the menu shows on its source button.
void RecPlayDialog::usbRecordSourceChannelButtonHighlightChanged(QAction *action)
{
    int code = -1;
    if (action) {
        const QVariant data = action->data();
        code = data.type() == QVariant::List ? data.toList().value(0).toInt() : data.toInt();
    }
    for (const Source &s : qAsConst(m_sources))
        setStyleProperty(s.button, "highlighted", int(s.channel.code) == code);
}

// ---- showing --------------------------------------------------------------------------------

void RecPlayDialog::setRowTexts(QTableWidget *table, int row, const QStringList &texts)
{
    for (int column = 0; column < texts.size() && column < table->columnCount(); ++column) {
        // The text sits in a label so that the style sheet can mark the current file's row.
        auto *label = qobject_cast<QLabel *>(table->cellWidget(row, column));
        if (!label) {
            table->setItem(row, column, new QTableWidgetItem);
            label = new QLabel;
            label->setObjectName(QStringLiteral("usbListLabel"));
            label->setContentsMargins(6, 0, 6, 0);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            table->setCellWidget(row, column, label);
        }
        label->setText(texts[column]);
    }
}

void RecPlayDialog::highlightRows(QTableWidget *table, const QStringList &names,
                                  const QString &current)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool on = !current.isEmpty() && row < names.size() && names[row] == current;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QWidget *cell = table->cellWidget(row, column))
                setStyleProperty(cell, "highlighted", on);
        }
    }
}

void RecPlayDialog::refreshPlayList()
{
    m_playTable->setRowCount(m_playNames.size());
    // Rows are filled as their entries arrive.
    for (int row = 0; row < m_playNames.size(); ++row) {
        if (!m_playNames[row].isEmpty())
            setRowTexts(m_playTable, row, {QString::number(row + 1), m_playNames[row]});
    }
    highlightRows(m_playTable, m_playNames, m_model->mirror().usb.playFile);
}

void RecPlayDialog::refreshRecordList()
{
    m_recordTable->setRowCount(m_recordNames.size());
    for (int row = 0; row < m_recordNames.size(); ++row)
        setRowTexts(m_recordTable, row,
                    {QString::number(row + 1), m_recordNames[row],
                     recordTimeText(m_recordValues.value(row))});
    highlightRows(m_recordTable, m_recordNames, m_model->mirror().usb.recordFile);
}

void RecPlayDialog::refreshPlayState()
{
    const UsbState &usb = m_model->mirror().usb;
    const bool playing = usb.playState == Playing;
    setStyleProperty(m_playButton, "status", playing);
    refreshIcons();
    // While the user holds the slider, replies do not move it and the text follows the slider.
    if (!m_sliderHeld) {
        m_playSlider->setRange(0, usb.playDuration);
        m_playSlider->setValue(usb.playPosition);
        m_playTimeLabel->setText(playTimeText(usb.playPosition, usb.playDuration));
    }
    if (QAbstractButton *button = m_playModeGroup->button(usb.playMode))
        button->setChecked(true);
}

void RecPlayDialog::refreshRecordState()
{
    const UsbState &usb = m_model->mirror().usb;
    setStyleProperty(m_recordButton, "status", usb.recordState == 1);
    m_recordButton->setIcon(QIcon(usb.recordState == 1 ? QStringLiteral(":/image/StopRecord.png")
                                                       : QStringLiteral(":/image/Circle.png")));
    m_recordTimeLabel->setText(recordTimeText(usb.recordTime));
}

void RecPlayDialog::refreshSources()
{
    const auto &switches = m_model->mirror().matrix.switches;
    const quint8 selected = m_model->mirror().usb.recordSource;
    for (const Source &s : qAsConst(m_sources)) {
        const size_t code = s.channel.code;
        const Choice choice = choiceOf(switches[Left][code], switches[Right][code]);
        const QString name = channelName(s.channel);
        // The number keeps the grid compact; the name is in the tool tip and the menu.
        s.button->setText(QString::number(s.channel.index + 1) + QLatin1Char('\n')
                          + choiceText(choice));
        s.button->setToolTip(name);
        setStyleProperty(s.button, "selected", s.channel.code == selected);
        s.menu->setTitle(name + QStringLiteral("  (") + choiceText(choice) + QLatin1Char(')'));
        const QList<QAction *> actions = s.choices->actions();
        for (int i = 0; i < actions.size(); ++i)
            actions[i]->setChecked(i == int(choice));
    }
}

void RecPlayDialog::refreshIcons()
{
    const QString set = m_dark ? QStringLiteral("Dark") : QStringLiteral("Light");
    const auto icon = [&set](const char *name) {
        return QIcon(QStringLiteral(":/image/%1%2.png").arg(QLatin1String(name), set));
    };
    m_prevButton->setIcon(icon("StepBackward"));
    m_playButton->setIcon(icon(m_model->mirror().usb.playState == Playing ? "Pause" : "Play"));
    m_stopButton->setIcon(icon("Stop"));
    m_nextButton->setIcon(icon("StepForward"));
}

QString RecPlayDialog::channelName(const Channel &channel) const
{
    if (channel.output) {
        const OutputChannel &out = m_model->mirror().outputs[size_t(channel.index)];
        return out.label.isEmpty() ? out.defaultName : out.label;
    }
    const InputChannel &in = m_model->mirror().inputs[size_t(channel.index)];
    return in.label.isEmpty() ? in.defaultName : in.label;
}

QString RecPlayDialog::choiceText(Choice choice) const
{
    switch (choice) {
    case LeftAndRight:
        return tr("L+R");
    case LeftOnly:
        return tr("L");
    case RightOnly:
        return tr("R");
    case Off:
        break;
    }
    return tr("Off");
}

// ---- window ---------------------------------------------------------------------------------

void RecPlayDialog::showEvent(QShowEvent *event)
{
    m_model->setDialogOpen(StatusPoll::UsbRecPlayDialog, true);
    Dialog::showEvent(event);
}

void RecPlayDialog::hideEvent(QHideEvent *event)
{
    m_model->setDialogOpen(StatusPoll::UsbRecPlayDialog, false);
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    Dialog::hideEvent(event);
}

void RecPlayDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::StyleChange && m_dark != ControlPalette::isDark()) {
        m_dark = ControlPalette::isDark();
        refreshIcons();
    }
    Dialog::changeEvent(event);
}

void RecPlayDialog::retranslate()
{
    setWindowTitle(tr("Rec/Play"));
    m_playGroup->setTitle(tr("USB Playback"));
    m_playListLabel->setText(tr("USB Play List"));
    m_playTable->setHorizontalHeaderLabels({tr("NO."), tr("Name")});
    const QList<QAbstractButton *> modes = m_playModeGroup->buttons();
    for (QAbstractButton *button : modes)
        button->setText(tr(PlayModeTexts[m_playModeGroup->id(button)]));
    m_prevButton->setToolTip(tr("Previous"));
    m_playButton->setToolTip(tr("Play/Pause"));
    m_stopButton->setToolTip(tr("Stop"));
    m_nextButton->setToolTip(tr("Next"));

    m_recordGroup->setTitle(tr("USB Record"));
    m_recordListLabel->setText(tr("USB Record List"));
    m_recordTable->setHorizontalHeaderLabels({tr("NO."), tr("Name"), tr("Duration")});
    m_recordButton->setToolTip(tr("Record"));
    m_sourceLabel->setText(tr("Record source"));
    m_inputCaption->setText(tr("Input"));
    m_outputCaption->setText(tr("Output"));
    m_sourceButton->setText(tr("Source"));
    m_clearButton->setText(tr("Clear"));
    const QList<QAction *> menuActions = m_channelMenu->actions();
    for (QAction *action : menuActions) {
        if (action->isSeparator())
            action->setText(action->data().toBool() ? tr("Output") : tr("Input"));
    }
    for (const Source &s : qAsConst(m_sources)) {
        const QList<QAction *> actions = s.choices->actions();
        actions[LeftAndRight]->setText(tr("Left and Right"));
        actions[LeftOnly]->setText(tr("Left"));
        actions[RightOnly]->setText(tr("Right"));
        actions[Off]->setText(tr("None"));
    }
    refreshSources();

    m_noteLabel->setText(tr("Note:\nSupports mp3, wav, ape, aac and flac file formats for USB "
                            "playback. Only supports USB storage device of FAT32 format.\nPlay "
                            "files fixed in the audio directory of the root directory. Record "
                            "files fixed in the record directory of the root directory."));
}
