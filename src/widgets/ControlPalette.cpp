#include "widgets/ControlPalette.h"

namespace {

bool g_dark = false;

ControlPalette makeLight()
{
    ControlPalette p;
    p.highlightFrame = QColor(233, 146, 54);
    p.faderScale = QColor(50, 50, 50);
    p.faderGroove = QColor(113, 113, 113);
    p.meterFrame = QColor(227, 227, 227);
    p.meterBackground = QColor(204, 204, 204);
    p.meterTop = QColor(231, 38, 53);
    p.meterZero = QColor(133, 233, 37);
    p.meterBottom = QColor(0, 233, 37);
    p.reductionStart = QColor(210, 227, 34);
    p.reductionEnd = QColor(221, 156, 42);
    p.transferBackground = QColor(255, 255, 255);
    p.transferFrame = QColor(230, 230, 230);
    p.transferText = QColor(146, 146, 146);
    p.transferGrid = QColor(230, 230, 230);
    p.transferCurve = QColor(21, 124, 186);
    p.transferLimitFill = QColor(21, 124, 186, 160);
    p.transferPassFill = QColor(191, 191, 191, 160);
    p.popupBackground = QColor(250, 250, 250, 244);
    p.popupBorder = QColor(180, 183, 186);
    p.popupText = QColor(40, 42, 44);
    p.graphBackground = QColor(255, 255, 255);
    p.graphGrid = QColor(230, 230, 230);
    p.graphLabel = QColor(146, 146, 146);
    p.graphCurve = QColor(21, 124, 186);
    p.graphPointText = QColor(255, 255, 255);
    p.graphCurrentPoint = QColor(246, 22, 23);
    p.graphPassPoint = QColor(97, 232, 129);
    p.graphBandFill = QColor(19, 47, 54);
    p.graphBandOutline = QColor(154, 156, 157);
    p.graphCurrentAlpha = 150;
    p.graphPassAlpha = 200;
    p.graphBandAlpha = 100;
    return p;
}

ControlPalette makeDark()
{
    ControlPalette p = makeLight();
    p.faderScale = QColor(160, 161, 162);
    p.faderGroove = QColor(21, 26, 29);
    p.meterFrame = QColor(86, 88, 89);
    p.meterBackground = QColor(30, 33, 35);
    p.transferBackground = QColor(30, 33, 35);
    p.transferFrame = QColor(128, 128, 128);
    p.transferText = QColor(118, 119, 121);
    p.transferGrid = QColor(86, 86, 87);
    p.transferPassFill = QColor(84, 84, 84, 120);
    p.popupBackground = QColor(44, 48, 51, 244);
    p.popupBorder = QColor(86, 88, 89);
    p.popupText = QColor(220, 222, 224);
    p.graphBackground = QColor(30, 33, 35);
    p.graphGrid = QColor(86, 86, 87);
    p.graphLabel = QColor(118, 119, 121);
    p.graphCurrentAlpha = 100;
    p.graphPassAlpha = 100;
    return p;
}

} // namespace

const ControlPalette &ControlPalette::light()
{
    static const ControlPalette palette = makeLight();
    return palette;
}

const ControlPalette &ControlPalette::dark()
{
    static const ControlPalette palette = makeDark();
    return palette;
}

const ControlPalette &ControlPalette::current()
{
    return g_dark ? dark() : light();
}

void ControlPalette::setDark(bool dark)
{
    g_dark = dark;
}

bool ControlPalette::isDark()
{
    return g_dark;
}
