// Tasks VI and VII: the typed-answer pages and their live marking, driven through real
// key events so every check also goes through the by-name binding of the slots.

#include "testutil.h"

#include "answer_key.h"
#include "scoring.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

struct GapRow {
    const char *before;
    QRect beforeGeometry;
    const char *beforeText;
    const char *infinitive;
    const char *edit;
    QRect editGeometry;
    const char *after;
    QRect afterGeometry;
    const char *afterText;
    const char *key;
};

struct WordRow {
    const char *label;
    const char *words;
    const char *edit;
    const char *key;
};

// Written out apart from the program's own tables, so a slip in either shows up here.
const GapRow kGapRows[] = {
    {"label_58", {10, 45, 101, 20}, "1. Nous", "(être)",
     "textEdit1", {120, 45, 141, 25}, "label_59", {260, 45, 141, 20}, "toujours à l’heure.", "sommes"},
    {"label_61", {10, 80, 121, 20}, "2. Je ne", "(savoir)",
     "textEdit_2", {130, 80, 141, 25}, "label_60", {280, 80, 221, 20}, "pas pourquoi elle est absente.", "sais"},
    {"label_64", {10, 115, 101, 20}, "3. Il lui", "(dire)",
     "textEdit_3", {120, 115, 141, 25}, "label_62", {260, 115, 141, 20}, "son adresse.", "dit"},
    {"label_63", {10, 150, 211, 20}, "4. Qui est-ce que tu", "(attendre)",
     "textEdit_4", {220, 150, 141, 25}, "label_65", {360, 150, 141, 20}, "?", "attends"},
    {"label_71", {10, 185, 121, 20}, "5. Quand", "(partir)",
     "textEdit_5", {140, 185, 141, 25}, "label_66", {280, 185, 141, 20}, "-vous pour la France?", "partez"},
    {"label_70", {10, 220, 171, 20}, "6. Les étudiants", "(remplir)",
     "textEdit_6", {180, 220, 141, 25}, "label_72", {320, 220, 191, 20}, "la salle de conférence.", "remplissent"},
    {"label_75", {10, 255, 151, 20}, "7. Nous", "(comprendre)",
     "textEdit_7", {160, 255, 141, 25}, "label_73", {300, 255, 141, 20}, "bien cette règle.", "comprenons"},
    {"label_74", {10, 290, 141, 20}, "8. Nous", "(s’adresser)",
     "textEdit_8", {150, 290, 141, 25}, "label_76", {290, 290, 141, 20}, "à notre professeur.", "nous adressons"},
    {"label_79", {10, 325, 81, 20}, "9. Il", "(faire)",
     "textEdit_9", {100, 325, 141, 25}, "label_77", {250, 325, 91, 20}, "des progrès.", "fait"},
    {"label_78", {10, 360, 101, 20}, "10. Tu", "(devoir)",
     "textEdit_10", {120, 360, 141, 25}, "label_80", {260, 360, 141, 20}, "être plus attentif.", "dois"},
};
const WordRow kWordRows[] = {
    {"label_82", "1)\telle / donne / le / me", "textEdit_11", "elle me le donne"},
    {"label_83", "2)\til / donner/ le me", "textEdit_12", "il veut me le donner"},
    {"label_84", "3)\tmoi / le / donne", "textEdit_13", "donne-le-moi"},
    {"label_85", "4)\til / pas / ne / donne / le / me", "textEdit_14", "il ne me le donne pas"},
    {"label_86", "5) lui / le / donnez", "textEdit_15", "donnez-le-lui"},
    {"label_87", "6)\tdonne / lui je / le", "textEdit_16", "je le lui donne"},
};
const char kTitleVI[] = "VI. Mettez au présent les verbes entre parenthèses:";
const char kTitleVII[] = "VII. Recomposez les phrases en rétablissant les “-”:";

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList editNames()
{
    QStringList names;
    for (const GapRow &row : kGapRows)
        names << u8(row.edit);
    for (const WordRow &row : kWordRows)
        names << u8(row.edit);
    return names;
}

int pageOf(const QString &edit)
{
    return editNames().indexOf(edit) < 10 ? 6 : 7;
}

QString keyOf(const QString &edit)
{
    for (const GapRow &row : kGapRows)
        if (edit == u8(row.edit))
            return u8(row.key);
    for (const WordRow &row : kWordRows)
        if (edit == u8(row.edit))
            return u8(row.key);
    return QString();
}

