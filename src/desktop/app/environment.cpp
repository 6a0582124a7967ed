#include "app/environment.h"

#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

namespace zentrava::desktop {

void PrepareEnvironment() {
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    struct stat info {};
    if (stat("/dev/dri", &info) != 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("-gpu")) {
            if (!flags.isEmpty()) flags += ' ';
            flags += "--disable-gpu";
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
        }
    }
}

}  // namespace zentrava::desktop
