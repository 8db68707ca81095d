#include "PresetFile.h"

namespace PresetFile {

int importBlockCount(qint64 size)
{
    if (size < 0)
        return -1;
    const qint64 blocks = size / BlockSize + 1;
    return blocks > MaximumBlocks ? -1 : int(blocks);
}

bool checkWordMatches(const QByteArray &image, const QByteArray &checkWord, bool allSlots)
{
    if (image.size() < MinimumSize || checkWord.size() != 4)
        return false;
    return (allSlots ? image.right(4) : image.left(4)) == checkWord;
}

} // namespace PresetFile
