// Opens preview pages in Qt WebEngine, the browser engine of the app's own
// preview, works the mouse over them and reports what went wrong.
//
// It reads one request a line on standard input, as JSON:
//   {"page":"<file>","png":"<file>","size":[w,h],"sweep":[[x,y],...],"corner":[x,y],"back":[[x,y],...],
//    "timeout":s, "probe":"<script>", "probe_timeout":s}
// shows the page in a view of that size (waiting at most "timeout" seconds for it to load), moves the pointer
// along "sweep" to "corner", clicks there with the left and then the right button, moves along "back", waits and
// saves the screenshot. Then it runs "probe", if given, and saves the screenshot again to show what the probe left
// open: the script asks for real input with console messages
// "__zentrava {"id":N,"op":...,"args":[...]}" (op "move" [x,y], "click" [x,y,button], "key" [name],
// "type" [text], "snapshot" []), which the checker sends to the view as Qt mouse and key events before it
// answers with window.__zentravaResolve(N, value); op "done" ends the probe with its list of failures.
// It answers each request with one line of JSON on standard output:
// A request with "pointer": true (an effect that answers the pointer) fails
// with an error when nothing on the page changes while the pointer sweeps it.
//   {"loaded":true,"errors":[...],"notes":[...],"dialogs":[...],"screenshot":true,"probe":[...]}
// "errors" holds the page's own script errors (uncaught exceptions and
// console errors whose source is the page), "notes" the console errors from
// elsewhere, "dialogs" the texts of the alerts, confirms and prompts it
// dismissed. An empty line or the end of input ends the program.
#include <QApplication>
#include <QCryptographicHash>
#include <QImage>
#include <QKeyEvent>
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
#include <deque>
#include <iostream>
#include <string>

namespace {

constexpr int kLoadTimeoutMs = 30000;
constexpr int kProbeTimeoutMs = 60000;
const QString kDriverPrefix = QStringLiteral("__zentrava ");

// A page that records what the effect's code says instead of showing it.
class CheckedPage : public QWebEnginePage {
public:
    explicit CheckedPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

