#pragma once

#include <QComboBox>

// A combo box that tells its owner of a press before it opens, so the owner can refresh the
// choices first.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent = nullptr);

signals:
    void mousePressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
