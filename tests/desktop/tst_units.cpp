// The desktop's small pieces: text conversion, system colours, the process
// environment for the browser.
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "app/environment.h"
#include "app/language.h"
#include "app/services.h"
#include "effects/controls.h"
#include "output/system_colors.h"
#include "output/text_codec.h"

using namespace zentrava;
using namespace zentrava::desktop;

class UnitsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InstallSystemColorResolver(); }
    void cleanupTestCase() { SetSystemColorResolver(nullptr); }

    void bytesShowAsUtf8OrByteForByte() {
        QCOMPARE(FromBytes("caf\xc3\xa9"), QStringLiteral("café"));
        QCOMPARE(FromBytes("caf\xe9"), QStringLiteral("café"));  // not UTF-8: Latin-1
        QCOMPARE(FromBytes("\xe5\xae\x8b\xe4\xbd\x93"), QStringLiteral("宋体"));
        QCOMPARE(ToBytes(QStringLiteral("café")), std::string("caf\xc3\xa9"));
        QCOMPARE(FromBytes(std::string("a\0b", 3)).size(), 3);
    }

    void textBoxLines() {
        QCOMPARE(JoinToText(std::vector<std::string>{"a", "", "b"}), QStringLiteral("a\n\nb"));
        QCOMPARE(SplitText(QStringLiteral("a\n\nb")), (std::vector<std::string>{"a", "", "b"}));
        QCOMPARE(SplitText(QStringLiteral("a\n")), (std::vector<std::string>{"a"}));
        QCOMPARE(SplitText(QString()), std::vector<std::string>{});
        QCOMPARE(SplitText(QStringLiteral("\n")), std::vector<std::string>{""});
    }

    void systemColoursComeFromThePalette() {
        const QPalette palette = QApplication::palette();
        QCOMPARE(SystemColor(colors::kSysWindow), palette.color(QPalette::Active, QPalette::Base));
        QCOMPARE(SystemColor(colors::kSysWindowText), palette.color(QPalette::Active, QPalette::Text));
        QCOMPARE(SystemColor(colors::kSysHighlight), palette.color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(SystemColor(colors::kSysBtnFace), palette.color(QPalette::Active, QPalette::Button));
        QCOMPARE(ToQColor(colors::kBtnFace), palette.color(QPalette::Active, QPalette::Button));

        // A changed palette is read at the time of use.
        QPalette changed = palette;
        changed.setColor(QPalette::Base, QColor(0x12, 0x34, 0x56));
        QApplication::setPalette(changed);
        QCOMPARE(ColorToHex(colors::kWindow), std::string("123456"));
        QApplication::setPalette(palette);
    }

    void colourValuesAndQColors() {
        QCOMPARE(FromQColor(QColor(0xFF, 0, 0)), colors::kRed);
        QCOMPARE(FromQColor(QColor(0, 0x40, 0x80)), TColor(8404992));
        QCOMPARE(ToQColor(8404992), QColor(0, 0x40, 0x80));
        QCOMPARE(ToQColor(colors::kOrange), QColor(0xFF, 0x80, 0));
        QCOMPARE(FromQColor(QColor::fromHsv(120, 255, 255)), colors::kLime);
    }

    void fileFilters() {
        // Names that show their patterns keep them once; every file is offered last.
        QCOMPARE(QtFileFilter(QStringLiteral("静态鼠标(*.cur)|*.cur|动态鼠标(*.ani)|*.ani")),
                 QStringLiteral("静态鼠标(*.cur);;动态鼠标(*.ani);;All files (*)"));
        QCOMPARE(QtFileFilter(QStringLiteral("Pictures(*.jpg;*.gif)|*.jpg;*.gif|All(*.*)|*.*")),
                 QStringLiteral("Pictures(*.jpg *.gif);;All(*.*)"));
        QCOMPARE(QtFileFilter(QStringLiteral("Pages|*.htm;*.html|Old (*.x)|*.y")),
                 QStringLiteral("Pages (*.htm *.html);;Old (*.x) (*.y);;All files (*)"));
        QCOMPARE(QtFileFilter(QString()), QString());
        QVERIFY(PictureFilter().contains(QStringLiteral("*.png")));
        QVERIFY(PictureFilter().contains(QStringLiteral("*.jpg")));

        QTemporaryDir dir;
        QCOMPARE(PictureFolder(dir.path()), dir.path());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("image")));
        QCOMPARE(PictureFolder(dir.path()), dir.path() + QStringLiteral("/image"));
    }

    void fontFamiliesAsStyleSheetsNameThem() {
        QCOMPARE(CssFamilyNames({QStringLiteral("C059 [urw]"), QStringLiteral("DejaVu Sans"), QStringLiteral("C059 [other]"),
                                 QStringLiteral("arial"), QStringLiteral("Arial [Monotype]"), QStringLiteral("Odd [x] Name"),
                                 QString()}),
                 (QStringList{QStringLiteral("arial"), QStringLiteral("C059"), QStringLiteral("DejaVu Sans"),
                              QStringLiteral("Odd [x] Name")}));
    }

    // The real launcher call, with a stand-in xdg-open on the PATH.
    void openUrlReportsALauncherThatFails() {
        QTemporaryDir bin;
        const QString launcher = bin.filePath(QStringLiteral("xdg-open"));
        auto writeLauncher = [&](const char* status) {
            QFile f(launcher);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray("#!/bin/sh\necho \"$1\" > \"$0.arg\"\nexit ") + status + "\n");
            f.close();
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        };
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        DesktopServices services;
        QObject context;
        for (const char* status : {"4", "0"}) {
            writeLauncher(status);
            bool failed = false;
            QVERIFY(services.OpenUrl(QUrl::fromLocalFile(QStringLiteral("/tmp/a page.htm")), &context,
                                     [&failed] { failed = true; }));
            QTRY_VERIFY(QFile::exists(launcher + QStringLiteral(".arg")));
            QTest::qWait(200);  // the exit status arrives after the file
            QCOMPARE(failed, QByteArray(status) != "0");
            QFile arg(launcher + QStringLiteral(".arg"));
            QVERIFY(arg.open(QIODevice::ReadOnly));
            QCOMPARE(arg.readAll(), QByteArray("/tmp/a page.htm\n"));
            arg.remove();
        }
        qputenv("PATH", path);
    }

    void environmentForTheBrowserKeepsUserSettings() {
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--enable-gpu-rasterization");
        PrepareEnvironment();
        QCOMPARE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"), geteuid() == 0);
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray("--enable-gpu-rasterization"));

        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "0");
        PrepareEnvironment();
        QCOMPARE(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), QByteArray("0"));
        struct stat info {};
        const bool gpu = stat("/dev/dri", &info) == 0;
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), gpu ? QByteArray() : QByteArray("--disable-gpu"));
    }

    // The interface language from the desktop's locale: LANGUAGE's list
    // first (unless the locale is C), then LC_ALL, LC_MESSAGES, LANG;
    // --lang wins over all of them.
    void languageFollowsTheLocale_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("expected");
        QTest::newRow("simplified") << QByteArray() << QByteArray() << QByteArray("zh_CN.UTF-8") << "zh_CN";
        QTest::newRow("taiwan") << QByteArray() << QByteArray() << QByteArray("zh_TW.UTF-8") << "zh_TW";
        QTest::newRow("hong kong") << QByteArray() << QByteArray() << QByteArray("zh_HK.UTF-8") << "zh_TW";
        QTest::newRow("singapore") << QByteArray() << QByteArray() << QByteArray("zh_SG") << "zh_CN";
        QTest::newRow("other language") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "en";
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "en";
        QTest::newRow("LANGUAGE list") << QByteArray("fr:zh_TW:en") << QByteArray() << QByteArray("de_DE.UTF-8")
                                       << "zh_TW";
        QTest::newRow("LANGUAGE under C") << QByteArray("zh_CN") << QByteArray("C") << QByteArray("zh_TW") << "en";
        QTest::newRow("LC_ALL over LANG") << QByteArray() << QByteArray("zh_CN.UTF-8") << QByteArray("en_GB") << "zh_CN";
    }
    void languageFollowsTheLocale() {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lang);
        QFETCH(QString, expected);
        const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
        auto set = [](const char* name, const QByteArray& value) {
            if (value.isEmpty()) qunsetenv(name);
            else qputenv(name, value);
        };
        set("LANGUAGE", language);
        set("LC_ALL", lcAll);
        set("LC_MESSAGES", {});
        set("LANG", lang);
        QCOMPARE(LanguageFromEnvironment(), expected);
        QCOMPARE(StartLanguage(QStringLiteral("zh-tw")), QStringLiteral("zh_TW"));
        set("LANGUAGE", saved[0]);
        set("LC_ALL", saved[1]);
        set("LC_MESSAGES", saved[2]);
        set("LANG", saved[3]);
    }

    // Engine errors in the error box: translated around the file name, which stays as it is.
    void errorTextsAreTranslatedAroundTheFileName() {
        QCOMPARE(ErrorText("Cannot open file /p/x.dat"), QStringLiteral("Cannot open file /p/x.dat."));
        SetTranslationsFolder(QStringLiteral(ZENTRAVA_TRANSLATIONS_DIR));
        QVERIFY(SetInterfaceLanguage(QStringLiteral("zh_TW")));
        QCOMPARE(ErrorText("Cannot open file /p/x.dat"), QStringLiteral("無法開啟檔案 /p/x.dat。"));
        QCOMPARE(ErrorText("List index out of bounds (4)"), QStringLiteral("清單索引超出範圍（4）"));
        QCOMPARE(ErrorText("Something else"), QStringLiteral("Something else."));
        QCOMPARE(InterfaceNameScript(), NameScript::Traditional);
        QVERIFY(SetInterfaceLanguage(QStringLiteral("en")));
        QCOMPARE(ErrorText("List index out of bounds (4)"), QStringLiteral("List index out of bounds (4)"));
        // A language whose translation is missing leaves the interface English.
        SetTranslationsFolder(QStringLiteral("/nonexistent"));
        QVERIFY(!SetInterfaceLanguage(QStringLiteral("zh_CN")));
        QCOMPARE(InterfaceLanguage(), QStringLiteral("en"));
    }
};

QTEST_MAIN(UnitsTest)
#include "tst_units.moc"
