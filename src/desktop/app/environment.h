// Process set-up that has to happen before the QApplication exists.
#pragma once

namespace zentrava::desktop {

// Prepares the environment of the process for the embedded browser, which
// starts later (at the first preview) but reads its settings from the
// environment:
//  - as root, Chromium refuses its sandbox: QTWEBENGINE_DISABLE_SANDBOX=1;
//  - without a GPU device (/dev/dri), Chromium's GPU process only fails and
//    retries: "--disable-gpu" is added to QTWEBENGINE_CHROMIUM_FLAGS.
// (Qt::AA_ShareOpenGLContexts is deliberately not set here: PreviewPane
// makes the shared OpenGL context at the first preview.)
// Settings the user made in the environment are kept.
void PrepareEnvironment();

}  // namespace zentrava::desktop
