#pragma once

#include "CommandPage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The preset page: loading one of the 32 preset slots.
class CommandPresetWidget : public CommandPage
{
    Q_OBJECT

public:
    explicit CommandPresetWidget(QWidget *parent = nullptr);

private slots:
    void generateButtonClicked();

private:
    void retranslate() override;

    QGroupBox *m_group;
    QLabel *m_numberLabel;
    QComboBox *m_slotComboBox;
    QPushButton *m_generateButton;
};
