#include "RecordSources.h"

#include "GpioParameters.h"
#include "wire/ByteWriter.h"

namespace RecordSources {

QVector<Channel> channels(quint32 inputMask, quint32 outputMask)
{
    QVector<Channel> list;
    for (int ch = 0; ch < 16; ++ch) {
        if (!GpioParameters::maskCovers(inputMask, ch))
            list.append({quint8(ch), false, ch});
    }
    for (int ch = 0; ch < 16; ++ch) {
        if (!GpioParameters::maskCovers(outputMask, ch))
            list.append({quint8(FirstOutputCode + ch), true, ch});
    }
    return list;
}

Choice choiceOf(quint8 left, quint8 right)
{
    if (left && right)
        return LeftAndRight;
    if (left)
        return LeftOnly;
    return right ? RightOnly : Off;
}

quint8 leftFlag(Choice choice)
{
    return choice == LeftAndRight || choice == LeftOnly ? 1 : 0;
}

quint8 rightFlag(Choice choice)
{
    return choice == LeftAndRight || choice == RightOnly ? 1 : 0;
}

QByteArray channelPayload(Side side, quint8 code, quint8 flag)
{
    return ByteWriter(3).u8(side).u8(code).u8(flag ? 1 : 0);
}

QByteArray clearPayload(Side side)
{
    return ByteWriter(1 + Sources).u8(side).bytes(QByteArray(Sources, '\0'));
}

} // namespace RecordSources