// "neutral", "right" or "wrong" when the sheet equals both the program's constant and the
// one written out above; otherwise the sheet itself, so a failure shows it.
QString lookOf(const QTextEdit *edit)
{
    const QString sheet = edit->styleSheet();
    const char *neutral = pageOf(edit->objectName()) == 6 ? testutil::kNeutralEditStyleVI : testutil::kNeutralEditStyleVII;
    if (sheet == u8(neutral))
        return QStringLiteral("neutral");
    if (sheet == u8(testutil::kRightAnswerStyle) && sheet == QLatin1String(answer::rightAnswerStyle))
        return QStringLiteral("right");
    if (sheet == u8(testutil::kWrongAnswerStyle) && sheet == QLatin1String(answer::wrongAnswerStyle))
        return QStringLiteral("wrong");
    return sheet;
}

// Real key presses; line breaks and tabs as the keys that make them.
void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(target, Qt::Key_Return);
        else if (c == QLatin1Char('\t'))
            QTest::keyClick(target, Qt::Key_Tab);
        else
            QTest::keyClicks(target, QString(c));
    }
}

void clearByKeys(QWidget *target)
{
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
}

// The rendered text of a rich-text label and the format of each of its characters.
struct Rendered {
    QString text;
    QVector<QTextCharFormat> formats;
};

Rendered render(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    Rendered result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin()) {
            result.text += QLatin1Char('\n');
            result.formats << QTextCharFormat();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            result.text += fragment.text();
            for (int i = 0; i < fragment.length(); ++i)
                result.formats << fragment.charFormat();
        }
    }
    return result;
}

bool isBold(const QTextCharFormat &format)
{
    return format.fontWeight() >= QFont::DemiBold;
}

// Empty, neutral, plain text only, no font of its own, and Tab typed as text.
bool isFreshEdit(const QTextEdit *edit)
{
    return !edit->acceptRichText() && lookOf(edit) == QLatin1String("neutral")
           && !edit->testAttribute(Qt::WA_SetFont) && edit->toPlainText().isEmpty()
           && edit->placeholderText().isEmpty() && !edit->tabChangesFocus();
}

} // namespace

class TypedAnswersTest : public QObject
{
    Q_OBJECT

private:
    // The shown page of the edit, with the edit focused for typing. Never null: the helpers
    // end the test where they cannot do their part.
    QTextEdit *openEdit(QWidget *window, const QString &name)
    {
        testutil::goToPage(window, pageOf(name));
        QTextEdit *edit = testutil::widget<QTextEdit>(window, name);
        edit->setFocus(Qt::OtherFocusReason);
        return edit;
    }

private slots:
    void pageSixItems_data();
    void pageSixItems();
    void pageSevenItems_data();
    void pageSevenItems();
    void panelsAndTitles();
    void pageSevenColumns();
    void focusChainFollowsItems();
    void typingMarksEveryPrefix_data();
    void typingMarksEveryPrefix();
    void wrongForms_data();
    void wrongForms();
    void emptiedAfterTyping_data();
    void emptiedAfterTyping();
    void correctionTurnsGreen();
    void untouchedEditsStayNeutral();
    void pasteJudgedLikeTyping_data();
    void pasteJudgedLikeTyping();
    void textSurvivesNavigation_data();
    void textSurvivesNavigation();
    void megabytePaste_data();
    void megabytePaste();
};

void TypedAnswersTest::pageSixItems_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < 10; ++row)
        QTest::newRow(kGapRows[row].edit) << row;
}

void TypedAnswersTest::pageSixItems()
{
    QFETCH(int, row);
    const GapRow &item = kGapRows[row];
    MainWindow window;

    auto *before = testutil::widget<QLabel>(&window, u8(item.before));
    auto *edit = testutil::widget<QTextEdit>(&window, u8(item.edit));
    auto *after = testutil::widget<QLabel>(&window, u8(item.after));
    QVERIFY(before && edit && after);
    for (QWidget *w : {static_cast<QWidget *>(before), static_cast<QWidget *>(edit), static_cast<QWidget *>(after)})
        QCOMPARE(w->parentWidget()->objectName(), QStringLiteral("grammaire6"));
    QCOMPARE(before->geometry(), item.beforeGeometry);
    QCOMPARE(edit->geometry(), item.editGeometry);
    QCOMPARE(after->geometry(), item.afterGeometry);

    // Text, a space, the infinitive: all bold, only the infinitive italic.
    const Rendered shownBefore = render(before->text());
    const QString text = u8(item.beforeText);
    QCOMPARE(shownBefore.text, text + QLatin1Char(' ') + u8(item.infinitive));
    for (int i = 0; i < shownBefore.text.size(); ++i) {
        QVERIFY2(isBold(shownBefore.formats[i]), qPrintable(shownBefore.text.left(i + 1)));
        if (i != text.size())
            QCOMPARE(shownBefore.formats[i].fontItalic(), i > text.size());
    }
    const Rendered shownAfter = render(after->text());
    QCOMPARE(shownAfter.text, u8(item.afterText));
    for (const QTextCharFormat &format : shownAfter.formats)
        QVERIFY(isBold(format) && !format.fontItalic());
    for (QLabel *label : {before, after}) {
        QCOMPARE(label->font().family(), QStringLiteral("Trebuchet MS"));
        QVERIFY(label->wordWrap());
    }

    QVERIFY(isFreshEdit(edit));
}

