// The page's messages beside the preview: what the previewed page wrote to
// its console (uncaught errors included) while it ran. A small button over
// the preview's corner counts them ("2 errors") and is hidden when there are
// none; a click (or Space) opens their list, and choosing one asks for its
// line in the page view.
#pragma once

#include <vector>

#include <QPushButton>
#include <QString>

class QMenu;

namespace zentrava::desktop {

struct PageMessage {
    enum Level { kInfo = 0, kWarning = 1, kError = 2 };
    int level = kInfo;
    QString message;
    int line = 0;      // from 1; 0 when unknown
    QString source;    // the script's file, empty for the page itself
    int repeats = 1;   // the same message at the same place, counted once
};

class PageMessages : public QPushButton {
    Q_OBJECT
public:
    // Distinct messages kept for one page; more are counted, not listed.
    static constexpr int kMaxListed = 100;

    explicit PageMessages(QWidget* parent = nullptr);

    // A new page in the preview: forgets the messages; `pageFile` is the
    // local file the preview shows, whose messages name lines of the page view.
    void Clear(const QString& pageFile);
    void Add(int level, const QString& message, int line, const QString& source);
    // Whether the preview is what the window shows (the count shows only then).
    void SetPreviewShown(bool shown);

    const std::vector<PageMessage>& Messages() const { return messages_; }
    // Messages of one level, repeats included.
    int Count(int level) const;
    // "2 errors, 1 warning"; empty when the page wrote nothing.
    QString Summary() const;
    // The list as the click shows it (filled when it opens).
    QMenu* List() const { return list_; }
    // The text of one message in the list.
    static QString ItemText(const PageMessage& m);
    // Fills List() with the messages as they stand (done as it opens).
    void FillList();

Q_SIGNALS:
    // A message was chosen: its line in the page view, or 0 when it is not
    // a line of the page itself.
    void lineChosen(int line);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Update();

    std::vector<PageMessage> messages_;
    int counts_[3] = {0, 0, 0};
    QString pageFile_;
    bool previewShown_ = false;
    QMenu* list_ = nullptr;
};

}  // namespace zentrava::desktop
