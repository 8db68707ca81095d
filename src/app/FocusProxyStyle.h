#pragma once

#include <QProxyStyle>

// The application style: the toolkit's "windows" style, drawing every primitive element except
// the focus rectangle, so that no control ever shows a dotted focus frame.
class FocusProxyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FocusProxyStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
