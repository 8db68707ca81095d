#pragma once

#include <QLoggingCategory>

// What the simulated processor does: connections, logins, transfers (info), every frame (debug).
// Only warnings by default; the executable turns info on unless told to be quiet.
Q_DECLARE_LOGGING_CATEGORY(lcSim)
