#pragma once

#include "KnobScale.h"

#include <QWidget>

#include <optional>

class Knob;
class LineEdit;
class QLabel;

// One setting of a dynamics editor: its caption, a knob and an edit that show the same value.
// The owner connects the knob and the edit to its slots and asks this control to bring the
// other one in line.
class DynamicsControl : public QWidget
{
    Q_OBJECT

public:
    // role names the controls: "<role>Knob", "<role>Edit".
    DynamicsControl(const KnobScale &scale, const QString &role, QWidget *parent = nullptr);

    Knob *knob() const { return m_knob; }
    LineEdit *edit() const { return m_edit; }
    const KnobScale &scale() const { return m_scale; }
    void setCaption(const QString &text);

    // A value of the mirror: knob and edit show it, except a knob in the user's hand and an
    // edit the user is typing into.
    void showValue(double value);
    // The user turned the knob: the edit follows. Returns the knob's value.
    double knobMoved(int position);
    // The user finished the edit: the number limited to the range, written back in the edit's
    // format, and the knob follows. Not a number: the edit shows `current` again, nothing.
    std::optional<double> editFinished(double current);

private:
    void setEditText(const QString &text);

    KnobScale m_scale;
    QLabel *m_caption;
    Knob *m_knob;
    LineEdit *m_edit;
};
