#include "StatusPoll.h"

#include "model/MessageCatalogue.h"

#include <initializer_list>

namespace {

constexpr int GateChannels = 17;
constexpr int MatrixOutputs = 16;
constexpr int PeqBands = 8;

class Schedule
{
public:
    Schedule(const StatusPoll::State &state, std::vector<StatusQuery> &queries)
        : s(state), q(queries)
    {
    }

    void run()
    {
        q.clear();
        if (s.tick % 10 == 0)
            meters();
        if (s.tick % 20 == 0) {
            system();
            if (!s.lastWrite.matches(2, 3))
                add({Msg::InputLabels, Msg::OutputLabels});
            if (!s.lastWrite.matches(2, 16))
                add({Msg::SyncConfig, Msg::SyncStatus});
            module();
            dialogs();
        }
        if (s.tick % 50 == 0)
            add({Msg::SysFanTest});
    }

private:
    void add(std::initializer_list<MessageId> ids)
    {
        for (MessageId id : ids)
            q.push_back(StatusQuery::plain(id));
    }
    void add(MessageId id, quint8 a) { q.push_back(StatusQuery::select(id, a)); }
    void add(MessageId id, quint8 a, quint8 b) { q.push_back(StatusQuery::select(id, a, b)); }

    // The module's own queries are held back while the user edits it.
    bool editing(quint8 subType) const { return s.lastWrite.matches(3, subType); }
    bool editing(MessageId id) const { return s.lastWrite.matches(id); }
    bool editingMatrix() const { return editing(Msg::MatrixRoute) || editing(Msg::MatrixGain); }

    void meters()
    {
        add({Msg::InputMeters, Msg::PreMixMeters, Msg::OutputPreMeters, Msg::OutputMeters,
             Msg::AutoMixMeters});
    }

    void system()
    {
        add({Msg::SysDanteState, Msg::SysDanteRestart, Msg::SysStatus35, Msg::SysChannelConfig,
             Msg::SysArmVersion, Msg::SysDspVersion, Msg::SysLocation, Msg::SysDescription,
             Msg::SysDspUsage, Msg::SysSystemMute, Msg::SysArmBuild, Msg::SysSerialNumber,
             Msg::SysDeviceId, Msg::SysFaultFlags, Msg::SysFaults});
    }

    void filter(MessageId hpf, MessageId lpf, MessageId peq)
    {
        const quint8 ch = s.currentChannel;
        add(hpf, ch);
        add(lpf, ch);
        for (int band = 0; band < PeqBands; ++band)
            add(peq, ch, quint8(band));
    }

    // The matrix routes of the AEC and ANC outputs are shown on their pages.
    void matrixRoutes()
    {
        if (editingMatrix())
            return;
        for (int out = 0; out < MatrixOutputs; ++out)
            add(Msg::MatrixRoute, quint8(out));
    }

