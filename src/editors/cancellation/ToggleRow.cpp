#include "ToggleRow.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVariant>

namespace {

constexpr int ButtonWidth = 72;
constexpr int ButtonHeight = 26;
constexpr int TextMargin = 10;

} // namespace

ToggleRow::ToggleRow(int count, const QString &role, QWidget *parent, int columns)
    : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    columns = qMax(1, columns);
    for (int index = 0; index < count; ++index) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::number(index));
        b->setProperty("control", role);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(ButtonWidth, ButtonHeight);
        b->setProperty("compact", true);
        connect(b, &QPushButton::clicked, this, [this, index](bool on) { emit toggled(index, on); });
        m_buttons.push_back(b);
        layout->addWidget(b, index / columns, index % columns);
    }
}

QPushButton *ToggleRow::button(int index) const
{
    return index >= 0 && index < count() ? m_buttons[size_t(index)] : nullptr;
}

void ToggleRow::setOn(int index, bool on)
{
    if (QPushButton *b = button(index))
        b->setChecked(on);
}

bool ToggleRow::isOn(int index) const
{
    QPushButton *b = button(index);
    return b && b->isChecked();
}

void ToggleRow::setTexts(const QStringList &texts)
{
    for (int index = 0; index < count() && index < texts.size(); ++index) {
        QPushButton *b = m_buttons[size_t(index)];
        b->setText(b->fontMetrics().elidedText(texts[index], Qt::ElideRight, ButtonWidth - TextMargin));
        b->setToolTip(texts[index]);
    }
}

void ToggleRow::setIndexHidden(int index, bool hidden)
{
    if (QPushButton *b = button(index))
        b->setHidden(hidden);
}
