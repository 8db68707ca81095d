#include "EchoSuppression.h"

#include "model/MessageCatalogue.h"

namespace {

bool isMeter(MessageId id)
{
    return id == Msg::InputMeters || id == Msg::PreMixMeters || id == Msg::OutputMeters
            || id == Msg::OutputPreMeters || id == Msg::AutoMixMeters;
}

// System reports that the user edits in the device setup dialog.
bool isEditableSystemValue(quint8 funcId)
{
    switch (funcId) {
    case 10: // location
    case 11: // description
    case 13: // network
    case 16: // system mute
    case 17: // RS-232 baud rate
    case 18: // RS-485 baud rate
    case 23: // gate report
        return true;
    default:
        return false;
    }
}

} // namespace

bool EchoSuppression::holdsBack(MessageId reply, const LastWrite &lastWrite)
{
    if (lastWrite.isClear())
        return false;
    switch (reply.type) {
    case 2:
        switch (reply.subType) {
        case 2:
            return isEditableSystemValue(reply.funcId) && lastWrite.matches(reply);
        case 3: // labels
        case 6: // GPIO ports
            return lastWrite.matches(reply);
        case 16: // data sync
            return lastWrite.matches(2, 16);
        default:
            return false;
        }
    case 3:
        if (isMeter(reply))
            return false;
        if (reply.subType == Msg::PresetList.subType)
            return reply == Msg::PresetList && lastWrite.matches(Msg::PresetRename);
        return lastWrite.matches(3, reply.subType);
    case 4:
        if (reply == Msg::DanteInfo)
            return lastWrite.matches(Msg::DanteRename) || lastWrite.matches(Msg::DanteLatency);
        return false;
    default:
        return false;
    }
}
