#pragma once

#include <QByteArray>
#include <QtGlobal>

// The rules of the .pst (one slot) and .pstl (all slots) files: the device's export blocks one
// after the other, 512 bytes each but the last. The application never looks inside an image;
// it only compares the check word the device announces with 4 bytes of the file.
namespace PresetFile {

constexpr int BlockSize = 512;
// The file holds more than the check word.
constexpr qint64 MinimumSize = 5;
// Block numbers travel as a u16.
constexpr qint64 MaximumBlocks = 0xFFFF;

// Blocks an import sends for a file of size bytes: one per started 512 bytes plus one, so that a
// file whose size is a multiple of 512 ends with a block carrying no data. -1 when the count
// does not fit the u16 block number.
int importBlockCount(qint64 size);

// Whether the device's check word matches the image: its first 4 bytes for one slot, its last 4
// bytes for all slots, compared as raw bytes.
bool checkWordMatches(const QByteArray &image, const QByteArray &checkWord, bool allSlots);

} // namespace PresetFile
