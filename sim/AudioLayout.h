#pragma once

namespace sim {

// How the audio set-up of the processor is laid out: channel records, matrix sources and
// outputs, USB recording sources.
constexpr int ChannelRecords = 18; // channels 1..16 and the USB pair
constexpr int MatrixOutputs = 16;
constexpr int MatrixSources = 20; // inputs 0..16, 17 unused, 18 echo canceller, 19 noise canceller
constexpr int EchoSource = 18;
constexpr int NoiseSource = 19;
constexpr int RecordSourceChannels = 36;

} // namespace sim
