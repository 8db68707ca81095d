#include "ChannelCopyDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {

constexpr int BoxesPerRow = 4;

ChannelCopyDialog::Responder &responder()
{
    static ChannelCopyDialog::Responder instance;
    return instance;
}

quint32 maskOf(const QList<QCheckBox *> &boxes)
{
    quint32 mask = 0;
    for (const QCheckBox *box : boxes) {
        const int index = box->property("channel").toInt();
        if (box->isChecked() && index >= 0 && index < 32)
            mask |= 1u << index;
    }
    return mask;
}

} // namespace

ChannelCopyDialog::ChannelCopyDialog(const QString &title, const QList<Channel> &inputs,
                                     const QList<Channel> &outputs, QWidget *parent)
    : Dialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("channelCopyDialog"));
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    m_inputBoxes = addGroup(tr("Input"), inputs, layout);
    m_outputBoxes = addGroup(tr("Output"), outputs, layout);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<QCheckBox *> ChannelCopyDialog::addGroup(const QString &caption,
                                               const QList<Channel> &channels,
                                               QVBoxLayout *layout)
{
    QList<QCheckBox *> boxes;
    if (channels.isEmpty())
        return boxes;
    auto *group = new QGroupBox(caption, this);
    auto *grid = new QGridLayout(group);
    for (const Channel &channel : channels) {
        auto *box = new QCheckBox(channel.name, group);
        box->setObjectName(QString::number(channel.index));
        box->setProperty("channel", channel.index);
        const int position = int(boxes.size());
        grid->addWidget(box, position / BoxesPerRow, position % BoxesPerRow);
        boxes << box;
    }
    layout->addWidget(group);
    return boxes;
}

ChannelCopyDialog::Selection ChannelCopyDialog::selection() const
{
    return Selection {maskOf(m_inputBoxes), maskOf(m_outputBoxes)};
}

QString ChannelCopyDialog::titleFor(const QString &copyTitle, const QString &sourceName)
{
    return copyTitle + tr(" - Copy ") + sourceName + tr(" to");
}

std::optional<ChannelCopyDialog::Selection>
ChannelCopyDialog::choose(QWidget *parent, const QString &title, const QList<Channel> &inputs,
                          const QList<Channel> &outputs)
{
    ChannelCopyDialog dialog(title, inputs, outputs, parent);
    if (responder())
        return responder()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selection();
}

void ChannelCopyDialog::setResponder(Responder function)
{
    responder() = std::move(function);
}
