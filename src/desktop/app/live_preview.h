// The Live Preview window: the current page, large, at a chosen width
// (Phone 375, Tablet 768, Laptop 1280 or the window's own), scaled down to fit
// when the window is narrower, with the console count of the code window's
// preview. With "Follow the form" on, every change of a parameter in the open
// effect form makes the page again a moment after the last change and shows
// it, scrolled where it was. It has its own preview file and never touches
// the code window or its views. The browser loads when it first shows a page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QPointF>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zentrava::desktop {

class PageMessages;
class PreviewPane;

class LivePreview : public QWidget {
    Q_OBJECT
public:
    // The page widths offered, in CSS pixels; 0 is the window's own width.
    static constexpr int kWidths[] = {375, 768, 1280, 0};
    // The pause after the last change before the page is made again.
    static constexpr int kFollowDelay = 250;

    // `programDir` is where its preview file goes (as the code window's does).
    explicit LivePreview(QString programDir, QWidget* parent = nullptr);
    ~LivePreview() override;

    // Makes the page (raising the engine's errors); set by the main window.
    // `folder`, when set, names the folder the page's pictures are in when it
    // is not the program directory (a user's own effect).
    using PageSource = std::function<std::vector<std::string>()>;
    using FolderSource = std::function<std::string()>;
    void SetSource(PageSource source, FolderSource folder = {}) {
        source_ = std::move(source);
        folder_ = std::move(folder);
    }
    // The form whose changes are followed (its parametersChanged signal).
    void Follow(QObject* form);

    // Shows these page lines (saved as the window's preview file, in `folder`
    // when it is not empty: where the page's pictures are).
    void ShowPage(const std::vector<std::string>& page, const std::string& folder = {});
    // Makes the page from the source and shows it; a failure shows its
    // error in the window. False on a failure.
    bool Regenerate();

    bool Following() const;
    int ChosenWidth() const;  // CSS pixels, 0 for the window's own
    // The browser's zoom: the chosen width fitted into the window.
    qreal FitZoom() const;
    QString PageFile() const { return pageFile_; }
    PreviewPane* Pane() const { return pane_; }
    PageMessages* Messages() const { return messages_; }
    QComboBox* Widths() const { return widths_; }
    QCheckBox* FollowBox() const { return follow_; }
    QLabel* ErrorLine() const { return error_; }

Q_SIGNALS:
    // The page shown last has loaded.
    void pageLoaded(bool ok);

private Q_SLOTS:
    // A parameter of the followed form changed: the page is made again
    // once the changes pause (while the window is open and following).
    void FormChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ApplyZoom();
    void PlaceMessages();
    void PageLoaded(bool ok);
    void SaveSettings() const;

    QString programDir_;
    PageSource source_;
    FolderSource folder_;
    QPointer<QObject> form_;
    QMetaObject::Connection formConnection_;
    QTimer follow_timer_;
    PreviewPane* pane_ = nullptr;
    PageMessages* messages_ = nullptr;
    QComboBox* widths_ = nullptr;
    QCheckBox* follow_ = nullptr;
    QLabel* error_ = nullptr;
    QString pageFile_;
    QPointF scroll_;      // where the page shown before was scrolled to
    bool keepScroll_ = false;
};

}  // namespace zentrava::desktop
