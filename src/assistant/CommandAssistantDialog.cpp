#include "CommandAssistantDialog.h"

#include "CommandInputWidget.h"
#include "CommandLoginWidget.h"
#include "CommandOutputWidget.h"
#include "CommandPresetWidget.h"
#include "CommandSystemMuteWidget.h"

#include "model/CommandText.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include <array>

CommandAssistantDialog::CommandAssistantDialog(const DataModel *model, quint16 controlPort,
                                               QWidget *parent)
    : Dialog(parent,
             Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                     | Qt::WindowCloseButtonHint),
      m_controlPort(controlPort)
{
    setObjectName(QStringLiteral("commandAssistantDialog"));
    m_infoLabel = new QLabel(this);
    m_infoLabel->setObjectName(QStringLiteral("infoLabel"));

    m_pages = new QStackedWidget(this);
    m_inputPage = new CommandInputWidget(model, m_pages);
    m_outputPage = new CommandOutputWidget(model, m_pages);
    const std::array<CommandPage *, 5> pages {new CommandLoginWidget(m_pages), m_inputPage,
                                              m_outputPage, new CommandPresetWidget(m_pages),
                                              new CommandSystemMuteWidget(m_pages)};
    const std::array<const char *, 5> pageNames {"loginPage", "inputPage", "outputPage",
                                                 "presetPage", "systemMutePage"};

    m_pageButtons = new QButtonGroup(this);
    m_pageButtons->setExclusive(true);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(0);
    for (int i = 0; i < int(pages.size()); ++i) {
        pages[size_t(i)]->setObjectName(QLatin1String(pageNames[size_t(i)]));
        m_pages->addWidget(pages[size_t(i)]);
        connect(pages[size_t(i)], &CommandPage::generateCommand, this,
                &CommandAssistantDialog::generateCommand);
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("pageButton%1").arg(i));
        button->setCheckable(true);
        button->setProperty("horizontalButtonPosition",
                            i == 0                               ? QStringLiteral("first")
                                    : i == int(pages.size()) - 1 ? QStringLiteral("last")
                                                                 : QStringLiteral("middle"));
        m_pageButtons->addButton(button, i);
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch(1);
    m_pageButtons->button(0)->setChecked(true);
    connect(m_pageButtons, &QButtonGroup::idClicked, m_pages, &QStackedWidget::setCurrentIndex);

    m_commandLabel = new QLabel(this);
    m_commandEdit = new QLineEdit(this);
    m_commandEdit->setObjectName(QStringLiteral("commandEdit"));
    m_commandEdit->setReadOnly(true);
    m_commandEdit->setFixedHeight(20);
    m_copyButton = new QPushButton(this);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));

    connect(m_copyButton, &QPushButton::clicked, this, &CommandAssistantDialog::copyButtonClicked);

    auto *commandRow = new QHBoxLayout;
    commandRow->addWidget(m_commandLabel);
    commandRow->addWidget(m_commandEdit, 1);
    commandRow->addWidget(m_copyButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_infoLabel);
    layout->addLayout(buttonRow);
    layout->addWidget(m_pages, 1);
    layout->addLayout(commandRow);

    // At least 600 pixels wide, and wider where the appearance or a translation needs it.
    const QMargins margins = layout->contentsMargins();
    layout->addStrut(600 - margins.left() - margins.right());
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    resize(600, 300);
    retranslate();
}

QString CommandAssistantDialog::commandText() const
{
    return m_commandEdit->text();
}

void CommandAssistantDialog::generateCommand(uchar type, uchar subType, uchar funcId,
                                             QByteArray payload)
{
    m_commandEdit->setText(CommandText::frameText(MessageId {type, subType, funcId}, payload));
}

void CommandAssistantDialog::copyButtonClicked()
{
    QGuiApplication::clipboard()->setText(m_commandEdit->text());
}

void CommandAssistantDialog::applyChannelConfig(quint32 inputMask, quint32 outputMask,
                                                quint32 danteInputMask, quint32 danteOutputMask)
{
    m_inputPage->applyChannelConfig(inputMask, outputMask, danteInputMask, danteOutputMask);
    m_outputPage->applyChannelConfig(inputMask, outputMask, danteInputMask, danteOutputMask);
}

void CommandAssistantDialog::showEvent(QShowEvent *event)
{
    keepButtonsWhole();
    Dialog::showEvent(event);
}

void CommandAssistantDialog::keepButtonsWhole()
{
    // At least 70 x 25 (the copy button 60 x 25), and never narrower than the text in the
    // appearance and language in use; a fixed minimum alone would let a layout squeeze a button
    // below its text.
    const auto buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        button->setMinimumSize(QSize());
        const QSize least = button == m_copyButton ? QSize(60, 25) : QSize(70, 25);
        button->setMinimumSize(least.expandedTo(button->sizeHint()));
    }
}

void CommandAssistantDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void CommandAssistantDialog::retranslate()
{
    setWindowTitle(tr("Command Assistant"));
    m_infoLabel->setText(
            tr("RS232 Baud Rate : 115200 (Default)\nTCP Port : %1").arg(m_controlPort));
    const std::array<QString, 5> names {tr("Login"), tr("Level Pre Mix"), tr("Out Level"),
                                        tr("Preset"), tr("System Mute")};
    for (int i = 0; i < int(names.size()); ++i)
        m_pageButtons->button(i)->setText(names[size_t(i)]);
    m_commandLabel->setText(tr("Command"));
    m_copyButton->setText(tr("Copy"));
    if (isVisible())
        keepButtonsWhole();
}
