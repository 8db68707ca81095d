#pragma once

#include "CommandPage.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The login page: the password that a TCP controller sends first.
class CommandLoginWidget : public CommandPage
{
    Q_OBJECT

public:
    explicit CommandLoginWidget(QWidget *parent = nullptr);

private slots:
    void generateButtonClicked();

private:
    void retranslate() override;

    QGroupBox *m_group;
    QLabel *m_passwordLabel;
    QLineEdit *m_passwordEdit;
    QPushButton *m_generateButton;
};
