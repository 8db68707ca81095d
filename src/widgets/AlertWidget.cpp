#include "widgets/AlertWidget.h"

#include "widgets/ControlPalette.h"
#include "widgets/LineEdit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextCodec>
#include <QVBoxLayout>

namespace {

constexpr int kButtonHeight = 25;
constexpr int kSpacing = 8;

} // namespace

AlertWidget::AlertWidget(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_content(new QWidget(this)),
      m_contentLayout(new QVBoxLayout(m_content)), m_message(new QLabel(m_content)),
      m_ok(new QPushButton(this)), m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("AlertWidget"));
    setAttribute(Qt::WA_TranslucentBackground);
    m_content->setObjectName(QStringLiteral("contentWidget"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));

    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->hide();
    QPalette textPalette = m_message->palette();
    textPalette.setColor(QPalette::WindowText, ControlPalette::current().popupText);
    m_message->setPalette(textPalette);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(kSpacing);
    m_contentLayout->addWidget(m_message);

    for (QPushButton *button : {m_ok, m_cancel}) {
        button->setFixedHeight(kButtonHeight);
        button->setAutoDefault(false);
    }
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(kSpacing);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(m_content, 1);
    layout->addLayout(buttons);

    retranslate();
}

void AlertWidget::setMessage(const QString &text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

QString AlertWidget::message() const
{
    return m_message->text();
}

QLineEdit *AlertWidget::addLineEdit(int maxBytes)
{
    if (!m_edit) {
        m_edit = new LineEdit(m_content);
        m_edit->setObjectName(QStringLiteral("alertWidgetEdit"));
        m_contentLayout->addWidget(m_edit);
        connect(m_edit, &QLineEdit::textEdited, this, &AlertWidget::lineEditTextEdited);
    }
    m_edit->setMaxLength(maxBytes);
    return m_edit;
}

int AlertWidget::encodedLength(const QString &text)
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    return codec ? codec->fromUnicode(text).size() : text.toLocal8Bit().size();
}

void AlertWidget::lineEditTextEdited(const QString &text)
{
    if (!m_edit || encodedLength(text) <= m_edit->maxLength())
        return;
    // Take back what was just typed, as the user would: the edit reports the shortened text
    // through textEdited again, until it fits.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(m_edit, &press);
    QApplication::sendEvent(m_edit, &release);
    // With the cursor at the start Backspace takes nothing: cut from the end instead.
    if (m_edit->text() == text) {
        QString shortened = text;
        while (!shortened.isEmpty() && encodedLength(shortened) > m_edit->maxLength())
            shortened.chop(1);
        m_edit->setText(shortened);
    }
}

void AlertWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AlertWidget::paintEvent(QPaintEvent *)
{
    const ControlPalette &colours = ControlPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.popupBorder, 1));
    painter.setBrush(colours.popupBackground);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

void AlertWidget::retranslate()
{
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}
