#pragma once

#include "widgets/Dialog.h"

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

// The confirmation before the Dante module's configuration is cleared, with the choice to keep
// its network configuration. Tests answer it through the responder.
class ClearConfigDialog : public Dialog
{
    Q_OBJECT

public:
    explicit ClearConfigDialog(QWidget *parent = nullptr);

    // Shows the dialog modally; whether "Keep Network Configuration" was ticked when accepted,
    // nothing when cancelled.
    static std::optional<bool> ask(QWidget *parent);

    // ---- test seam ----
    using Responder = std::function<std::optional<bool>()>;
    static void setResponder(Responder responder);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_text;
    QCheckBox *m_keepNetworkBox;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
