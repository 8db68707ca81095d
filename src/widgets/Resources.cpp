#include "Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the initialiser in the enclosing namespace, so this stays global.
void initApplicationResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(vexatarn);
        Q_INIT_RESOURCE(generated);
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    Q_UNUSED(done);
}
