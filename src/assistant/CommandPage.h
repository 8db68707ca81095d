#pragma once

#include "wire/MessageId.h"

#include <QByteArray>
#include <QWidget>

class QPushButton;

// Base of the command assistant's pages: each composes one command from its controls and
// emits it; the dialog frames it as text. Texts are re-applied on a language change.
class CommandPage : public QWidget
{
    Q_OBJECT

public:
    explicit CommandPage(QWidget *parent = nullptr);

signals:
    void generateCommand(uchar type, uchar subType, uchar funcId, QByteArray payload);

protected:
    void changeEvent(QEvent *event) override;
    virtual void retranslate() = 0;
    // A "Generate Command" button of the page's size.
    QPushButton *createGenerateButton(const QString &objectName);
    void emitCommand(MessageId id, const QByteArray &payload);
};