void TypedAnswersTest::pageSevenItems_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < 6; ++row)
        QTest::newRow(kWordRows[row].edit) << row;
}

void TypedAnswersTest::pageSevenItems()
{
    QFETCH(int, row);
    const WordRow &item = kWordRows[row];
    MainWindow window;

    auto *label = testutil::widget<QLabel>(&window, u8(item.label));
    auto *edit = testutil::widget<QTextEdit>(&window, u8(item.edit));
    auto *words = window.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    auto *answers = window.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_2"));
    QVERIFY(label && edit && words && answers);
    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("layoutWidget"));
    QCOMPARE(edit->parentWidget()->objectName(), QStringLiteral("layoutWidget"));
    QCOMPARE(words->indexOf(label), row);
    QCOMPARE(answers->indexOf(edit), row);

    // The tab is kept in the stored text; the rendering shows it as one space.
    const QString list = u8(item.words);
    QVERIFY2(label->text().contains(list), qPrintable(label->text()));
    const Rendered shown = render(label->text());
    QCOMPARE(shown.text, QString(list).replace(QLatin1Char('\t'), QLatin1Char(' ')));
    for (const QTextCharFormat &format : shown.formats)
        QVERIFY(isBold(format) && !format.fontItalic());
    QCOMPARE(label->font().family(), QStringLiteral("Trebuchet MS"));
    QVERIFY(label->wordWrap());

    QVERIFY(isFreshEdit(edit));
}

void TypedAnswersTest::panelsAndTitles()
{
    MainWindow window;
    auto *stack = testutil::widget<QStackedWidget>(&window, QStringLiteral("stackedWidget"));
    const struct {
        int page;
        const char *pageName;
        const char *panel;
        int width;
        const char *title;
        QRect titleGeometry;
        bool wrap;
        const char *text;
    } pages[] = {
        {6, "stacked_grammaire6", "grammaire6", 770, "label_50", {20, 10, 771, 21}, true, kTitleVI},
        {7, "stacked_grammaire7", "grammaire7", 771, "label_81", {20, 20, 711, 21}, false, kTitleVII},
    };
    for (const auto &page : pages) {
        QCOMPARE(stack->widget(page.page)->objectName(), QLatin1String(page.pageName));
        auto *panel = testutil::widget<QWidget>(stack->widget(page.page), QLatin1String(page.panel));
        QCOMPARE(panel->geometry(), QRect(15, 0, page.width, 461));
        auto *title = testutil::widget<QLabel>(panel, QLatin1String(page.title));
        QCOMPARE(title->geometry(), page.titleGeometry);
        QCOMPARE(title->wordWrap(), page.wrap);
        const Rendered shown = render(title->text());
        QCOMPARE(shown.text, u8(page.text));
        for (const QTextCharFormat &format : shown.formats) {
            QVERIFY(isBold(format) && format.fontItalic());
            QCOMPARE(format.foreground().color(), QColor(0x00, 0x55, 0x7f));
        }
    }
    auto *box = testutil::widget<QWidget>(&window, QStringLiteral("layoutWidget"));
    QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("grammaire7"));
    QCOMPARE(box->geometry(), QRect(20, 50, 541, 231));
}

