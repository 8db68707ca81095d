#pragma once

#include "wire/MessageId.h"
#include "model/WriteThrottle.h"

// While the user is still making a write, the device's echo of it (and replies to queries sent
// before the edit) must not move the control under the user's hand. This decides, for one
// reply, whether the current write-echo record holds it back.
namespace EchoSuppression {

bool holdsBack(MessageId reply, const LastWrite &lastWrite);

} // namespace EchoSuppression
