#pragma once

#include <QLoggingCategory>

// Debug lines of the application shell (settings file, resources). Off by default; enable with
// QT_LOGGING_RULES="vexatarn.app.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)
