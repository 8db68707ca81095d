#include "ReplyHandler.h"

#include "model/EchoSuppression.h"
#include "model/MessageCatalogue.h"
#include "model/replies/Replies.h"

namespace {

constexpr quint8 FirstUnknownSystemGroup = 17;
constexpr quint8 FirstUnknownAudioModule = 33;

bool isReply(const ReceivedFrame &frame)
{
    return frame.flag == Frame::Reply;
}

} // namespace

void ReplyHandler::upgrade(ParameterMirror &mirror, const ReceivedFrame &frame, const LastWrite &,
                           ReplyOutcome &out)
{
    if (!isReply(frame))
        return;
    ReplyContext c(mirror, out, frame);
    Replies::upgrade(c);
}

void ReplyHandler::system(ParameterMirror &mirror, const ReceivedFrame &frame,
                          const LastWrite &lastWrite, ReplyOutcome &out)
{
    if (!isReply(frame)) {
        // The device tells that the Dante module restarted with a frame that is not a reply.
        if (frame.id == Msg::SysDanteRestart && mirror.device.danteRestart != 0) {
            mirror.device.danteRestart = 0;
            out.announce(Msg::SysDanteRestart);
        }
        return;
    }
    if (frame.id.subType >= FirstUnknownSystemGroup
        || EchoSuppression::holdsBack(frame.id, lastWrite))
        return;
    ReplyContext c(mirror, out, frame);
    switch (frame.id.subType) {
    case 1:
        return Replies::login(c);
    case 2:
        return Replies::systemTable(c);
    case 3:
        return Replies::labels(c);
    case 4:
        return Replies::state4(c);
    case 5:
        return Replies::usb(c);
    case 6:
        return Replies::gpio(c);
    case 16:
        return Replies::dataSync(c);
    default:
        return;
    }
}

void ReplyHandler::audio(ParameterMirror &mirror, const ReceivedFrame &frame,
                         const LastWrite &lastWrite, ReplyOutcome &out)
{
    if (!isReply(frame) || frame.id.subType >= FirstUnknownAudioModule
        || EchoSuppression::holdsBack(frame.id, lastWrite))
        return;
    ReplyContext c(mirror, out, frame);
    switch (frame.id.subType) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return Replies::inputModule(c);
    case 8:
    case 9:
    case 15:
    case 16:
    case 17:
    case 18:
        return Replies::mixModule(c);
    case 11:
    case 12:
    case 13:
    case 14:
        return Replies::outputModule(c);
    case 32:
        return Replies::presets(c);
    default:
        return;
    }
}

void ReplyHandler::dante(ParameterMirror &mirror, const ReceivedFrame &frame,
                         const LastWrite &lastWrite, ReplyOutcome &out)
{
    if (!isReply(frame) || frame.id.subType != 1 || EchoSuppression::holdsBack(frame.id, lastWrite))
        return;
    ReplyContext c(mirror, out, frame);
    Replies::dante(c);
}

void ReplyHandler::handle(ParameterMirror &mirror, const ReceivedFrame &frame,
                          const LastWrite &lastWrite, ReplyOutcome &out)
{
    switch (frame.id.type) {
    case 1:
        return upgrade(mirror, frame, lastWrite, out);
    case 2:
        return system(mirror, frame, lastWrite, out);
    case 3:
        return audio(mirror, frame, lastWrite, out);
    case 4:
        return dante(mirror, frame, lastWrite, out);
    default:
        return;
    }
}