    QJsonArray errors;
    QJsonArray notes;
    QJsonArray dialogs;
    std::deque<QJsonObject> probeRequests;  // what the probe asked for, oldest first

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override {
        if (level == InfoMessageLevel && message.startsWith(kDriverPrefix)) {
            probeRequests.push_back(QJsonDocument::fromJson(message.mid(kDriverPrefix.size()).toUtf8()).object());
            return;
        }
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

// A key by its DOM name ("Enter", "ArrowDown", " ", "a"...): the Qt key and the text it types.
bool KeyOf(const QString& name, Qt::Key* key, QString* text) {
    static const struct {
        const char* name;
        Qt::Key key;
        const char* text;
    } kKeys[] = {{"Enter", Qt::Key_Return, "\r"},   {"Escape", Qt::Key_Escape, ""},   {"Tab", Qt::Key_Tab, "\t"},
                 {" ", Qt::Key_Space, " "},          {"Space", Qt::Key_Space, " "},    {"Backspace", Qt::Key_Backspace, ""},
                 {"Delete", Qt::Key_Delete, ""},     {"ArrowLeft", Qt::Key_Left, ""},  {"ArrowUp", Qt::Key_Up, ""},
                 {"ArrowRight", Qt::Key_Right, ""},  {"ArrowDown", Qt::Key_Down, ""},  {"Home", Qt::Key_Home, ""},
                 {"End", Qt::Key_End, ""},           {"PageUp", Qt::Key_PageUp, ""},   {"PageDown", Qt::Key_PageDown, ""}};
    for (const auto& k : kKeys) {
        if (name == QLatin1String(k.name)) {
            *key = k.key;
            *text = QString::fromLatin1(k.text);
            return true;
        }
    }
    if (name.size() == 1 || (name.size() == 2 && name.at(0).isHighSurrogate())) {
        const QChar c = name.at(0);
        *key = c.isLetterOrNumber() && c.unicode() < 128 ? static_cast<Qt::Key>(c.toUpper().unicode())
                                                          : Qt::Key_unknown;
        *text = name;
        return true;
    }
    return false;
}

void SendKey(QWebEngineView& view, const QString& name) {
    Qt::Key key = Qt::Key_unknown;
    QString text;
    KeyOf(name, &key, &text);
    QWidget* target = view.focusProxy() ? view.focusProxy() : &view;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
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

// Runs the probe script and serves its requests for input until it is done;
// returns its failures.
QJsonArray RunProbe(QWebEngineView& view, CheckedPage& page, const QString& script, int timeoutMs) {
    page.probeRequests.clear();
    page.runJavaScript(script);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (page.probeRequests.empty()) {
            Wait(20);
            continue;
        }
        const QJsonObject ask = page.probeRequests.front();
        page.probeRequests.pop_front();
        const QString op = ask["op"].toString();
        const QJsonArray args = ask["args"].toArray();
        if (op == QLatin1String("done")) {
            QJsonArray failures;
            for (const QJsonValue& f : args) failures.append(QStringLiteral("probe: ") + f.toString());
            return failures;
        }
        QJsonValue answer;
        if (op == QLatin1String("move") || op == QLatin1String("click")) {
            const QPoint at(args.at(0).toInt(), args.at(1).toInt());
            SendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
            if (op == QLatin1String("click")) {
                const QString name = args.at(2).toString();
                const Qt::MouseButton b = name == QLatin1String("right")    ? Qt::RightButton
                                          : name == QLatin1String("middle") ? Qt::MiddleButton
                                                                            : Qt::LeftButton;
                Wait(20);
                SendMouse(view, QEvent::MouseButtonPress, at, b, b);
                Wait(20);
                SendMouse(view, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
            }
        } else if (op == QLatin1String("key")) {
            Qt::Key key;
            QString text;
            if (!KeyOf(args.at(0).toString(), &key, &text)) {
                return {QStringLiteral("probe: the probe asked for an unknown key ") + args.at(0).toString()};
            }
            SendKey(view, args.at(0).toString());
        } else if (op == QLatin1String("type")) {
            const QString text = args.at(0).toString();
            for (int i = 0; i < text.size(); ++i) {
                const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                SendKey(view, text.mid(i, length));
                i += length - 1;
                Wait(10);
            }
        } else if (op == QLatin1String("snapshot")) {
            const QImage image = view.grab().toImage();
            answer = QString::fromLatin1(
                QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                         QCryptographicHash::Sha1)
                    .toHex());
        } else {
            return {QStringLiteral("probe: the probe's driver asked for an unknown operation ") + op};
        }
        // Qt hands the input to the page's renderer on its own time: give it a moment.
        Wait(50);
        const QString value = QString::fromUtf8(QJsonDocument(QJsonArray{answer}).toJson(QJsonDocument::Compact));
        page.runJavaScript(QStringLiteral("window.__zentravaResolve(%1, %2[0])").arg(ask["id"].toInt()).arg(value));
    }
    return {QStringLiteral("probe: the probe did not finish within %1 s").arg(timeoutMs / 1000)};
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
    view.activateWindow();
    view.setFocus();
    const int loadTimeoutMs = request.contains("timeout") ? request["timeout"].toDouble() * 1000 : kLoadTimeoutMs;

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
    QTimer::singleShot(loadTimeoutMs, &loop, &QEventLoop::quit);
    page->load(QUrl::fromLocalFile(pagePath));
    loop.exec();

    if (!finished) {
        result["failure"] = QStringLiteral("the page did not finish loading within %1 s").arg(loadTimeoutMs / 1000);
    } else if (!ok) {
        result["failure"] = QStringLiteral("the page failed to load");
    } else {
        // Let the page's start-up timers run, then work the pointer.
        Wait(300);
        const QPoint corner = PointOf(request["corner"]);
        // A pointer effect must answer the pointer here too: some picture
        // taken while the pointer sweeps, clicks or comes back differs from
        // the page before.
        const bool pointer = request["pointer"].toBool();
        const QImage before = pointer ? view.grab().toImage() : QImage();
        bool answered = false;
        auto look = [&] {
            if (pointer && !answered) answered = view.grab().toImage() != before;
        };
        const QJsonArray sweep = request["sweep"].toArray();
        for (qsizetype i = 0; i < sweep.size(); ++i) {
            SendMouse(view, QEvent::MouseMove, PointOf(sweep.at(i)), Qt::NoButton, Qt::NoButton);
            Wait(25);
            look();
        }
        MoveAlong(view, QJsonArray{request["corner"]});
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
            SendMouse(view, QEvent::MouseButtonPress, corner, b, b);
            Wait(50);
            SendMouse(view, QEvent::MouseButtonRelease, corner, b, Qt::NoButton);
            Wait(150);
            look();
        }
        MoveAlong(view, request["back"].toArray());
        look();
        if (pointer && !answered) {
            page->errors.append(QStringLiteral("pointer: nothing on the page changed while the pointer moved over it"));
        }
        Wait(800);
        const bool saved = view.grab().save(request["png"].toString(), "PNG");
        result["screenshot"] = saved;
        if (request.contains("probe") && !crashed) {
            const int probeMs = request.contains("probe_timeout") ? request["probe_timeout"].toDouble() * 1000
                                                                    : kProbeTimeoutMs;
            result["probe"] = RunProbe(view, *page, request["probe"].toString(), probeMs);
            if (!crashed) {
                Wait(600);  // let what the probe opened finish sliding or fading in
                result["screenshot"] = view.grab().save(request["png"].toString(), "PNG");
            }
        }
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
