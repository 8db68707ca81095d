#pragma once

#include "wire/Frame.h"
#include "model/WriteThrottle.h"
#include "model/ParameterMirror.h"
#include "model/ReplyOutcome.h"

// Applies frames from the device to the mirror: no sockets, no signals. The outcome lists what
// to announce and what the device model has to do next. One entry per frame type, as the
// receive path dispatches them; handle() picks the entry by type.
namespace ReplyHandler {

void upgrade(ParameterMirror &mirror, const ReceivedFrame &frame, const LastWrite &lastWrite,
             ReplyOutcome &out);
void system(ParameterMirror &mirror, const ReceivedFrame &frame, const LastWrite &lastWrite,
            ReplyOutcome &out);
void audio(ParameterMirror &mirror, const ReceivedFrame &frame, const LastWrite &lastWrite,
           ReplyOutcome &out);
void dante(ParameterMirror &mirror, const ReceivedFrame &frame, const LastWrite &lastWrite,
           ReplyOutcome &out);

void handle(ParameterMirror &mirror, const ReceivedFrame &frame, const LastWrite &lastWrite,
            ReplyOutcome &out);

} // namespace ReplyHandler
