// The compiled-in pictures (the toolbar icons and the application icon).
#pragma once

namespace zentrava::desktop {

// Registers the resources once; the main window calls it.
void InitResources();

}  // namespace zentrava::desktop
