#pragma once

#include "Dialog.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;

// Asks which channels receive a copy of one channel's module settings ("Copy To" of the filter,
// limiter and AGC editors): a check box per input and output that the configuration shows.
// OK yields one bit mask of inputs and one of outputs (bit n = channel index n).
class ChannelCopyDialog : public Dialog
{
    Q_OBJECT

public:
    struct Channel
    {
        int index = 0; // 0-based channel index, the bit of the mask
        QString name;
    };
    struct Selection
    {
        quint32 inputs = 0;
        quint32 outputs = 0;
    };

    // An empty list hides its group (the AGC copies to inputs only).
    ChannelCopyDialog(const QString &title, const QList<Channel> &inputs,
                      const QList<Channel> &outputs, QWidget *parent = nullptr);

    Selection selection() const;
    const QList<QCheckBox *> &inputBoxes() const { return m_inputBoxes; }
    const QList<QCheckBox *> &outputBoxes() const { return m_outputBoxes; }

    // "Filter Copy - Copy IN 1 to": the module's copy title with the source channel's name.
    static QString titleFor(const QString &copyTitle, const QString &sourceName);

    // Shows the dialog modally; no value on "Cancel". Tests answer through setResponder.
    static std::optional<Selection> choose(QWidget *parent, const QString &title,
                                           const QList<Channel> &inputs,
                                           const QList<Channel> &outputs);

    // ---- test seam ----
    // Answers every later dialog instead of showing it (it may tick boxes and read them); an
    // empty function restores the real dialog.
    using Responder = std::function<std::optional<Selection>(ChannelCopyDialog &)>;
    static void setResponder(Responder responder);

private:
    QList<QCheckBox *> addGroup(const QString &caption, const QList<Channel> &channels,
                                class QVBoxLayout *layout);

    QList<QCheckBox *> m_inputBoxes;
    QList<QCheckBox *> m_outputBoxes;
};
