#pragma once

#include "widgets/LineEdit.h"

// The read-only name of a channel at the top of its column ("appearanceAsLabel"). A name wider
// than the column is set a little smaller, down to a floor, so that names such as "Dante-TX 1"
// keep their distinguishing end.
class ChannelNameEdit : public LineEdit
{
    Q_OBJECT

public:
    explicit ChannelNameEdit(QWidget *parent = nullptr);

    void setName(const QString &name);

    // As tall as at the full size, so the columns keep their controls level.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    QFont fullSizeFont() const;
    int shrunkBy() const;
};
