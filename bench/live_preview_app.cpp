// From a parameter change in the open effect form to the first paint of the
// new page in the Live Preview window, against a bare QWebEngineView loading
// the same file; not a test. Both views are the same size, side by side in
// one process; they alternate, 15 rounds each, and the medians are compared.
// The first paint is the page's own "first-paint" entry (Paint Timing),
// taken against the moment of the change on the same clock.
//
// Usage: bench_live_preview PROGRAM_DIR [ROUNDS]   (run it under X: xvfb-run)
#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <chrono>
#include <memory>
#include <cstdio>
#include <vector>

#include "app/environment.h"
#include "app/live_preview.h"
#include "app/main_window.h"
#include "effects/mdi_child.h"
#include "heap.h"
#include "output/preview_pane.h"
#include "support.h"

using namespace zentrava::desktop;

namespace {

double NowMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// The first time the view's drawing surface paints after a new page has
// started loading (the browser keeps the old page's frame until then).
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWebEngineView* view) : view_(view) {
        connect(view->page(), &QWebEnginePage::loadStarted, this, [this] {
            armed_ = true;
            started_ = NowMs();
        });
    }
    // When the last load started (system clock, ms).
    double Started() const { return started_; }
    // Waits for the paint; its time on the system clock (ms), -1 when none came.
    // The wait sleeps in an event loop, as the app's own loop does: a loop
    // that polled would keep the processor busy and be put off by the
    // system's scheduler, making the app's follow timer late.
    double Wait(int timeoutMs = 20000) {
        QWidget* surface = view_->focusProxy() ? view_->focusProxy() : view_;
        if (surface != watched_) {
            surface->installEventFilter(this);
            watched_ = surface;
        }
        if (painted_ < 0) {
            QTimer timeout;
            timeout.setSingleShot(true);
            QObject::connect(&timeout, &QTimer::timeout, &loop_, &QEventLoop::quit);
            timeout.start(timeoutMs);
            loop_.exec();
        }
        const double at = painted_;
        painted_ = -1;
        armed_ = false;
        return at;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (armed_ && painted_ < 0 && event->type() == QEvent::Paint) {
            painted_ = NowMs();
            loop_.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWebEngineView* view_;
    QObject* watched_ = nullptr;
    bool armed_ = false;
    double painted_ = -1;
    double started_ = -1;
    QEventLoop loop_;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    zentrava::KeepFreedMemoryForReuse();
    PrepareEnvironment();  // as the app starts
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_live_preview PROGRAM_DIR [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
    QTemporaryDir dir;
    for (const QString& name : QDir(QString::fromLocal8Bit(argv[1])).entryList(QDir::Files)) {
        QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(name), dir.filePath(name));
    }
    PreviewPane::SetModulePath(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/libzentrava-preview.so"));
    testing::FakeServices services;
    MainWindow window(dir.path(), services);
    // The first Mouse entry whose form has a text to type in.
    QLineEdit* edit = nullptr;
    for (int row = 0; row < window.ScriptList()->count() && !edit; ++row) {
        window.ScriptList()->setCurrentRow(row);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TMDIChild* form = window.CurrentForm();
        if (form && form->Decl().generate) edit = form->findChild<QLineEdit*>();
    }
    if (!edit) {
        std::fprintf(stderr, "the first entry's form has no text to change\n");
        return 1;
    }
    window.ShowLivePreview(false);
    LivePreview* live = window.LivePreviewIfCreated();
    live->setGeometry(0, 0, 800, 600);
    auto* liveView = qobject_cast<QWebEngineView*>(live->Pane()->Browser());
    if (!liveView) {
        std::fprintf(stderr, "no browser: %s\n", qPrintable(live->Pane()->LoadError()));
        return 1;
    }
    QWebEngineView bare;
    bare.setGeometry(820, 0, liveView->width(), liveView->height());
    bare.show();
    FirstPaintProbe liveProbe(liveView), bareProbe(&bare);
    QTest::qWait(2000);  // the first page settles

    const QString original = edit->text();
    std::vector<double> liveMs, pauseMs, bareMs, liveStartMs, bareStartMs;
    for (int i = 0; i < rounds; ++i) {
        // The live window: the change, the pause, the page made, saved and shown.
        const double start = NowMs();
        edit->setText(original + QString::number(i));
        const double painted = liveProbe.Wait();
        pauseMs.push_back(painted - start);
        liveMs.push_back(painted - (start + LivePreview::kFollowDelay));  // from the pause's end
        liveStartMs.push_back(liveProbe.Started() - (start + LivePreview::kFollowDelay));

        // The floor: the same file in a bare view.
        const double bareStart = NowMs();
        bare.setUrl(QUrl::fromLocalFile(live->PageFile()));
        const double barePainted = bareProbe.Wait();
        bareMs.push_back(barePainted - bareStart);
        bareStartMs.push_back(bareProbe.Started() - bareStart);
    }
    const double liveMedian = Median(liveMs), bareMedian = Median(bareMs);
    auto spread = [](const std::vector<double>& v) {
        const auto [low, high] = std::minmax_element(v.begin(), v.end());
        return QStringLiteral("%1-%2").arg(*low, 0, 'f', 1).arg(*high, 0, 'f', 1).toStdString();
    };
    std::printf("change to first paint, after the %d ms pause: %.1f ms (%s, median of %d)\n", LivePreview::kFollowDelay,
                liveMedian, spread(liveMs).c_str(), rounds);
    std::printf("change to first paint, pause included: %.1f ms\n", Median(pauseMs));
    std::printf("bare web view, the same file: %.1f ms (%s)\n", bareMedian, spread(bareMs).c_str());
    // The part before the browser starts loading: the page made and saved,
    // the timer's lateness, the browser told (live); the browser told (bare).
    std::printf("to the start of the load: live %.1f ms (%s), bare %.1f ms (%s)\n", Median(liveStartMs),
                spread(liveStartMs).c_str(), Median(bareStartMs), spread(bareStartMs).c_str());
    std::printf("RATIO live preview change to first paint / bare view %.2f (target <= 1.2)\n", liveMedian / bareMedian);
    std::printf("entry: %s; errors shown: %zu\n", window.CurrentForm()->objectName().toUtf8().constData(),
                services.boxes.size());
    return 0;
}
