#include "AECWidget.h"

#include "editors/chain/ChannelStripWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteWriter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

// Where the diagram's texts sit on the picture (its own pixels).
struct DiagramText
{
    int x;
    int y;
    int width;
    Qt::Alignment alignment;
};
constexpr DiagramText Texts[] = {
    {22, 16, 200, Qt::AlignLeft},  // "Local Setting"
    {290, 166, 160, Qt::AlignCenter}, // "AEC(Remote Benefit)"
    {476, 12, 160, Qt::AlignLeft}, // from the terminal
    {476, 210, 160, Qt::AlignLeft}, // to the terminal
    {22, 214, 200, Qt::AlignLeft}, // local sources
    {22, 96, 200, Qt::AlignLeft},  // local amplifier
};

} // namespace

AECWidget::AECWidget(DataModel *model, QWidget *parent)
    : CancellationEditor(model, parent), m_enabled(new QButtonGroup(this)),
      m_micCaption(new QLabel(this)), m_diagram(new QLabel(this))
{
    setObjectName(QStringLiteral("aecWidget"));
    auto *choice = new QWidget(this);
    auto *choiceLayout = new QHBoxLayout(choice);
    choiceLayout->setContentsMargins(0, 0, 0, 0);
    choiceLayout->setSpacing(0);
    for (int id = 0; id < 2; ++id) { // 0 "Disabled", 1 "Enabled"
        auto *b = new QPushButton(choice);
        b->setObjectName(QString::number(id));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(100);
        b->setProperty("horizontalButtonPosition", id == 1 ? "first" : "last");
        m_enabled->addButton(b, id);
    }
    choiceLayout->addWidget(m_enabled->button(1));
    choiceLayout->addWidget(m_enabled->button(0));
    form()->addWidget(choice, 0, 0, Qt::AlignLeft);
    connect(m_enabled, &QButtonGroup::idClicked, this,
            &AECWidget::enabledButtonGroupButtonClicked);

    form()->addWidget(m_micCaption, 1, 0, 1, 2);
    auto *mics = new QWidget(this);
    auto *micLayout = new QGridLayout(mics);
    micLayout->setContentsMargins(0, 0, 0, 0);
    micLayout->setHorizontalSpacing(8);
    for (int input = 0; input < Inputs; ++input) {
        auto *box = new QCheckBox(mics);
        box->setObjectName(QString::number(input));
        box->setFocusPolicy(Qt::NoFocus);
        box->setMinimumWidth(92);
        connect(box, &QCheckBox::clicked, this, &AECWidget::localMicCheckBoxClicked);
        m_mics.push_back(box);
        micLayout->addWidget(box, input / 9, input % 9);
    }
    form()->addWidget(mics, 2, 0, 1, 2, Qt::AlignLeft);

    m_diagram->setObjectName(QStringLiteral("aecDiagramLabel"));
    for (const DiagramText &t : Texts) {
        auto *text = new QLabel(m_diagram);
        text->setObjectName(QStringLiteral("diagramTextLabel"));
        text->setAlignment(t.alignment | Qt::AlignVCenter);
        text->setGeometry(t.x, t.y, t.width, 56);
        m_diagramTexts.push_back(text);
    }
    m_diagramTexts[1]->setWordWrap(true);
    form()->setRowMinimumHeight(3, 16);
    form()->addWidget(m_diagram, 4, 0, 1, 2, Qt::AlignLeft);
    appearanceChanged();
    retranslate();
    refresh();
}

QPushButton *AECWidget::enableButton(bool enabled) const
{
    return qobject_cast<QPushButton *>(m_enabled->button(enabled ? 1 : 0));
}

QCheckBox *AECWidget::localMicCheckBox(int input) const
{
    return input >= 0 && input < Inputs ? m_mics[size_t(input)] : nullptr;
}

void AECWidget::refresh()
{
    const AecState &aec = model()->mirror().aec;
    m_enabled->button(aec.enabled ? 1 : 0)->setChecked(true);
    for (int input = 0; input < Inputs; ++input)
        m_mics[size_t(input)]->setChecked(input < aec.config.size() && aec.config[input]);
    refreshLabels();
}

void AECWidget::refreshLabels()
{
    for (int input = 0; input < Inputs; ++input)
        m_mics[size_t(input)]->setText(inputName(input));
}

void AECWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    Q_UNUSED(outputMask)
    for (int input = 0; input < Inputs; ++input)
        m_mics[size_t(input)]->setHidden(ChannelStripWidget::maskHas(inputMask, input));
}

void AECWidget::enabledButtonGroupButtonClicked(int id)
{
    const quint8 enabled = id == 1 ? 1 : 0;
    model()->mirror().aec.enabled = enabled;
    model()->sendWrite(Msg::AecEnable, ByteWriter().u8(enabled));
}

void AECWidget::localMicCheckBoxClicked()
{
    QByteArray flags(AecState::ConfigSize, '\0');
    for (int input = 0; input < Inputs && input < flags.size(); ++input)
        flags[input] = m_mics[size_t(input)]->isChecked() ? 1 : 0;
    model()->mirror().aec.config = flags;
    model()->sendWrite(Msg::AecConfig, flags);
}

void AECWidget::appearanceChanged()
{
    const QPixmap picture(artwork(QStringLiteral("AecFrame")));
    m_diagram->setPixmap(picture);
    m_diagram->setFixedSize(picture.isNull() ? QSize(640, 280) : picture.size());
}

void AECWidget::retranslate()
{
    m_enabled->button(1)->setText(tr("Enabled"));
    m_enabled->button(0)->setText(tr("Disabled"));
    m_micCaption->setText(tr("Select the local microphone channels for video conference"));
    const QString texts[] = {
        tr("Local Setting"),
        tr("AEC(Remote Benefit)"),
        tr("From\nVideo conference\nterminal audio"),
        tr("To\nVideo conference\nterminal audio"),
        tr("IN CH3-16\nLocal conference\naudio source"),
        tr("OUT CH3-16\nLocal conference\nAmplifier"),
    };
    for (size_t i = 0; i < m_diagramTexts.size(); ++i)
        m_diagramTexts[i]->setText(texts[i]);
}
