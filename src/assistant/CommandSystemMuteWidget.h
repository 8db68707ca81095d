#pragma once

#include "CommandPage.h"

class QGroupBox;
class QPushButton;

// The system mute page: muting or unmuting every output at once.
class CommandSystemMuteWidget : public CommandPage
{
    Q_OBJECT

public:
    explicit CommandSystemMuteWidget(QWidget *parent = nullptr);

private slots:
    void generateButtonClicked();

private:
    void retranslate() override;

    QGroupBox *m_group;
    QPushButton *m_muteButton;
    QPushButton *m_generateButton;
};
