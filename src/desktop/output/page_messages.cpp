#include "output/page_messages.h"

#include <algorithm>

#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

namespace zentrava::desktop {

namespace {

// "1 error", "3 errors": the one and the many both translated whole.
QString Counted(int n, const char* one, const char* many) {
    return n == 1 ? PageMessages::tr(one) : PageMessages::tr(many).arg(n);
}

QString LevelName(int level) {
    switch (level) {
        case PageMessage::kError: return PageMessages::tr("Error");
        case PageMessage::kWarning: return PageMessages::tr("Warning");
        default: return PageMessages::tr("Info");
    }
}

constexpr int kShownLength = 110;

}  // namespace

PageMessages::PageMessages(QWidget* parent) : QPushButton(parent) {
    setObjectName(QStringLiteral("PageMessagesButton"));
    setToolTip(tr("What the page wrote to its console while it ran: click to list it"));
    setAutoDefault(false);
    list_ = new QMenu(this);
    list_->setObjectName(QStringLiteral("PageMessagesList"));
    list_->setToolTipsVisible(true);
    connect(list_, &QMenu::aboutToShow, this, &PageMessages::FillList);
    // Opened once the click (or Space) is over, so that the release that
    // ends the click does not close the list again at once.
    connect(this, &QPushButton::clicked, this, [this] { list_->popup(mapToGlobal(QPoint(0, height()))); });
    hide();
}

void PageMessages::Clear(const QString& pageFile) {
    messages_.clear();
    counts_[0] = counts_[1] = counts_[2] = 0;
    pageFile_ = QFileInfo(pageFile).absoluteFilePath();
    Update();
}

void PageMessages::Add(int level, const QString& message, int line, const QString& source) {
    level = std::clamp(level, int(PageMessage::kInfo), int(PageMessage::kError));
    ++counts_[level];
    // Messages of the page itself name its lines; others keep their file.
    const QString file = QUrl(source).isLocalFile() ? QUrl(source).toLocalFile() : QString();
    const QString where = !file.isEmpty() && QFileInfo(file).absoluteFilePath() == pageFile_ ? QString() : source;
    for (PageMessage& m : messages_) {
        if (m.level == level && m.line == line && m.message == message && m.source == where) {
            ++m.repeats;
            Update();
            return;
        }
    }
    if (static_cast<int>(messages_.size()) < kMaxListed) messages_.push_back({level, message, line, where, 1});
    Update();
}

void PageMessages::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setToolTip(tr("What the page wrote to its console while it ran: click to list it"));
        Update();
    }
    QPushButton::changeEvent(event);
}

void PageMessages::SetPreviewShown(bool shown) {
    previewShown_ = shown;
    Update();
}

int PageMessages::Count(int level) const {
    return level >= 0 && level < 3 ? counts_[level] : 0;
}

QString PageMessages::Summary() const {
    QStringList parts;
    if (counts_[PageMessage::kError]) parts << Counted(counts_[PageMessage::kError], QT_TR_NOOP("1 error"), QT_TR_NOOP("%1 errors"));
    if (counts_[PageMessage::kWarning]) parts << Counted(counts_[PageMessage::kWarning], QT_TR_NOOP("1 warning"), QT_TR_NOOP("%1 warnings"));
    if (counts_[PageMessage::kInfo]) parts << Counted(counts_[PageMessage::kInfo], QT_TR_NOOP("1 message"), QT_TR_NOOP("%1 messages"));
    return parts.join(tr(", "));
}

QString PageMessages::ItemText(const PageMessage& m) {
    QString where;
    if (m.source.isEmpty()) where = m.line > 0 ? tr("line %1").arg(m.line) : QString();
    else where = QStringLiteral("%1:%2").arg(QUrl(m.source).fileName().isEmpty() ? m.source : QUrl(m.source).fileName())
                     .arg(m.line);
    QString text = m.message.simplified();
    if (text.size() > kShownLength) text = text.left(kShownLength - 1) + QChar(0x2026);
    QString item = LevelName(m.level);
    if (!where.isEmpty()) item += QStringLiteral(", ") + where;
    item += QStringLiteral(": ") + text;
    if (m.repeats > 1) item += tr(" (%1 times)").arg(m.repeats);
    // A menu takes "&" as the mark of a shortcut key.
    return item.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void PageMessages::Update() {
    const QString summary = Summary();
    setText(summary);
    if (summary.isEmpty()) {
        hide();
        return;
    }
    // Sized to its text, in the corner it was placed at (its right edge).
    const int right = geometry().right();
    const QSize hint = sizeHint();
    if (width() != hint.width()) setGeometry(right - hint.width() + 1, y(), hint.width(), height());
    setVisible(previewShown_);
    if (isVisible()) raise();
}

void PageMessages::FillList() {
    list_->clear();
    for (const PageMessage& m : messages_) {
        QAction* action = list_->addAction(ItemText(m));
        if (m.message.simplified().size() > kShownLength) action->setToolTip(m.message);
        const int line = m.source.isEmpty() ? m.line : 0;
        connect(action, &QAction::triggered, this, [this, line] { Q_EMIT lineChosen(line); });
    }
    const int total = counts_[0] + counts_[1] + counts_[2];
    int listed = 0;
    for (const PageMessage& m : messages_) listed += m.repeats;
    if (listed < total) list_->addAction(tr("%1 more not listed").arg(total - listed))->setEnabled(false);
}

}  // namespace zentrava::desktop