void TypedAnswersTest::pageSevenColumns()
{
    testutil::ShownWindow shown;
    testutil::goToPage(&shown.window, 7);
    QCOMPARE(testutil::currentPage(&shown.window), 7);
    auto *row = shown.window.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout_2"));
    auto *words = shown.window.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    auto *answers = shown.window.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_2"));
    QVERIFY(row && words && answers);
    QCOMPARE(row->parentWidget()->objectName(), QStringLiteral("layoutWidget"));
    QCOMPARE(row->indexOf(words), 0);
    QCOMPARE(row->indexOf(answers), 1);
    QCOMPARE(row->sizeConstraint(), QLayout::SetNoConstraint);
    QCOMPARE(row->spacing(), 6);
    QCOMPARE(row->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(words->spacing(), 6);
    QCOMPARE(words->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(answers->spacing(), 10);
    QCOMPARE(answers->contentsMargins(), QMargins(5, 5, 5, 5));

    // Two columns of equal width side by side: a word list and its edit on the same row.
    const QRect left = words->geometry();
    const QRect right = answers->geometry();
    QVERIFY2(qAbs(left.width() - right.width()) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(left.width()).arg(right.width())));
    QVERIFY(left.right() < right.left());
    for (const WordRow &item : kWordRows) {
        auto *label = testutil::widget<QLabel>(&shown.window, u8(item.label));
        auto *edit = testutil::widget<QTextEdit>(&shown.window, u8(item.edit));
        QVERIFY(label && edit);
        QCOMPARE(label->width(), left.width());
        QCOMPARE(edit->width(), right.width() - 10);
        QVERIFY2(label->geometry().contains(QPoint(label->x(), edit->geometry().center().y())), item.label);
    }
}

void TypedAnswersTest::focusChainFollowsItems()
{
    MainWindow window;
    const QStringList expected = editNames();
    auto *first = testutil::widget<QTextEdit>(&window, expected.first());
    QStringList chain;
    QWidget *w = first;
    do {
        if (qobject_cast<QTextEdit *>(w) && expected.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(chain, expected);
}

void TypedAnswersTest::typingMarksEveryPrefix_data()
{
    QTest::addColumn<QString>("edit");
    for (const QString &name : editNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TypedAnswersTest::typingMarksEveryPrefix()
{
    QFETCH(QString, edit);
    testutil::ShownWindow shown;
    QTextEdit *target = openEdit(&shown.window, edit);
    QTRY_VERIFY(target->hasFocus());
    QCOMPARE(lookOf(target), QStringLiteral("neutral"));

    const QString key = keyOf(edit);
    QVERIFY(!key.isEmpty());
    for (int i = 0; i < key.size(); ++i) {
        QTest::keyClicks(target, key.mid(i, 1));
        QCOMPARE(target->toPlainText(), key.left(i + 1));
        QCOMPARE(lookOf(target), i + 1 < key.size() ? QStringLiteral("wrong") : QStringLiteral("right"));
    }
}

void TypedAnswersTest::wrongForms_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::newRow("initial capital") << "textEdit1" << "Sommes";
    QTest::newRow("leading space") << "textEdit1" << " sommes";
    QTest::newRow("trailing space") << "textEdit1" << "sommes ";
    QTest::newRow("trailing line break") << "textEdit1" << "sommes\n";
    QTest::newRow("typed tab") << "textEdit_2" << "sais\t";
    QTest::newRow("tab inside") << "textEdit_9" << "fa\tit";
    QTest::newRow("two spaces") << "textEdit_8" << "nous  adressons";
    QTest::newRow("verb alone") << "textEdit_8" << "adressons";
    QTest::newRow("pronoun twice") << "textEdit_8" << "nous nous adressons";
    QTest::newRow("without hyphens") << "textEdit_13" << "donne le moi";
    QTest::newRow("spaced hyphens") << "textEdit_13" << "donne - le - moi";
    QTest::newRow("capital and hyphens") << "textEdit_13" << "Donne-le-moi";
    QTest::newRow("full stop") << "textEdit_13" << "donne-le-moi.";
    QTest::newRow("only the shown words") << "textEdit_12" << "il me le donner";
    QTest::newRow("line break in task VII") << "textEdit_16" << "je le lui donne\n";
}

void TypedAnswersTest::wrongForms()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    testutil::ShownWindow shown;
    QTextEdit *target = openEdit(&shown.window, edit);
    QTRY_VERIFY(target->hasFocus());

    typeText(target, typed);
    QCOMPARE(target->toPlainText(), typed);
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));
    // Tab is text here; it never moves the focus on.
    QVERIFY(target->hasFocus());
}

void TypedAnswersTest::emptiedAfterTyping_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("selectAll");
    QTest::newRow("backspaces, task VI") << "textEdit1" << false;
    QTest::newRow("select all and delete, task VII") << "textEdit_16" << true;
}

