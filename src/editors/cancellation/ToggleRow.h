#pragma once

#include <QWidget>

#include <vector>

class QPushButton;

// A row of on/off buttons, one per channel (inputs or outputs), each named by its index. The
// cancellation editors use it for their input choices and output mixes.
class ToggleRow : public QWidget
{
    Q_OBJECT

public:
    // The buttons are laid out in rows of at most columns.
    ToggleRow(int count, const QString &role, QWidget *parent = nullptr, int columns = 9);

    int count() const { return int(m_buttons.size()); }
    QPushButton *button(int index) const;
    // Sets a button without reporting it.
    void setOn(int index, bool on);
    bool isOn(int index) const;
    void setTexts(const QStringList &texts);
    void setIndexHidden(int index, bool hidden);

signals:
    void toggled(int index, bool on);

private:
    std::vector<QPushButton *> m_buttons;
};
