// The code window's views: colours (display only), line numbers, finding
// text, and long pages coloured only where they are seen.
#include <QtTest>

#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "output/code_highlighter.h"
#include "output/code_view.h"

using namespace zentrava::desktop;

namespace {

using Kind = CodeHighlighter::Kind;

// The kinds of a line's characters, one letter each: '.' plain, t tag,
// a attribute, s string, c comment, k keyword.
QString Lexed(const QString& line, CodeHighlighter::State state) {
    std::vector<CodeHighlighter::Span> spans;
    CodeHighlighter::Lex(line, state, &spans);
    QString shown(line.size(), QLatin1Char('.'));
    for (const auto& s : spans) {
        for (int i = s.start; i < s.start + s.length; ++i) shown[i] = QLatin1Char("tasck"[s.kind]);
    }
    return shown;
}

bool Coloured(const QTextBlock& block) { return !block.layout()->formats().isEmpty(); }

}  // namespace

class CodeViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesAreReadAsHtmlScriptAndStyle_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("end");
        using S = CodeHighlighter;
        QTest::newRow("tag and attributes") << "<a href=\"x.htm\" id=m>Go</a>" << int(S::kHtml)
                                            << "tt.aaaa.sssssss.aa.st..tttt" << int(S::kHtml);
        QTest::newRow("comment over lines") << "x <!-- a" << int(S::kHtml) << "..cccccc" << int(S::kHtmlComment);
        QTest::newRow("comment ends") << "b --> <p>" << int(S::kHtmlComment) << "ccccc.ttt" << int(S::kHtml);
        QTest::newRow("script starts") << "<script type='t'>var" << int(S::kHtml)
                                       << "ttttttt.aaaa.ssstkkk" << int(S::kScript);
        QTest::newRow("keywords, strings, comment") << "if (a) return \"</p>\"; // x" << int(S::kScript)
                                                    << "kk.....kkkkkk.ssssss..cccc" << int(S::kScript);
        QTest::newRow("names are not keywords") << "variable=forEach" << int(S::kScript) << "................"
                                                << int(S::kScript);
        QTest::newRow("block comment open") << "x=1; /* a" << int(S::kScript) << ".....cccc" << int(S::kScriptComment);
        QTest::newRow("script ends") << "*/ }</script><b>" << int(S::kScriptComment) << "cc..tttttttttttt" << int(S::kHtml);
        QTest::newRow("style property") << "a { color: 'red' }" << int(S::kStyle) << "....aaaaa..sssss.."
                                        << int(S::kStyle);
        QTest::newRow("tag over lines") << "<img src=\"a.gif\"" << int(S::kHtml) << "tttt.aaa.sssssss"
                                        << int(S::kInTag);
        QTest::newRow("escaped quote") << "s='it\\'s'" << int(S::kScript) << "..sssssss" << int(S::kScript);
    }
    void linesAreReadAsHtmlScriptAndStyle() {
        QFETCH(QString, line);
        QFETCH(int, state);
        QFETCH(QString, shown);
        QFETCH(int, end);
        QCOMPARE(Lexed(line, CodeHighlighter::State(state)), shown);
        QCOMPARE(int(CodeHighlighter::Lex(line, CodeHighlighter::State(state), nullptr)), end);
    }

    // The view shows the colours and leaves the text as it was.
    void viewColoursWithoutTouchingTheText() {
        CodeView view;
        view.resize(400, 300);
        view.show();
        const QString text = QStringLiteral("<script>\r\n/* a\r\nb */ var s = \"x\";\n</script>\n<p class=x>é</p>");
        view.setPlainText(text);
        QCoreApplication::processEvents();
        QCOMPARE(view.toPlainText(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(!view.document()->isModified());
        QTextCharFormat formats[CodeHighlighter::kKinds];
        {
            // The formats the highlighter uses, read from a line of each kind.
            const QTextBlock first = view.document()->firstBlock();
            formats[CodeHighlighter::kTag] = first.layout()->formats().value(0).format;
        }
        QVERIFY(formats[CodeHighlighter::kTag].foreground().color() != QColor(Qt::black));
        const QTextBlock second = view.document()->findBlockByNumber(1);
        const QTextBlock third = view.document()->findBlockByNumber(2);
        QCOMPARE(second.layout()->formats().size(), 1);           // all comment
        QCOMPARE(third.layout()->formats().value(0).start, 0);    // the comment goes on
        QCOMPARE(third.layout()->formats().value(0).length, 4);
        QVERIFY(third.layout()->formats().size() >= 3);           // then a keyword and a string
        QVERIFY(view.LineNumbers()->isVisible());
        QVERIFY(view.LineNumbers()->width() >= view.fontMetrics().horizontalAdvance(QStringLiteral("999")));
    }

    // A page of 100,000 lines: lines out of sight stay plain until they are
    // shown, then they are coloured as what they are (here, inside a script).
    void longPagesAreColouredWhereTheyAreSeen() {
        CodeView view;
        view.resize(400, 300);
        view.show();
        QString text = QStringLiteral("<script>\n");
        for (int i = 0; i < 100000; ++i) text += QStringLiteral("var item%1 = \"Entry\";\n").arg(i);
        text += QStringLiteral("</script>");
        view.setPlainText(text);
        QCoreApplication::processEvents();
        QTextDocument* doc = view.document();
        auto colouredCount = [doc] {
            int n = 0;
            for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) n += Coloured(b);
            return n;
        };
        QVERIFY(Coloured(doc->findBlockByNumber(1)));
        QVERIFY(!Coloured(doc->findBlockByNumber(50000)));
        QVERIFY(colouredCount() < 500);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        const QTextBlock last = doc->findBlockByNumber(100000);
        QVERIFY(Coloured(last));
        // "var" as a keyword: the line is known to stand inside the script.
        QCOMPARE(last.layout()->formats().value(0).start, 0);
        QCOMPARE(last.layout()->formats().value(0).length, 3);
        // An edit colours its own line again, not the page.
        const int before = colouredCount();
        QTextCursor cursor(doc->findBlockByNumber(99990));
        cursor.insertText(QStringLiteral("x"));
        QCoreApplication::processEvents();
        QVERIFY(colouredCount() <= before + 1);
        QVERIFY(!Coloured(doc->findBlockByNumber(50000)));
    }

    void ctrlFFindsAndF3FindsTheNext() {
        CodeView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setPlainText(QStringLiteral("alpha\nbeta alpha\ngamma"));
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(view.FindLine()->isVisible());
        QTest::keyClicks(view.FindLine(), QStringLiteral("alpha"));
        QCOMPARE(view.textCursor().selectionStart(), 0);
        QTest::keyClick(view.FindLine(), Qt::Key_F3);
        QCOMPARE(view.textCursor().selectionStart(), 11);
        QTest::keyClick(view.FindLine(), Qt::Key_F3);  // round the end
        QCOMPARE(view.textCursor().selectionStart(), 0);
        QTest::keyClick(view.FindLine(), Qt::Key_Escape);
        QVERIFY(!view.FindLine()->isVisible());
        QVERIFY(view.hasFocus());
        QTest::keyClick(&view, Qt::Key_F3);  // F3 in the text goes on with the same word
        QCOMPARE(view.textCursor().selectionStart(), 11);
        view.FindLine()->setText(QStringLiteral("delta"));
        QVERIFY(!view.FindNext());
        QCOMPARE(view.textCursor().selectionStart(), 11);  // the selection stays
        QCOMPARE(view.toPlainText(), QStringLiteral("alpha\nbeta alpha\ngamma"));
    }
};

QTEST_MAIN(CodeViewTest)
#include "tst_code_view.moc"
