#pragma once

#include "model/records/GpioPort.h"

#include <QVector>

// The rules of a GPIO port's function and parameter: which parameters a function offers under
// the channel configuration, and how an edit changes the port's 65-byte record. Bytes beyond the
// function and its parameter are the device's own and always go back as they came.
namespace GpioParameters {

enum Function : quint8 { None = 0, Mute = 1, LoadPreset = 2 };

constexpr int PresetSlots = 32;
constexpr int MaskedChannels = 8; // channels 9..16 follow the masks
constexpr quint8 FirstOutputCode = 16; // mute codes: 0..15 inputs, 16..31 outputs

// One entry of the parameter list: the value sent as the parameter, and what it names.
struct Item
{
    enum Kind { Input, Output, Preset };
    quint8 value = 0;
    Kind kind = Input;
    int index = 0; // channel index 0..15, or the preset slot 0..31

    bool operator==(const Item &o) const
    {
        return value == o.value && kind == o.kind && index == o.index;
    }
};

// The port with a new function: the parameter starts over at 0.
GpioPort withFunction(GpioPort port, quint8 function);
// The port with a new parameter.
GpioPort withParameter(GpioPort port, quint8 parameter);
// The parameter byte of the record.
inline quint8 parameter(const GpioPort &port)
{
    return port.settings[0];
}

// The parameters a function offers: for Mute inputs 1..8, inputs 9..16 not hidden by the input
// mask, outputs 1..8 and outputs 9..16 not hidden by the output mask (bit k hides channel 9 + k);
// for Load Preset the 32 preset slots; nothing for None.
QVector<Item> items(quint8 function, quint32 inputMask, quint32 outputMask);
// The position of the item carrying the value, or -1 when the list has none (a hidden channel).
int indexOfValue(const QVector<Item> &items, quint8 value);
// Whether bit k of a Dante or hiding mask covers the channel index (channels 9..16 only).
bool maskCovers(quint32 mask, int channel);

} // namespace GpioParameters
