#pragma once

#include "model/WriteThrottle.h"
#include "model/StatusQuery.h"

#include <vector>

// The schedule of the status poll: which queries one 10 ms tick sends, given what the user
// looks at. Meters every 100 ms; system status, labels, data sync, the module on screen and the
// open dialogs every 200 ms; the fan test every 500 ms. While the user is editing a module (the
// write-echo record names it), that module's queries are held back so that a reply to a query
// sent before the edit cannot move the control.
class StatusPoll
{
public:
    // The processing module shown by the navigator (currentModule).
    enum Module : int {
        InSetup = 0,
        Gate = 1,
        Agc = 2,
        Feedback = 3,
        InFilter = 4,
        InLimiter = 5,
        InDelay = 6,
        Anc = 7,
        Aec = 8,
        LevelPreMix = 9,
        Matrix = 10,
        AutoMixer = 11,
        SignalGenerator = 12,
        OutLevel = 13,
        OutFilter = 14,
        OutLimiter = 15,
        OutDelay = 16,
    };

    // Bits of openDialogs: each administration dialog sets its bit while it is shown.
    enum Dialog : quint8 {
        LabelsDialog = 0x01,
        PresetsDialog = 0x02,
        UsbRecPlayDialog = 0x04,
        DeviceSetupDialog = 0x08,
        GpioSetupDialog = 0x10,
        DanteSetupDialog = 0x20,
    };

    struct State
    {
        qint64 tick = 0; // tickCount after its increment
        int currentModule = LevelPreMix;
        quint8 currentChannel = 0;
        quint8 openDialogs = 0;
        LastWrite lastWrite;
    };

    // The most one tick can send: Matrix page, all six dialogs, on a multiple of 100 ticks.
    static constexpr int MaxQueriesPerTick = 90;

    // Replaces queries with the tick's queries in sending order.
    static void build(const State &state, std::vector<StatusQuery> &queries);
};
