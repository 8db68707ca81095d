// Label files of any size and content for 16 and 17 channels, and preset images against any
// check word: decoding never reads out of bounds, and a decoded file encodes back to a file of
// the exact size that decodes again.
//
// Input: the first byte's bit 0 selects 17 channels, bit 1 the all-slot check word position;
// bytes 1..4 are the device's check word; the rest is the file.
#include "files/LabelFile.h"
#include "files/PresetFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    const int channels = data[0] & 1 ? 17 : 16;
    const QByteArray word(reinterpret_cast<const char *>(data + 1), 4);
    const QByteArray file(reinterpret_cast<const char *>(data + 5), int(size - 5));
    PresetFile::checkWordMatches(file, word, data[0] & 2);
    if (PresetFile::importBlockCount(file.size()) < 1)
        std::abort();

    // Sized to fit: the fuzzer's bytes fill a file of the right size from the start.
    QByteArray sized = file.leftJustified(LabelFile::fileSize(channels), '\0', true);
    LabelFile::Labels labels;
    if (!LabelFile::decode(sized, channels, &labels))
        std::abort();
    LabelFile::decode(file, channels, &labels);
    const QByteArray encoded = LabelFile::encode(labels, channels);
    if (encoded.size() != LabelFile::fileSize(channels))
        std::abort();
    LabelFile::Labels again;
    if (!LabelFile::decode(encoded, channels, &again))
        std::abort();
    return 0;
}
