#include "GpioParameters.h"

namespace GpioParameters {

GpioPort withFunction(GpioPort port, quint8 function)
{
    port.kind = function;
    port.settings[0] = 0;
    return port;
}

GpioPort withParameter(GpioPort port, quint8 parameter)
{
    port.settings[0] = parameter;
    return port;
}

bool maskCovers(quint32 mask, int channel)
{
    const int bit = channel - MaskedChannels;
    return bit >= 0 && bit < MaskedChannels && ((mask >> bit) & 1u);
}

QVector<Item> items(quint8 function, quint32 inputMask, quint32 outputMask)
{
    QVector<Item> list;
    if (function == Mute) {
        for (int ch = 0; ch < 16; ++ch) {
            if (!maskCovers(inputMask, ch))
                list.append({quint8(ch), Item::Input, ch});
        }
        for (int ch = 0; ch < 16; ++ch) {
            if (!maskCovers(outputMask, ch))
                list.append({quint8(FirstOutputCode + ch), Item::Output, ch});
        }
    } else if (function == LoadPreset) {
        for (int slot = 0; slot < PresetSlots; ++slot)
            list.append({quint8(slot), Item::Preset, slot});
    }
    return list;
}

int indexOfValue(const QVector<Item> &items, quint8 value)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].value == value)
            return i;
    }
    return -1;
}

} // namespace GpioParameters
