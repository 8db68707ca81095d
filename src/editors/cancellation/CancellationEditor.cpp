#include "CancellationEditor.h"

#include "ToggleRow.h"

#include "editors/chain/ChannelStripWidget.h"
#include "model/DataModel.h"
#include "widgets/ControlPalette.h"
#include "widgets/MessageBox.h"
#include "widgets/OverlayScrollArea.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CancellationEditor::CancellationEditor(DataModel *model, QWidget *parent)
    : QWidget(parent), m_model(model), m_form(new QGridLayout)
{
    m_form->setHorizontalSpacing(16);
    m_form->setVerticalSpacing(6);
    m_form->setColumnStretch(1, 1);
    // In a scroll area, as the strip pages: the page never asks the window for more room.
    auto *area = new OverlayScrollArea(this);
    area->setObjectName(QStringLiteral("cancellationScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto *content = new QWidget(area->viewport());
    content->setObjectName(QStringLiteral("cancellationContent"));
    auto *inner = new QVBoxLayout(content);
    inner->setContentsMargins(24, 12, 24, 12);
    inner->addLayout(m_form);
    inner->addStretch(1);
    area->setWidget(content);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
}

QString CancellationEditor::inputName(int input) const
{
    const InputChannel &in = m_model->input(input);
    return in.label.isEmpty() ? in.defaultName : in.label;
}

QString CancellationEditor::outputName(int output) const
{
    const OutputChannel &out = m_model->output(output);
    return out.label.isEmpty() ? out.defaultName : out.label;
}

QStringList CancellationEditor::inputNames() const
{
    QStringList names;
    for (int input = 0; input < Inputs; ++input)
        names << inputName(input);
    return names;
}

QStringList CancellationEditor::outputNames() const
{
    QStringList names;
    for (int output = 0; output < Outputs; ++output)
        names << outputName(output);
    return names;
}

void CancellationEditor::refreshLabels()
{
    const QStringList inputs = inputNames();
    const QStringList outputs = outputNames();
    for (ToggleRow *row : qAsConst(m_inputRows))
        row->setTexts(inputs);
    for (ToggleRow *row : qAsConst(m_outputRows))
        row->setTexts(outputs);
}

void CancellationEditor::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    for (ToggleRow *row : qAsConst(m_inputRows))
        for (int i = 0; i < row->count(); ++i)
            row->setIndexHidden(i, ChannelStripWidget::maskHas(inputMask, i));
    for (ToggleRow *row : qAsConst(m_outputRows))
        for (int i = 0; i < row->count(); ++i)
            row->setIndexHidden(i, ChannelStripWidget::maskHas(outputMask, i));
}

QLabel *CancellationEditor::addCaption(int row)
{
    auto *caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("captionLabel"));
    m_form->addWidget(caption, row, 0, 1, 2);
    return caption;
}

void CancellationEditor::addRow(int row, QWidget *controls)
{
    m_form->addWidget(controls, row, 0, 1, 2, Qt::AlignLeft);
    m_form->setRowMinimumHeight(row, 34);
}

QPushButton *CancellationEditor::addInstructionsButton()
{
    m_instructions = new QPushButton(this);
    m_instructions->setObjectName(QStringLiteral("infoButton"));
    m_instructions->setFocusPolicy(Qt::NoFocus);
    m_instructions->setIconSize(QSize(18, 18));
    m_instructions->setIcon(QIcon(artwork(QStringLiteral("Info"))));
    m_form->addWidget(m_instructions, 0, 2, Qt::AlignRight | Qt::AlignTop);
    return m_instructions;
}

QString CancellationEditor::artwork(const QString &stem)
{
    return QStringLiteral(":/image/%1%2.png")
            .arg(stem, ControlPalette::isDark() ? QLatin1String("Dark") : QLatin1String("Light"));
}

void CancellationEditor::showInstructions(const QString &title, const QStringList &steps,
                                          const QString &pictureStem)
{
    QStringList lines;
    for (const QString &step : steps)
        lines << step.toHtmlEscaped();
    const QString text = QStringLiteral("<p>%1</p><p><img src=\"%2\"></p>")
                                 .arg(lines.join(QLatin1String("<br>")), artwork(pictureStem));
    MessageBox::ask(this, MessageBox::Information, title, text, {tr("OK")}, Qt::RichText);
}

void CancellationEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::StyleChange) {
        if (m_instructions)
            m_instructions->setIcon(QIcon(artwork(QStringLiteral("Info"))));
        appearanceChanged();
    }
    QWidget::changeEvent(event);
}
