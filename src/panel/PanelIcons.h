#pragma once

#include <QIcon>

// The icons of the device list panel, in the set of the current appearance. Edit, remove and
// disconnect carry a drawn disabled state; the others are never disabled.
namespace PanelIcons {

enum Kind { Add, List, Edit, Remove, Disconnect };

QIcon icon(Kind kind, bool dark);

} // namespace PanelIcons
