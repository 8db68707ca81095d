#include "LinkLog.h"

Q_LOGGING_CATEGORY(lcLink, "vexatarn.link", QtWarningMsg)
