#pragma once

#include <QWidget>

#include <vector>

class QAbstractButton;

// The row of page buttons of the module navigator. The buttons keep their order and wrap onto
// a further row when the area is narrower than all of them, so every page stays one click away
// at any window size.
class ModuleButtonBar : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleButtonBar(QWidget *parent = nullptr);

    void addButton(QAbstractButton *button);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int Spacing = 4;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Places the buttons for a width (when apply is set) and returns the height they take.
    int arrange(int width, bool apply) const;

    std::vector<QAbstractButton *> m_buttons;
};