void TypedAnswersTest::emptiedAfterTyping()
{
    QFETCH(QString, edit);
    QFETCH(bool, selectAll);
    testutil::ShownWindow shown;
    QTextEdit *target = openEdit(&shown.window, edit);
    QTRY_VERIFY(target->hasFocus());

    const QString key = keyOf(edit);
    QTest::keyClicks(target, key);
    QCOMPARE(lookOf(target), QStringLiteral("right"));
    if (selectAll) {
        clearByKeys(target);
    } else {
        for (int left = key.size() - 1; left >= 0; --left) {
            QTest::keyClick(target, Qt::Key_Backspace);
            QCOMPARE(target->toPlainText(), key.left(left));
            QCOMPARE(lookOf(target), QStringLiteral("wrong"));
        }
    }
    QVERIFY(target->toPlainText().isEmpty());
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));
}

void TypedAnswersTest::correctionTurnsGreen()
{
    testutil::ShownWindow shown;
    QTextEdit *target = openEdit(&shown.window, QStringLiteral("textEdit_7"));
    QTRY_VERIFY(target->hasFocus());

    QTest::keyClicks(target, QStringLiteral("comprenonz"));
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));
    QTest::keyClick(target, Qt::Key_Backspace);
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));
    QTest::keyClicks(target, QStringLiteral("s"));
    QCOMPARE(lookOf(target), QStringLiteral("right"));
    // Undo and redo are changes too.
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(target->toPlainText(), QStringLiteral("comprenon"));
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));
    target->redo();
    QCOMPARE(lookOf(target), QStringLiteral("right"));
}

void TypedAnswersTest::untouchedEditsStayNeutral()
{
    testutil::ShownWindow shown;
    QTextEdit *six = openEdit(&shown.window, QStringLiteral("textEdit_5"));
    QTRY_VERIFY(six->hasFocus());
    QTest::keyClicks(six, QStringLiteral("partez"));
    QTextEdit *seven = openEdit(&shown.window, QStringLiteral("textEdit_14"));
    QTRY_VERIFY(seven->hasFocus());
    QTest::keyClicks(seven, QStringLiteral("il"));
    testutil::clickBack(&shown.window);
    QCOMPARE(testutil::currentPage(&shown.window), 6);

    for (const QString &name : editNames()) {
        auto *edit = testutil::widget<QTextEdit>(&shown.window, name);
        const QString expected = edit == six ? QStringLiteral("right")
                                 : edit == seven ? QStringLiteral("wrong")
                                                 : QStringLiteral("neutral");
        QCOMPARE(lookOf(edit), expected);
    }
}

void TypedAnswersTest::pasteJudgedLikeTyping_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("byShortcut");
    QTest::addColumn<QString>("look");
    QTest::newRow("bold key, Ctrl+V") << "textEdit1" << "<b>sommes</b>" << "sommes" << true << "right";
    QTest::newRow("italic capital, paste()") << "textEdit_3" << "<i>Dit</i>" << "Dit" << false << "wrong";
    QTest::newRow("coloured parts, Ctrl+V")
        << "textEdit_15" << "<span style=\"color:#ff0000; font-size:20pt\">donnez-le-</span><b>lui</b>"
        << "donnez-le-lui" << true << "right";
    QTest::newRow("two paragraphs, paste()")
        << "textEdit_13" << "<p><u>donne-le-moi</u></p><p></p>" << "donne-le-moi\n" << false << "wrong";
}

void TypedAnswersTest::pasteJudgedLikeTyping()
{
    QFETCH(QString, edit);
    QFETCH(QString, html);
    QFETCH(QString, plain);
    QFETCH(bool, byShortcut);
    QFETCH(QString, look);
    testutil::ShownWindow shown;
    QTextEdit *target = openEdit(&shown.window, edit);
    QTRY_VERIFY(target->hasFocus());

    auto *mime = new QMimeData;
    mime->setHtml(html);
    mime->setText(plain);
    QApplication::clipboard()->setMimeData(mime);
    QVERIFY(QApplication::clipboard()->mimeData()->hasHtml());
    if (byShortcut)
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    else
        target->paste();
    QCOMPARE(target->toPlainText(), plain);
    QCOMPARE(lookOf(target), look);
    // The formatting stayed behind.
    const Rendered pasted = render(target->toHtml());
    for (const QTextCharFormat &format : pasted.formats) {
        QVERIFY(!isBold(format) && !format.fontItalic() && !format.fontUnderline());
        QVERIFY(!format.hasProperty(QTextFormat::ForegroundBrush));
    }

    clearByKeys(target);
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));
    typeText(target, plain);
    QCOMPARE(target->toPlainText(), plain);
    QCOMPARE(lookOf(target), look);
}

