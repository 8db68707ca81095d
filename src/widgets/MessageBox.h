#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// The one way the program asks the user something or tells them about a failure: modal message
// boxes, confirmations and file dialogs. Production shows the real dialogs; a test installs a
// responder that answers them and reads what was asked (texts and buttons).
class MessageBox
{
    Q_DECLARE_TR_FUNCTIONS(MessageBox)

public:
    enum Icon { NoIcon, Information, Warning, Critical, Question };

    struct Request
    {
        Icon icon = NoIcon;
        QString title;
        QString text;
        QStringList buttons;
        Qt::TextFormat format = Qt::AutoText;
        // A box with a check box: its text, and where the answer goes (a responder may set it).
        QString checkBox;
        bool *checked = nullptr;
    };

    struct FileRequest
    {
        bool save = false;
        QString caption;
        QString directory;
        QString filter;
    };

    // A modal box with the given buttons (left to right); returns the index of the button chosen,
    // or -1 when the box was closed without one.
    static int ask(QWidget *parent, Icon icon, const QString &title, const QString &text,
                   const QStringList &buttons, Qt::TextFormat format = Qt::AutoText);
    // The same with a check box under the text; *checked holds its state when the box closes.
    static int ask(QWidget *parent, Icon icon, const QString &title, const QString &text,
                   const QStringList &buttons, const QString &checkBoxText, bool *checked);
    // A box with one "OK" button.
    static void inform(QWidget *parent, Icon icon, const QString &title, const QString &text);
    // A warning with "OK" and "Cancel"; true on "OK".
    static bool confirm(QWidget *parent, const QString &title, const QString &text,
                        Qt::TextFormat format = Qt::AutoText);

    // File dialogs; an empty string when cancelled.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter);
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter);

    // The box that ask() shows for a request, not yet shown; each button carries its index in
    // the property "answer". Tests show it to see what a user would see.
    static std::unique_ptr<QMessageBox> create(QWidget *parent, const Request &request);

    // ---- test seam ----
    using Responder = std::function<int(const Request &)>;
    using FileResponder = std::function<QString(const FileRequest &)>;
    // Answers every later box instead of showing it; an empty function restores the real boxes.
    static void setResponder(Responder responder);
    static void setFileResponder(FileResponder responder);
    // Every box asked since the last clear, in order.
    static const QList<Request> &history();
    static void clearHistory();
};
