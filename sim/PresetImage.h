#pragma once

#include "SimStore.h"

#include <optional>

namespace sim {

// The preset images the processor exports and imports. An image starts (one slot) or ends (all
// slots) with its check word: the CRC-32 of the image's format descriptor, which names the
// format, the kind of image, the channel configuration and the size of a set-up. A control
// program compares it with the word the processor announces before an import, so an image made
// for another configuration or format is refused before any byte moves. A second CRC-32 over
// descriptor and slots lets the processor refuse an image damaged on the way.
//
// One slot:  check word | descriptor | name (16) | set-up | scene | body CRC-32
// All slots: descriptor | 32 x (used, name (16), set-up, scene) | body CRC-32 | check word
// A scene is its u32 size followed by its bytes.
// All numbers little-endian.
namespace PresetImage {

enum Kind : quint8 { OneSlot = 1, AllSlots = 2 };

QByteArray descriptor(Kind kind, const ChannelConfig &config);
quint32 checkWord(Kind kind, const ChannelConfig &config);

QByteArray exportSlot(const PresetSlot &slot, const ChannelConfig &config);
QByteArray exportAll(const std::array<PresetSlot, PresetSlots> &allSlots,
                     const ChannelConfig &config);

// The slot or slots of an image, or nothing when the image is not a sound one of this kind and
// configuration. An imported slot is always used.
std::optional<PresetSlot> importSlot(const QByteArray &image, const ChannelConfig &config);
std::optional<std::array<PresetSlot, PresetSlots>> importAll(const QByteArray &image,
                                                             const ChannelConfig &config);

} // namespace PresetImage

} // namespace sim
