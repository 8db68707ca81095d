#pragma once

#include "widgets/Dialog.h"

class DataModel;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the device password. Shown by the device panel when the device reports that nobody
// is logged in; logging in sends the typed password (trimmed, to be remembered for
// reconnections) and hides the dialog. Hiding always clears the field and the error line.
class LoginDialog : public Dialog
{
    Q_OBJECT

public:
    explicit LoginDialog(QWidget *parent = nullptr);

    void setDataModel(DataModel *model) { m_model = model; }
    // The device rejected the last password.
    void showPasswordError();
    bool isPasswordErrorVisible() const;
    // Whether the last password sent was typed here and not yet answered; the answer is taken.
    // A refusal is the user's to hear only then: the panel's own try with the built-in
    // password is not.
    bool takeUserAttempt();
    void forgetUserAttempt() { m_userAttempt = false; }

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void loginButtonClicked();

private:
    void retranslate();

    DataModel *m_model = nullptr;
    QLabel *m_passwordLabel;
    QLineEdit *m_passwordEdit;
    QLabel *m_errorLabel;
    QPushButton *m_loginButton;
    bool m_userAttempt = false;
};
