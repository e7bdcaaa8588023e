// The whole test taken as a student takes it: mouse clicks on the endings and on Next,
// letters chosen with the keyboard, answers typed key by key, then Finish and the tabs.

#include "student.h"
#include "testutil.h"

#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

using testutil::widget;

namespace {

// A click on the part of a radio button that reacts: its circle and its text.
void clickRadio(QWidget *window, const char *name)
{
    auto *button = widget<QRadioButton>(window, QString::fromLatin1(name));
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect clickable = button->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, clickable.center());
}

// Arrow keys on a focused box: Down from the empty state lands on the first letter.
QString chooseWithArrows(QWidget *window, const char *name, int downs, int ups = 0)
{
    auto *box = widget<QComboBox>(window, QString::fromLatin1(name));
    box->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    for (int i = 0; i < ups; ++i)
        QTest::keyClick(box, Qt::Key_Up);
    return box->currentText();
}

// Typing a letter on a focused box picks the first item that starts with it.
QString chooseByLetter(QWidget *window, const QString &name, char letter)
{
    auto *box = widget<QComboBox>(window, name);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, letter);
    return box->currentText();
}

void type(QWidget *window, const QString &name, const QString &text)
{
    auto *edit = widget<QTextEdit>(window, name);
    testutil::click(edit->viewport());
    QTest::keyClicks(edit, text);
}

QLabel *label(QWidget *window, const char *name)
{
    return widget<QLabel>(window, QString::fromLatin1(name));
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void studentTakesTheTest();
};

