// The app's own window for the user guide, when the desktop can open
// neither help.chm nor a browser: the guide in the embedded browser (the
// preview module, loaded when the window is first needed), its links
// followed inside the window. Closing only hides it.
#pragma once

#include <QWidget>

namespace zentrava::desktop {

class PreviewPane;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `file` (a local page); false, with nothing shown, when the
    // file is missing or the browser module cannot be loaded.
    bool ShowGuide(const QString& file);
    PreviewPane* Browser() const { return pane_; }

private:
    PreviewPane* pane_ = nullptr;
};

}  // namespace zentrava::desktop
