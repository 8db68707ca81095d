#include "ProgressDialog.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int CancelMinimumWidth = 60;
constexpr int CornerMargin = 8;

} // namespace

ProgressDialog::ProgressDialog(QWidget *parent)
    : QProgressDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                      | Qt::WindowCloseButtonHint),
      m_cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("progressDialog"));
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);

    auto *label = new QLabel(this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setLabel(label);
    auto *bar = new QProgressBar(this);
    bar->setTextVisible(false);
    setBar(bar);
    m_cancelButton->setObjectName(QStringLiteral("progressCancelButton"));
    m_cancelButton->setMinimumWidth(CancelMinimumWidth);
    m_cancelButton->setText(tr("Cancel"));
    setCancelButton(m_cancelButton);

    // A QProgressDialog shows itself after its minimum duration unless it starts cancelled.
    cancel();
    hide();
}

void ProgressDialog::resizeEvent(QResizeEvent *event)
{
    QProgressDialog::resizeEvent(event);
    placeCancelButton();
}

void ProgressDialog::changeEvent(QEvent *event)
{
    // The base class puts its own untranslated "Cancel" back on a language change: ours last.
    QProgressDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_cancelButton->setText(tr("Cancel"));
}

void ProgressDialog::placeCancelButton()
{
    const QSize size = m_cancelButton->sizeHint().expandedTo(
            QSize(CancelMinimumWidth, m_cancelButton->sizeHint().height()));
    m_cancelButton->resize(size);
    m_cancelButton->move(width() - size.width() - CornerMargin,
                         height() - size.height() - CornerMargin);
}
