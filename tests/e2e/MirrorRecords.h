#pragma once

#include "Levels.h"
#include "SimStore.h"

#include "model/ParameterMirror.h"

#include <QDebug>
#include <QStringList>

#include <functional>
#include <vector>

// Which polls bring a record into the mirror: the fixed blocks (always), a module page, an
// administration dialog. A record may come with several.
namespace PollScope {
constexpr quint32 Always = 1u << 31;
constexpr quint32 page(int module)
{
    return 1u << module;
}
constexpr quint32 dialog(quint8 bit)
{
    return quint32(bit) << 17;
}
} // namespace PollScope

// One comparison of a mirror record with the simulated processor's state, as the program must
// see it after the poll: the same value where the wire carries it unchanged, the program's
// reading where the message says how to read it (clamps, normalised bits, text encodings).
struct RecordCheck
{
    const ParameterMirror &mirror;
    const sim::SimStore &store;
    const sim::Levels &levels;
    int channel; // the page's selected channel
    QStringList &differences;

    template<typename A, typename B>
    void same(const QString &what, const A &inMirror, const B &inSim)
    {
        if (inMirror == A(inSim))
            return;
        QString text;
        QDebug(&text).nospace() << what << ": mirror " << inMirror << ", simulator " << A(inSim);
        differences << text;
    }
};

struct MirrorRecord
{
    const char *name;
    quint32 polledBy; // PollScope bits
    std::function<void(RecordCheck &)> compare;
};

// Every record of the mirror that the poll keeps in step, one row per record.
const std::vector<MirrorRecord> &mirrorRecords();

// The differences of every record that the scope polls.
QStringList mirrorDifferences(const ParameterMirror &mirror, const sim::SimStore &store,
                              quint32 scope, int channel);
// The differences of the records named.
QStringList mirrorDifferences(const ParameterMirror &mirror, const sim::SimStore &store,
                              const QStringList &records);

// Gives the simulated processor's state values in range that differ between the two variants
// (1 and 2) and per channel, and for every record somewhere from the start values: a mirror that
// merely kept its start values, or the values of the other variant, cannot pass the comparison.
void varyStore(sim::SimStore &store, int variant);
