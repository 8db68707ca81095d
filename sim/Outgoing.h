#pragma once

#include "wire/MessageId.h"

#include <QByteArray>

namespace sim {

// One frame the processor sends.
struct Outgoing
{
    MessageId id;
    QByteArray payload;
};

} // namespace sim
