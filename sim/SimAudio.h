#pragma once

#include "AudioLayout.h"
#include "AutoMixer.h"
#include "InputSetup.h"
#include "MatrixRow.h"
#include "OutputSetup.h"
#include "SignalGenerator.h"

#include <QByteArray>

#include <array>

namespace sim {

// The audio set-up of the processor: everything a preset saves and restores. Meters and other
// live values are not part of it.
struct SimAudio
{
    std::array<InputSetup, ChannelRecords> inputs {};
    std::array<OutputSetup, ChannelRecords> outputs {};
    std::array<MatrixRow, MatrixSources> matrix {};
    // USB recording sources: two banks (left, right) of one switch per source channel.
    std::array<std::array<quint8, RecordSourceChannels>, 2> recordSources {};
    quint8 recordSourceButton = 0xFF;
    SignalGenerator generator;
    quint8 echoEnabled = 0;
    std::array<quint8, 17> echoMicrophones {};
    std::array<quint8, 11> echoBlock {};
    std::array<quint8, 6> noiseBlock {};
    AutoMixer autoMixer;

    template<typename V> void fields(V &v)
    {
        for (InputSetup &in : inputs)
            in.fields(v);
        for (OutputSetup &out : outputs)
            out.fields(v);
        for (MatrixRow &row : matrix)
            row.fields(v);
        for (auto &bank : recordSources)
            for (quint8 &s : bank)
                v.flag(s);
        v.u8(recordSourceButton, 0, 0xFF);
        generator.fields(v);
        v.flag(echoEnabled);
        v.raw(echoMicrophones);
        v.raw(echoBlock);
        v.raw(noiseBlock);
        autoMixer.fields(v);
    }

    // The set-up as bytes, and back. deserialize accepts exactly serializedSize() bytes whose
    // numbers are finite; values are clamped into their ranges.
    QByteArray serialize() const;
    bool deserialize(const QByteArray &bytes);
    static int serializedSize();
};

} // namespace sim
