#pragma once

#include "widgets/Dialog.h"

#include <QByteArray>

class CommandInputWidget;
class CommandOutputWidget;
class DataModel;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// Composes the control frames an external controller sends over RS232 or TCP (login, mutes,
// gains, preset load, system mute) and shows them as text to copy. Never sends anything and
// needs no connection; only the channel names come from the model.
class CommandAssistantDialog : public Dialog
{
    Q_OBJECT

public:
    CommandAssistantDialog(const DataModel *model, quint16 controlPort, QWidget *parent = nullptr);

    QString commandText() const;

public slots:
    void generateCommand(uchar type, uchar subType, uchar funcId, QByteArray payload);
    void copyButtonClicked();
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void keepButtonsWhole();

    quint16 m_controlPort;
    QLabel *m_infoLabel;
    QButtonGroup *m_pageButtons;
    QStackedWidget *m_pages;
    CommandInputWidget *m_inputPage;
    CommandOutputWidget *m_outputPage;
    QLabel *m_commandLabel;
    QLineEdit *m_commandEdit;
    QPushButton *m_copyButton;
};
