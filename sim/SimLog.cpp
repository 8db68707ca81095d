#include "SimLog.h"

Q_LOGGING_CATEGORY(lcSim, "vexatarn.sim", QtWarningMsg)
