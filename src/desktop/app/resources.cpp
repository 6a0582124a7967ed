#include "app/resources.h"

#include <QtGlobal>

static void InitZentravaResources() { Q_INIT_RESOURCE(zentrava); }

namespace zentrava::desktop {

void InitResources() {
    static const bool done = (InitZentravaResources(), true);
    (void)done;
}

}  // namespace zentrava::desktop
