#include "widgets/ControlArtwork.h"

#include <QtGlobal>

void initControlArtwork()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    Q_UNUSED(loaded)
}
