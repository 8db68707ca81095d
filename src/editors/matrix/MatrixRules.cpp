#include "MatrixRules.h"

namespace MatrixRules {

qint8 sentGain(int gain)
{
    if (gain < GainOffBelow)
        return GainSentOff;
    return qint8(qMin(gain, GainMaximum));
}

int shownGain(int gain)
{
    return gain < GainOffBelow ? GainShownOff : qMin(gain, GainMaximum);
}

qint8 storedGain(int gain)
{
    return qint8(qBound(GainMinimum, gain, GainMaximum));
}

bool hasMatrixRow(quint8 source)
{
    return source < PlainInputs || isCancellationSource(source);
}

bool isCancellationSource(quint8 source)
{
    return source == AecSource || source == AncSource;
}

QByteArray routableSources(const QByteArray &sources)
{
    QByteArray kept;
    for (const char byte : sources) {
        const quint8 source = quint8(byte);
        if (hasMatrixRow(source) && !kept.contains(char(source)))
            kept.append(char(source));
    }
    return kept;
}

} // namespace MatrixRules