void TestEndToEnd::studentTakesTheTest()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;

    // The reading passage, then task I: three right, one wrong, one left open.
    testutil::clickNext(&w);
    QCOMPARE(testutil::currentPage(&w), 1);
    clickRadio(&w, "rb1_2");
    clickRadio(&w, "rb2_1");
    clickRadio(&w, "rb2_3");  // changed her mind
    clickRadio(&w, "rb3_2");
    clickRadio(&w, "rb4_3");
    QVERIFY(widget<QRadioButton>(&w, "rb2_3")->isChecked());
    QVERIFY(!widget<QRadioButton>(&w, "rb2_1")->isChecked());

    // Task II with the arrow keys: five right, one wrong, item 5 left open.
    testutil::clickNext(&w);
    QCOMPARE(chooseWithArrows(&w, "comboBox_1", 7), QStringLiteral("g)"));
    QCOMPARE(chooseWithArrows(&w, "comboBox_2", 4), QStringLiteral("d)"));
    QCOMPARE(chooseWithArrows(&w, "comboBox_3", 2), QStringLiteral("b)"));
    QCOMPARE(chooseWithArrows(&w, "comboBox_4", 6, 1), QStringLiteral("e)"));
    QCOMPARE(chooseWithArrows(&w, "comboBox_6", 1), QStringLiteral("a)"));
    QCOMPARE(chooseWithArrows(&w, "comboBox_7", 6), QStringLiteral("f)"));

    // Task III by letters: all five right.
    testutil::clickNext(&w);
    const char taskIII[] = "bdeac";
    for (int k = 0; k < 5; ++k)
        QCOMPARE(chooseByLetter(&w, QStringLiteral("v3_%1").arg(k + 1), taskIII[k]),
                 QLatin1Char(taskIII[k]) + QStringLiteral(")"));

    // Task IV with the arrow keys: all seven right.
    testutil::clickNext(&w);
    const char *taskIV[] = {"v4_1", "v4_2", "v4_3", "v4_4", "v4_5", "v4_6", "v4_7"};
    const int downs[] = {5, 6, 4, 7, 1, 2, 3};
    for (int k = 0; k < 7; ++k)
        chooseWithArrows(&w, taskIV[k], downs[k]);

    // Task V by letters: "i) 84" for 551 is the one slip.
    testutil::clickNext(&w);
    const char taskV[] = "fkicladibe";
    for (int k = 0; k < 10; ++k)
        chooseByLetter(&w, QStringLiteral("v5_%1").arg(k + 1), taskV[k]);
    QCOMPARE(widget<QComboBox>(&w, "v5_6")->currentText(), QStringLiteral("a) 175"));
    QCOMPARE(widget<QComboBox>(&w, "v5_8")->currentText(), QStringLiteral("i) 84"));

    // Task VI: a capital in item 2, item 3 typed with a slip and corrected, item 10 left open.
    testutil::clickNext(&w);
    const QStringList taskVI = {QStringLiteral("sommes"),  QStringLiteral("Sais"),       QString(),
                                QStringLiteral("attends"), QStringLiteral("partez"),     QStringLiteral("remplissent"),
                                QStringLiteral("comprenons"), QStringLiteral("nous adressons"), QStringLiteral("fait")};
    for (int k = 0; k < taskVI.size(); ++k) {
        if (k == 2)
            continue;
        type(&w, k == 0 ? QStringLiteral("textEdit1") : QStringLiteral("textEdit_%1").arg(k + 1), taskVI[k]);
    }
    type(&w, QStringLiteral("textEdit_3"), QStringLiteral("dt"));
    QTest::keyClick(widget<QTextEdit>(&w, "textEdit_3"), Qt::Key_Backspace);
    QTest::keyClicks(widget<QTextEdit>(&w, "textEdit_3"), QStringLiteral("it"));
    QCOMPARE(widget<QTextEdit>(&w, "textEdit_3")->toPlainText(), QStringLiteral("dit"));

    // Task VII: "veut" forgotten in item 2.
    testutil::clickNext(&w);
    const QStringList taskVII = {QStringLiteral("elle me le donne"),   QStringLiteral("il me le donner"),
                                 QStringLiteral("donne-le-moi"),       QStringLiteral("il ne me le donne pas"),
                                 QStringLiteral("donnez-le-lui"),      QStringLiteral("je le lui donne")};
    for (int k = 0; k < taskVII.size(); ++k)
        type(&w, QStringLiteral("textEdit_%1").arg(k + 11), taskVII[k]);

    // Back once to check an answer, forward again, then Finish.
    testutil::clickBack(&w);
    QCOMPARE(widget<QTextEdit>(&w, "textEdit1")->toPlainText(), QStringLiteral("sommes"));
    testutil::clickNext(&w);
    QCOMPARE(testutil::currentPage(&w), 7);
    testutil::clickFinish(&w);

    // 3 + 5 + 5 + 7 + 9 + 8 + 5 right items.
    QCOMPARE(testutil::currentPage(&w), 8);
    QCOMPARE(label(&w, "label_mark")->text(), QStringLiteral("84"));
    QCOMPARE(label(&w, "label_mark_2")->text(), QStringLiteral("Bien!"));
    QCOMPARE(label(&w, "label_4")->text(), QStringLiteral("RÉSULTAT"));
    QCOMPARE(label(&w, "label_24")->text(), QStringLiteral("Au total: 100 points"));

    struct Shown {
        const char *label;
        QString text;
        const char *style;
    };
    const Shown results[] = {
        {"res_2", QStringLiteral(" c) à Cannes-Ecluse et à Saint-Cyr-au-Mont-d'Or. "), student::kGreen},
        {"res_3", QStringLiteral(" b) du Ministère de l’Intérieur;"), student::kRed},
        {"res_5", QStringLiteral(" Відповіді нема"), student::kRed},
        {"res_10", QStringLiteral("Відповіді нема"), student::kRed},
        {"res_25", QStringLiteral("f) 37"), student::kGreen},
        {"res_32", QStringLiteral("i) 84"), student::kRedTaskV},
        {"res_35", QStringLiteral("1. sommes"), student::kGreen},
        {"res_36", QStringLiteral("2. Sais"), student::kRed},
        {"res_37", QStringLiteral("3. dit"), student::kGreen},
        {"res_44", QStringLiteral("10. Відповіді нема"), student::kRed},
        {"res_46", QStringLiteral("2. il me le donner"), student::kRed},
        {"res_47", QStringLiteral("3. donne-le-moi"), student::kGreen},
    };
    for (const Shown &expected : results) {
        QCOMPARE(label(&w, expected.label)->text(), expected.text);
        QCOMPARE(label(&w, expected.label)->styleSheet(), QString::fromLatin1(expected.style));
    }
    QCOMPARE(label(&w, "res_6")->text(), widget<QLabel>(&w, "label_21")->text());
    QCOMPARE(label(&w, "res_11")->text(), widget<QLabel>(&w, "label_15")->text());
    QCOMPARE(label(&w, "res_11")->styleSheet(), QString::fromLatin1(student::kRed));

    // The student looks through the tabs with the mouse.
    auto *tabs = widget<QTabWidget>(&w, "tabWidget");
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(label(&w, "res")->isVisible());
    QTabBar *bar = tabs->tabBar();
    const char *firstResult[] = {"res", "res_6", "res_13", "res_18", "res_25", "res_35", "res_45"};
    for (int t = 6; t >= 0; --t) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(t).center());
        QCOMPARE(tabs->currentIndex(), t);
        QVERIFY(label(&w, firstResult[t])->isVisible());
    }
    int green = 0;
    for (int i = 0; i < 50; ++i)
        green += label(&w, qPrintable(student::resultName(i)))->styleSheet() == QLatin1String(student::kGreen);
    QCOMPARE(green, 42);
    QCOMPARE(correctCount, 42);
}

FRENCH_TEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
