#include "panel/PanelIcons.h"

#include <QSize>

namespace PanelIcons {

QIcon icon(Kind kind, bool dark)
{
    const QString appearance = dark ? QStringLiteral("Dark") : QStringLiteral("Light");
    const auto path = [&](const char *name, const char *state) {
        return QStringLiteral(":/image/%1%2%3.png")
                .arg(QLatin1String(name), appearance, QLatin1String(state));
    };
    QIcon result;
    const auto addStates = [&](const char *name) {
        result.addFile(path(name, "Enabled"), QSize(), QIcon::Normal);
        result.addFile(path(name, "Disabled"), QSize(), QIcon::Disabled);
    };
    switch (kind) {
    case Add:
        result.addFile(path("Add", ""));
        break;
    case List:
        result.addFile(path("ListAlt", "Enabled"));
        break;
    case Edit:
        addStates("Edit");
        break;
    case Remove:
        addStates("Trash");
        break;
    case Disconnect:
        addStates("SignOut");
        break;
    }
    return result;
}

} // namespace PanelIcons