    void module()
    {
        switch (s.currentModule) {
        case StatusPoll::InSetup:
            if (!editing(1))
                add({Msg::InputMute, Msg::InputMode, Msg::InputPhantom, Msg::InputGain});
            break;
        case StatusPoll::Gate:
            if (!editing(2)) {
                add({Msg::GateStatus});
                for (int ch = 0; ch < GateChannels; ++ch)
                    add(Msg::GateParams, quint8(ch));
            }
            break;
        case StatusPoll::Agc:
            if (!editing(16))
                add(Msg::Agc, s.currentChannel);
            break;
        case StatusPoll::Feedback:
            if (!editing(3))
                add({Msg::FeedbackEnable});
            break;
        case StatusPoll::InFilter:
            if (!editing(4))
                filter(Msg::InFilterHPF, Msg::InFilterLPF, Msg::InFilterPEQ);
            break;
        case StatusPoll::InLimiter:
            if (!editing(5)) {
                add(Msg::InLimiter, s.currentChannel);
                add({Msg::InLimiterGain});
            }
            break;
        case StatusPoll::InDelay:
            if (!editing(6))
                add({Msg::InDelay});
            break;
        case StatusPoll::Anc:
            if (!editing(17))
                add({Msg::AncLevel, Msg::AncConfig});
            matrixRoutes();
            break;
        case StatusPoll::Aec:
            if (!editing(15))
                add({Msg::AecEnable, Msg::AecConfig, Msg::AecMatrix});
            matrixRoutes();
            break;
        case StatusPoll::LevelPreMix:
            if (!editing(7))
                add({Msg::PreMixMute, Msg::PreMixInvert, Msg::PreMixGain, Msg::PreMixGroup,
                     Msg::PreMixGainRange, Msg::PreMixPriority});
            add({Msg::InputMode}); // the USB pairing of inputs 1 and 2 shows on this page
            break;
        case StatusPoll::Matrix:
            if (!editingMatrix()) {
                for (int out = 0; out < MatrixOutputs; ++out) {
                    add(Msg::MatrixRoute, quint8(out));
                    add(Msg::MatrixGain, quint8(out));
                }
            }
            if (!editing(17))
                add({Msg::AncConfig});
            if (!editing(15))
                add({Msg::AecMatrix});
            break;
        case StatusPoll::AutoMixer:
            if (!editing(18))
                add({Msg::AutoMixWeight, Msg::AutoMixGroup, Msg::AutoMixEnable});
            break;
        case StatusPoll::SignalGenerator:
            if (!editing(9))
                add({Msg::SigGenMute, Msg::SigGenType, Msg::SigGenFreq, Msg::SigGenGain,
                     Msg::SigGenOutputs});
            break;
        case StatusPoll::OutLevel:
            if (!editing(11))
                add({Msg::OutMute, Msg::OutInvert, Msg::OutGain, Msg::OutGroup, Msg::OutGainRange});
            break;
        case StatusPoll::OutFilter:
            if (!editing(12))
                filter(Msg::OutFilterHPF, Msg::OutFilterLPF, Msg::OutFilterPEQ);
            break;
        case StatusPoll::OutLimiter:
            if (!editing(13))
                add(Msg::OutLimiter, s.currentChannel);
            break;
        case StatusPoll::OutDelay:
            if (!editing(14))
                add({Msg::OutDelay});
            break;
        default:
            break; // no module page shown
        }
    }

    void dialogs()
    {
        const quint8 open = s.openDialogs;
        if ((open & StatusPoll::LabelsDialog) && !s.lastWrite.matches(2, 3))
            add({Msg::InputShortLabels});
        if ((open & StatusPoll::PresetsDialog) && !editing(Msg::PresetRename))
            add({Msg::PresetList});
        if (open & StatusPoll::UsbRecPlayDialog) {
            add({Msg::UsbPlayFile, Msg::UsbPlayCount, Msg::UsbPlayState, Msg::UsbRecordFile,
                 Msg::UsbRecordCount, Msg::UsbRecordState, Msg::InputMode, Msg::UsbRecordSource});
            if (!editing(Msg::MatrixSwitches)) {
                add(Msg::MatrixSwitches, 0);
                add(Msg::MatrixSwitches, 1);
            }
        }
        if (open & StatusPoll::DeviceSetupDialog) {
            add({Msg::SysModelName, Msg::SysNetwork, Msg::SysMacAddress, Msg::SysRunTime,
                 Msg::SysTotalTime, Msg::SysBootCount, Msg::SysTemperature, Msg::SysDateTime,
                 Msg::SysRs232Baud, Msg::SysStatus18, Msg::SysGateReport, Msg::SysUsbAutoPlay});
            if (!editing(Msg::PreMixGainRange))
                add({Msg::PreMixGainRange});
            if (!editing(Msg::OutGainRange))
                add({Msg::OutGainRange});
            add({Msg::SysUsbDisk});
        }
        if ((open & StatusPoll::GpioSetupDialog) && !s.lastWrite.matches(2, 6))
            add({Msg::GpioPort});
        if (open & StatusPoll::DanteSetupDialog) {
            if (!editing(Msg::DanteRename) && !editing(Msg::DanteLatency)
                && !editing(Msg::DanteNetwork))
                add({Msg::DanteInfo});
            add({Msg::DanteState3, Msg::DanteBlock4});
        }
    }

    const StatusPoll::State &s;
    std::vector<StatusQuery> &q;
};

} // namespace

void StatusPoll::build(const State &state, std::vector<StatusQuery> &queries)
{
    Schedule(state, queries).run();
}
