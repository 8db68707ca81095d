#include "AppLog.h"

Q_LOGGING_CATEGORY(lcApp, "vexatarn.app", QtWarningMsg)
