#include "app/live_preview.h"

#include <algorithm>
#include <exception>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

#include "app/interface_font.h"
#include "errors.h"
#include "output/page_messages.h"
#include "output/preview_file.h"
#include "output/preview_pane.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {
constexpr const char* kLiveFileName = "live.htm";
const QString kGeometryKey = QStringLiteral("LivePreview/geometry");
const QString kWidthKey = QStringLiteral("LivePreview/width");
const QString kFollowKey = QStringLiteral("LivePreview/follow");
}  // namespace

LivePreview::LivePreview(QString programDir, QWidget* parent)
    : QWidget(parent, Qt::Window), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("LivePreview"));
    setWindowTitle(tr("Live Preview"));
    // The run ends when the main window closes, whether or not this is shown.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    auto* widthLabel = new QLabel(tr("&Width:"), this);
    widths_ = new QComboBox(this);
    widths_->setObjectName(QStringLiteral("WidthBox"));
    widths_->addItem(tr("Phone (375)"), 375);
    widths_->addItem(tr("Tablet (768)"), 768);
    widths_->addItem(tr("Laptop (1280)"), 1280);
    widths_->addItem(tr("Window width"), 0);
    widthLabel->setBuddy(widths_);
    follow_ = new QCheckBox(tr("&Follow the form"), this);
    follow_->setObjectName(QStringLiteral("FollowBox"));
    follow_->setToolTip(tr("Show the page again after each change of a parameter in the form"));
    bar->addWidget(widthLabel);
    bar->addWidget(widths_);
    bar->addSpacing(12);
    bar->addWidget(follow_);
    bar->addStretch(1);
    layout->addLayout(bar);

    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("LiveError"));
    error_->setWordWrap(true);
    error_->setTextFormat(Qt::PlainText);
    error_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    error_->setAutoFillBackground(true);
    error_->setContentsMargins(6, 4, 6, 4);
    QPalette pal = error_->palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xE8, 0xE8));
    pal.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    error_->setPalette(pal);
    error_->hide();
    layout->addWidget(error_);

    pane_ = new PreviewPane(this);
    pane_->setObjectName(QStringLiteral("LivePane"));
    layout->addWidget(pane_, 1);

    // The count of the page's console messages, over the page's lower right corner.
    messages_ = new PageMessages(this);
    messages_->SetPreviewShown(true);
    connect(pane_, &PreviewPane::pageMessage, messages_, &PageMessages::Add);
    connect(pane_, &PreviewPane::loadFinished, this, &LivePreview::PageLoaded);

    follow_timer_.setSingleShot(true);
    // On time: a coarse timer may fire up to 5 % (12 ms) late.
    follow_timer_.setTimerType(Qt::PreciseTimer);
    follow_timer_.setInterval(kFollowDelay);
    connect(&follow_timer_, &QTimer::timeout, this, [this] { Regenerate(); });
    connect(widths_, &QComboBox::currentIndexChanged, this, &LivePreview::ApplyZoom);
    connect(follow_, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) follow_timer_.stop();
        else if (form_) Regenerate();
    });

    const QSettings settings;
    resize(Scaled(QSize(800, 600)));
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    const int width = settings.value(kWidthKey, 0).toInt();
    widths_->setCurrentIndex(std::max(0, widths_->findData(width)));
    follow_->setChecked(settings.value(kFollowKey, true).toBool());
}

LivePreview::~LivePreview() = default;

void LivePreview::Follow(QObject* form) {
    if (form == form_) return;
    disconnect(formConnection_);
    form_ = form;
    if (!form) return;
    formConnection_ = connect(form, SIGNAL(parametersChanged()), this, SLOT(FormChanged()));
}

void LivePreview::FormChanged() {
    if (Following() && isVisible()) follow_timer_.start();
}

bool LivePreview::Following() const { return follow_->isChecked(); }

int LivePreview::ChosenWidth() const { return widths_->currentData().toInt(); }

qreal LivePreview::FitZoom() const {
    const int chosen = ChosenWidth();
    const int room = pane_->contentsRect().width();
    if (chosen <= 0 || room <= 0 || room >= chosen) return 1.0;
    return std::max<qreal>(0.25, qreal(room) / chosen);  // the browser zooms out no further
}

void LivePreview::ApplyZoom() {
    // Only a change: the browser sends every zoom it is given to the page's
    // renderer, the one it has too, and here a new page is on its way.
    QWidget* browser = pane_->Browser();
    const qreal zoom = FitZoom();
    if (browser && !qFuzzyCompare(browser->property("zoomFactor").toReal(), zoom)) browser->setProperty("zoomFactor", zoom);
}

void LivePreview::PlaceMessages() {
    const QRect r = pane_->geometry();
    const QSize hint = messages_->sizeHint();
    // Clear of the page's own scroll bars, as in the code window.
    messages_->setGeometry(r.right() - 20 - hint.width(), r.bottom() - 20 - hint.height(), hint.width(), hint.height());
}

void LivePreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyZoom();
    PlaceMessages();
}

void LivePreview::hideEvent(QHideEvent* event) {
    SaveSettings();
    follow_timer_.stop();
    QWidget::hideEvent(event);
}

void LivePreview::SaveSettings() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kWidthKey, ChosenWidth());
    settings.setValue(kFollowKey, Following());
}

void LivePreview::ShowPage(const std::vector<std::string>& page, const std::string& folder) {
    try {
        pageFile_ = FromPath(
            zentrava::SavePreviewFile(folder.empty() ? ToPath(programDir_) : folder, page, kLiveFileName));
    } catch (const std::exception& e) {
        error_->setText(FromBytes(ErrorBoxText(e.what())));
        error_->show();
        return;
    }
    error_->hide();
    // Scrolled where the page before it was (for the same page, made again).
    keepScroll_ = false;
    if (QWidget* browser = pane_->Browser()) {
        if (QObject* webPage = browser->findChild<QObject*>(QStringLiteral("WebPage"))) {
            scroll_ = webPage->property("scrollPosition").toPointF();
            keepScroll_ = !scroll_.isNull();
        }
    }
    messages_->Clear(pageFile_);
    PlaceMessages();
    pane_->Navigate(QFileInfo(pageFile_).absoluteFilePath());
    ApplyZoom();
}

bool LivePreview::Regenerate() {
    follow_timer_.stop();
    if (!source_) return false;
    try {
        std::vector<std::string> page = source_();
        ShowPage(page, folder_ ? folder_() : std::string());
        return error_->isHidden();
    } catch (const EngineError& e) {
        QString text = FromBytes(ErrorBoxText(e.what()));
        if (!e.File().empty()) text += QStringLiteral("\n") + FromPath(e.File());
        error_->setText(text);
    } catch (const std::exception& e) {
        error_->setText(FromBytes(ErrorBoxText(e.what())));
    }
    // The page before stays shown under the error.
    error_->show();
    return false;
}

void LivePreview::PageLoaded(bool ok) {
    ApplyZoom();  // a fresh browser starts at 1
    if (keepScroll_) {
        if (QObject* webPage = pane_->Browser() ? pane_->Browser()->findChild<QObject*>(QStringLiteral("WebPage")) : nullptr) {
            QMetaObject::invokeMethod(webPage, "runScript",
                                      Q_ARG(QString, QStringLiteral("window.scrollTo(%1, %2);").arg(scroll_.x()).arg(scroll_.y())));
        }
        keepScroll_ = false;
    }
    Q_EMIT pageLoaded(ok);
}

}  // namespace zentrava::desktop