void TypedAnswersTest::textSurvivesNavigation_data()
{
    QTest::addColumn<QString>("rightEdit");
    QTest::addColumn<QString>("wrongEdit");
    QTest::addColumn<QString>("wrongText");
    QTest::addColumn<QString>("route");
    QTest::newRow("task VI, Next and Back") << "textEdit_3" << "textEdit_4" << "attend" << "NB";
    QTest::newRow("task VI, back to the passage and on") << "textEdit_10" << "textEdit_9" << "fais"
                                                          << "BBBBBBNNNNNN";
    QTest::newRow("task VII, Back and Next") << "textEdit_12" << "textEdit_15" << "donnez le lui" << "BN";
    QTest::newRow("task VII, back to the passage and on") << "textEdit_11" << "textEdit_16" << "Je le lui donne"
                                                           << "BBBBBBBNNNNNNN";
}

void TypedAnswersTest::textSurvivesNavigation()
{
    QFETCH(QString, rightEdit);
    QFETCH(QString, wrongEdit);
    QFETCH(QString, wrongText);
    QFETCH(QString, route);
    testutil::ShownWindow shown;
    QTextEdit *right = openEdit(&shown.window, rightEdit);
    QTRY_VERIFY(right->hasFocus());
    QTest::keyClicks(right, keyOf(rightEdit));
    QTextEdit *wrong = openEdit(&shown.window, wrongEdit);
    QTRY_VERIFY(wrong->hasFocus());
    typeText(wrong, wrongText);

    const int page = pageOf(rightEdit);
    for (const QChar step : route) {
        if (step == QLatin1Char('N'))
            testutil::clickNext(&shown.window);
        else
            testutil::clickBack(&shown.window);
    }
    QCOMPARE(testutil::currentPage(&shown.window), page);
    QCOMPARE(right->toPlainText(), keyOf(rightEdit));
    QCOMPARE(lookOf(right), QStringLiteral("right"));
    QCOMPARE(wrong->toPlainText(), wrongText);
    QCOMPARE(lookOf(wrong), QStringLiteral("wrong"));
}

void TypedAnswersTest::megabytePaste_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("line");
    QTest::newRow("one paragraph, task VI") << "textEdit_8" << "nous adressons ";
    QTest::newRow("short lines, task VII") << "textEdit_13" << "donne-le-moi\n";
}

void TypedAnswersTest::megabytePaste()
{
    QFETCH(QString, edit);
    QFETCH(QString, line);
    testutil::ShownWindow shown;
    QTextEdit *target = openEdit(&shown.window, edit);
    QTRY_VERIFY(target->hasFocus());

    // One mebibyte of text that starts with the expected answer.
    const int size = 1 << 20;
    QString huge;
    huge.reserve(size + line.size());
    while (huge.size() < size)
        huge += line;
    huge.truncate(size);
    QApplication::clipboard()->setText(huge);

    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    const qint64 pasteMs = timer.elapsed();
    QCOMPARE(target->toPlainText().size(), size);
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));

    timer.restart();
    QCoreApplication::processEvents();
    const qint64 paintMs = timer.elapsed();

    // One marking on its own: the whole text, the comparison, the sheet.
    timer.restart();
    const QString text = target->toPlainText();
    const qint64 readMs = timer.elapsed();
    timer.restart();
    const bool right = answer::matchesKey(text, qPrintable(keyOf(edit)));
    target->setStyleSheet(QLatin1String(right ? answer::rightAnswerStyle : answer::wrongAnswerStyle));
    const qint64 markMs = readMs + timer.elapsed();
    QVERIFY(!right);
    // Far below what a student would notice, even on a busy machine.
    QVERIFY2(markMs < 250, qPrintable(QString::number(markMs)));

    timer.restart();
    QTest::keyClick(target, Qt::Key_Backspace);
    const qint64 keyMs = timer.elapsed();
    QCOMPARE(target->toPlainText().size(), size - 1);
    QCOMPARE(lookOf(target), QStringLiteral("wrong"));

    qInfo("1 MiB: paste with marking %lld ms, first paint %lld ms, marking alone %lld ms "
          "(toPlainText %lld ms), one more key %lld ms",
          pasteMs, paintMs, markMs, readMs, keyMs);
}

FRENCH_TEST_MAIN(TypedAnswersTest)
#include "tst_typed_answers.moc"
