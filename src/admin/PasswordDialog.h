#pragma once

#include "widgets/Dialog.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for a new device password twice ("New Password", "Confirm Password"), hidden as typed
// and at most 8 characters each. Tests answer it through the responder instead of typing.
class PasswordDialog : public Dialog
{
    Q_OBJECT

public:
    struct Entries
    {
        QString password;
        QString confirmation;
    };

    explicit PasswordDialog(const QString &title, QWidget *parent = nullptr);

    // Shows the dialog modally; the two entries when accepted, nothing when cancelled.
    static std::optional<Entries> ask(QWidget *parent, const QString &title);

    // ---- test seam ----
    using Responder = std::function<std::optional<Entries>(const QString &title)>;
    static void setResponder(Responder responder);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_passwordLabel;
    QLabel *m_confirmationLabel;
    QLineEdit *m_passwordEdit;
    QLineEdit *m_confirmationEdit;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
