// Opens preview pages in Qt WebEngine, the browser engine of the app's own
// preview, works the mouse over them and reports what went wrong.
//
// It reads one request a line on standard input, as JSON:
//   {"page":"<file>","png":"<file>","size":[w,h],"sweep":[[x,y],...],"corner":[x,y],"back":[[x,y],...]}
// shows the page in a view of that size, moves the pointer along "sweep" to "corner", clicks there with the left and
// then the right button, moves along "back", waits and saves the screenshot.
// It answers each request with one line of JSON on standard output:
//   {"loaded":true,"errors":[...],"notes":[...],"dialogs":[...],"screenshot":true}
// "errors" holds the page's own script errors (uncaught exceptions and
// console errors whose source is the page), "notes" the console errors from
// elsewhere, "dialogs" the texts of the alerts, confirms and prompts it
// dismissed. An empty line or the end of input ends the program.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPointer>
#include <QTextStream>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr int kLoadTimeoutMs = 15000;

// A page that records what the effect's code says instead of showing it.
class CheckedPage : public QWebEnginePage {
public:
    explicit CheckedPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

    QJsonArray errors;
    QJsonArray notes;
    QJsonArray dialogs;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override {
        if (level != ErrorMessageLevel) return;
        const QString text = QStringLiteral("%1 (%2:%3)").arg(message, source).arg(line);
        // The page is the preview file alone: an error from it, or from an
        // inline script with no source of its own, is the effect's.
        if (source.isEmpty() || source == url().toString()) {
            errors.append(text);
        } else {
            notes.append(text);
        }
    }
    void javaScriptAlert(const QUrl&, const QString& message) override {
        dialogs.append(QStringLiteral("alert: ") + message);
    }
    bool javaScriptConfirm(const QUrl&, const QString& message) override {
        dialogs.append(QStringLiteral("confirm: ") + message);
        return true;
    }
    bool javaScriptPrompt(const QUrl&, const QString& message, const QString& defaultValue,
                          QString* result) override {
        dialogs.append(QStringLiteral("prompt: ") + message);
        *result = defaultValue;
        return true;
    }
};

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Sends a mouse event where the page's content receives input.
void SendMouse(QWebEngineView& view, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QWidget* target = view.focusProxy() ? view.focusProxy() : &view;
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QPoint PointOf(const QJsonValue& value) {
    const QJsonArray xy = value.toArray();
    return {xy.at(0).toInt(), xy.at(1).toInt()};
}

void MoveAlong(QWebEngineView& view, const QJsonArray& points) {
    for (const QJsonValue& p : points) {
        SendMouse(view, QEvent::MouseMove, PointOf(p), Qt::NoButton, Qt::NoButton);
        Wait(25);
    }
}

QJsonObject Check(QWebEngineProfile& profile, const QJsonObject& request) {
    const QString pagePath = request["page"].toString();
    QJsonObject result;
    QWebEngineView view;
    auto* page = new CheckedPage(&profile, &view);
    view.setPage(page);
    const QPoint size = PointOf(request["size"]);
    view.resize(size.x(), size.y());
    view.show();

    bool crashed = false;
    QString crashText;
    QObject::connect(page, &QWebEnginePage::renderProcessTerminated, [&](auto status, int code) {
        crashed = true;
        crashText = QStringLiteral("the page's render process ended (status %1, code %2)")
                        .arg(static_cast<int>(status))
                        .arg(code);
    });

    QEventLoop loop;
    bool finished = false;
    bool ok = false;
    QObject::connect(page, &QWebEnginePage::loadFinished, &loop, [&](bool success) {
        finished = true;
        ok = success;
        loop.quit();
    });
    QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
    page->load(QUrl::fromLocalFile(pagePath));
    loop.exec();

    if (!finished) {
        result["failure"] = QStringLiteral("the page did not finish loading within %1 s").arg(kLoadTimeoutMs / 1000);
    } else if (!ok) {
        result["failure"] = QStringLiteral("the page failed to load");
    } else {
        // Let the page's start-up timers run, then work the pointer.
        Wait(300);
        const QPoint corner = PointOf(request["corner"]);
        MoveAlong(view, request["sweep"].toArray());
        MoveAlong(view, QJsonArray{request["corner"]});
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
            SendMouse(view, QEvent::MouseButtonPress, corner, b, b);
            Wait(50);
            SendMouse(view, QEvent::MouseButtonRelease, corner, b, Qt::NoButton);
            Wait(150);
        }
        MoveAlong(view, request["back"].toArray());
        Wait(800);
        const bool saved = view.grab().save(request["png"].toString(), "PNG");
        result["screenshot"] = saved;
    }
    result["loaded"] = finished && ok;
    if (crashed) result["failure"] = crashText;
    result["errors"] = page->errors;
    result["notes"] = page->notes;
    result["dialogs"] = page->dialogs;
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWebEngineProfile profile;  // off the record: nothing kept between runs
    profile.settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    profile.settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);

    std::string line;
    while (std::getline(std::cin, line) && !line.empty()) {
        const QJsonObject request = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        QJsonObject result;
        if (request.isEmpty()) {
            result["failure"] = QStringLiteral("bad request: ") + QString::fromStdString(line);
        } else if (!QFile::exists(request["page"].toString())) {
            result["failure"] = QStringLiteral("no such page file: ") + request["page"].toString();
        } else {
            result = Check(profile, request);
        }
        const QByteArray json = QJsonDocument(result).toJson(QJsonDocument::Compact);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}
