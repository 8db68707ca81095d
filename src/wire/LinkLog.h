#pragma once

#include <QLoggingCategory>

// Debug lines of the device link (frames, connection, discovery, registry). Off by default;
// enable with QT_LOGGING_RULES="vexatarn.link.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLink)
