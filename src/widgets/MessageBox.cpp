#include "MessageBox.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QVariant>

namespace {

MessageBox::Responder &responder()
{
    static MessageBox::Responder r;
    return r;
}

MessageBox::FileResponder &fileResponder()
{
    static MessageBox::FileResponder r;
    return r;
}

QList<MessageBox::Request> &requests()
{
    static QList<MessageBox::Request> list;
    return list;
}

QMessageBox::Icon toQt(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Information:
        return QMessageBox::Information;
    case MessageBox::Warning:
        return QMessageBox::Warning;
    case MessageBox::Critical:
        return QMessageBox::Critical;
    case MessageBox::Question:
        return QMessageBox::Question;
    case MessageBox::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int MessageBox::ask(QWidget *parent, Icon icon, const QString &title, const QString &text,
                    const QStringList &buttons, Qt::TextFormat format)
{
    Request request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.format = format;
    requests().append(request);
    if (responder())
        return responder()(request);

    const std::unique_ptr<QMessageBox> box = create(parent, request);
    box->exec();
    const QAbstractButton *chosen = box->clickedButton();
    return chosen ? chosen->property("answer").toInt() : -1;
}

std::unique_ptr<QMessageBox> MessageBox::create(QWidget *parent, const Request &request)
{
    auto box = std::make_unique<QMessageBox>(toQt(request.icon), request.title, request.text,
                                             QMessageBox::NoButton, parent);
    box->setTextFormat(request.format);
    for (int i = 0; i < request.buttons.size(); ++i) {
        // The last button of a question is the one that backs out (Escape, window close).
        const auto role = (i == request.buttons.size() - 1 && request.buttons.size() > 1)
                ? QMessageBox::RejectRole
                : QMessageBox::AcceptRole;
        box->addButton(request.buttons[i], role)->setProperty("answer", i);
    }
    return box;
}

int MessageBox::ask(QWidget *parent, Icon icon, const QString &title, const QString &text,
                    const QStringList &buttons, const QString &checkBoxText, bool *checked)
{
    Request request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.checkBox = checkBoxText;
    request.checked = checked;
    requests().append(request);
    if (responder())
        return responder()(request);

    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    auto *check = new QCheckBox(checkBoxText, &box);
    check->setChecked(checked && *checked);
    box.setCheckBox(check);
    QList<QAbstractButton *> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const auto role = (i == buttons.size() - 1 && buttons.size() > 1) ? QMessageBox::RejectRole
                                                                           : QMessageBox::AcceptRole;
        added.append(box.addButton(buttons[i], role));
    }
    box.exec();
    if (checked)
        *checked = check->isChecked();
    return int(added.indexOf(box.clickedButton()));
}

void MessageBox::inform(QWidget *parent, Icon icon, const QString &title, const QString &text)
{
    ask(parent, icon, title, text, {tr("OK")});
}

bool MessageBox::confirm(QWidget *parent, const QString &title, const QString &text,
                         Qt::TextFormat format)
{
    return ask(parent, Warning, title, text, {tr("OK"), tr("Cancel")}, format) == 0;
}

QString MessageBox::openFileName(QWidget *parent, const QString &caption,
                                 const QString &directory, const QString &filter)
{
    if (fileResponder())
        return fileResponder()(FileRequest{false, caption, directory, filter});
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString MessageBox::saveFileName(QWidget *parent, const QString &caption,
                                 const QString &directory, const QString &filter)
{
    if (fileResponder())
        return fileResponder()(FileRequest{true, caption, directory, filter});
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

void MessageBox::setResponder(Responder r)
{
    responder() = std::move(r);
}

void MessageBox::setFileResponder(FileResponder r)
{
    fileResponder() = std::move(r);
}

const QList<MessageBox::Request> &MessageBox::history()
{
    return requests();
}

void MessageBox::clearHistory()
{
    requests().clear();
}
