// Finish: counting, points, grade and the filled result tabs. Every scenario is a data row
// and so its own process: correctCount is program-wide and only ever grows.

#include "student.h"
#include "testutil.h"

#include <QLabel>
#include <QTabWidget>
#include <QWindow>

#include <random>

using student::kItems;
using testutil::widget;

namespace {

QLabel *label(QWidget *w, const QString &name)
{
    return widget<QLabel>(w, name);
}

void finishFromLastPage(MainWindow &w)
{
    testutil::goToPage(&w, 7);
    testutil::clickFinish(&w);
}

// What a label shows: the rendered words of rich text, the exact characters of plain text.
QString rendered(const QString &text)
{
    return Qt::mightBeRichText(text) ? testutil::plainText(text) : text;
}

int greenLabels(QWidget *w)
{
    int green = 0;
    for (int i = 0; i < 50; ++i)
        green += label(w, student::resultName(i))->styleSheet() == QLatin1String(student::kGreen);
    return green;
}

// A reproducible mix of right, wrong and untouched items.
QByteArray seededMarks(unsigned seed)
{
    std::mt19937 generator(seed);
    QByteArray marks;
    for (int i = 0; i < 50; ++i)
        marks += "RW-"[generator() % 3];
    return marks;
}

// Everything a student entered, to compare before and after Finish.
QStringList answerState(QWidget *w)
{
    QStringList state;
    for (const student::Item &item : kItems) {
        if (item.kind == student::Radio) {
            const QString group = QString::fromLatin1(item.right).left(4);
            for (int b = 1; b <= 3; ++b)
                state << QString::number(widget<QRadioButton>(w, group + QString::number(b))->isChecked());
        } else if (item.kind == student::Combo) {
            state << QString::number(widget<QComboBox>(w, QString::fromLatin1(item.widget))->currentIndex());
        } else {
            auto *edit = widget<QTextEdit>(w, QString::fromLatin1(item.widget));
            state << edit->toPlainText() << edit->styleSheet();
        }
    }
    return state;
}

// A click where a button stands, delivered through the window as a user's would be.
void clickThroughWindow(MainWindow &w, const char *buttonName)
{
    QPushButton *target = testutil::button(&w, buttonName);
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(&w, target->rect().center()));
}

} // namespace

class TestFinish : public QObject
{
    Q_OBJECT

private slots:
    void finish_data();
    void finish();
    void taskItems_data();
    void taskItems();
    void typedAnswers_data();
    void typedAnswers();
    void headingsAndPrompts();
    void longAnswerWraps();
    void finalState();
    void finishOnlyFromTheLastPage();
};

void TestFinish::finish_data()
{
    QTest::addColumn<QByteArray>("marks");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("grade");

    auto row = [](const char *name, const char *pattern, const char *points, const char *grade) {
        QTest::newRow(name) << student::marks(pattern) << QString::fromLatin1(points) << QString::fromUtf8(grade);
    };
    row("nothing answered", "----- ------- ----- ------- ---------- ---------- ------", "0", "Mal!");
    row("everything right", "RRRRR RRRRRRR RRRRR RRRRRRR RRRRRRRRRR RRRRRRRRRR RRRRRR", "100", "Trés bien!");
    row("everything wrong", "WWWWW WWWWWWW WWWWW WWWWWWW WWWWWWWWWW WWWWWWWWWW WWWWWW", "0", "Mal!");
    row("48 right", "RRRRR RRRRWRR RRRRR RRRRRRR RRRRRRRRRR RRRRRRRRRR RR-RRR", "96", "Trés bien!");
    row("47 right", "RWRRR RRRRRRR RRRRR RRRRRRR RRRRRRRWRR RRRRRRRRR- RRRRRR", "94", "Bien!");
    row("38 right", "RRRRR RRRRRR- ----- RRRRRRR RRRRRRRRRR RRRRR-WWRW WWRRRR", "76", "Bien!");
    row("37 right", "RRRRR RRRRRR- ----- RRRRRRR RRRRRRRRRW RRRRR-WWRW WWRRRR", "74", "Passable!");
    row("25 right", "RRRRR RRRRRRR RRRRR RRWWWWW WWWWWWWWWW ---------- RRRRRR", "50", "Passable!");
    row("24 right", "RRRRR RRRRRRR RRRRR RWWWWWW WWWWWWWWWW ---------- RRRRRR", "48", "Mal!");
    // Boxes keyed to their first letter still count nothing while never touched.
    row("untouched boxes keyed a)", "RRRRR RRRR-RR RRR-R RRRR-RR RRRRR-RRRR RRRRRRRRRR RRRRRR", "92", "Bien!");
    row("wrong endings in task I only", "WWWWW ------- ----- ------- ---------- ---------- ------", "0", "Mal!");
    row("wrong endings, the rest right", "WWWWW RRRRRRR RRRRR RRRRRRR RRRRRRRRRR RRRRRRRRRR RRRRRR", "90", "Bien!");
    row("alternating", "RW-RW -RW-RW- RW-RW -RW-RW- RW-RW-RW-R W-RW-RW-RW -RW-RW", "34", "Mal!");
    row("typed only", "----- ------- ----- ------- ---------- RRRRRRRRRR RRRRRR", "32", "Mal!");
    for (unsigned seed : {7u, 2013u, 80600u}) {
        const QByteArray marks = seededMarks(seed);
        const int right = student::rightCount(marks);
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << marks << QString::number(2 * right) << QString::fromUtf8(student::gradeForItems(right));
    }
}

void TestFinish::finish()
{
    QFETCH(QByteArray, marks);
    QFETCH(QString, points);
    QFETCH(QString, grade);
    QCOMPARE(marks.size(), 50);

    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QVERIFY(student::giveAll(&w, marks));
    finishFromLastPage(w);

    QCOMPARE(correctCount, student::rightCount(marks));
    QCOMPARE(label(&w, "label_mark")->text(), points);
    QCOMPARE(label(&w, "label_mark_2")->text(), grade);
    for (int i = 0; i < 50; ++i) {
        QLabel *result = label(&w, student::resultName(i));
        const QString where = student::resultName(i) + QStringLiteral(" (mark ") + QLatin1Char(marks[i])
                              + QLatin1Char(')');
        QVERIFY2(result->text() == student::expectedText(&w, kItems[i], marks[i]),
                 qPrintable(where + QStringLiteral(": ") + result->text()));
        QVERIFY2(result->styleSheet() == student::expectedStyle(kItems[i], marks[i]),
                 qPrintable(where + QStringLiteral(": ") + result->styleSheet()));
    }
    QCOMPARE(greenLabels(&w), correctCount);
}

// For every task one right, one wrong and one untouched item, read as the student sees them.
void TestFinish::taskItems_data()
{
    QTest::addColumn<QList<int>>("items");  // indexes into the fifty
    QTest::addColumn<QByteArray>("itemMarks");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("task I") << QList<int>{0, 1, 2} << QByteArray("RW-")
                            << QStringList{QStringLiteral(" b) des cadres de police française et des cadres "
                                                          "supérieurs de police de pays partenaires; "),
                                           QStringLiteral(" a) à Saint-Cyr-au-Mont-d'Or;"),
                                           QStringLiteral(" Відповіді нема")};
    QTest::newRow("task II") << QList<int>{5, 6, 9} << QByteArray("RW-")
                             << QStringList{QStringLiteral("g) C’est vrai. Je suis en première année."),
                                            QStringLiteral("a) Mais non, j’étudie le français."),
                                            QStringLiteral("Відповіді нема")};
    QTest::newRow("task III") << QList<int>{12, 13, 15} << QByteArray("RW-")
                              << QStringList{QStringLiteral("b) карний розшук"),
                                             QStringLiteral("a) боротьба з економічними злочинами"),
                                             QStringLiteral("Відповіді нема")};
    QTest::newRow("task IV") << QList<int>{17, 18, 21} << QByteArray("RW-")
                             << QStringList{QStringLiteral("e) prendre part"), QStringLiteral("a) être situé"),
                                            QStringLiteral("Відповіді нема")};
    QTest::newRow("task V") << QList<int>{24, 31, 29} << QByteArray("RW-")
                            << QStringList{QStringLiteral("f) 37"), QStringLiteral("i) 84"),
                                           QStringLiteral("Відповіді нема")};
    QTest::newRow("task VI") << QList<int>{34, 43, 36} << QByteArray("RW-")
                             << QStringList{QStringLiteral("1. sommes"), QStringLiteral("10.  "),
                                            QStringLiteral("3. Відповіді нема")};
    QTest::newRow("task VII") << QList<int>{46, 44, 49} << QByteArray("RW-")
                              << QStringList{QStringLiteral("3. donne-le-moi"), QStringLiteral("1. Elle me le donne"),
                                             QStringLiteral("6. Відповіді нема")};
}

void TestFinish::taskItems()
{
    QFETCH(QList<int>, items);
    QFETCH(QByteArray, itemMarks);
    QFETCH(QStringList, texts);

    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    for (int i = 0; i < items.size(); ++i)
        QVERIFY(student::give(&w, kItems[items[i]], itemMarks[i]));
    finishFromLastPage(w);

    const bool taskV = kItems[items[0]].task == 5;
    const char *red = taskV ? student::kRedTaskV : student::kRed;
    for (int i = 0; i < items.size(); ++i) {
        QLabel *result = label(&w, student::resultName(items[i]));
        QCOMPARE(rendered(result->text()), texts[i]);
        QCOMPARE(result->styleSheet(), QString::fromLatin1(itemMarks[i] == 'R' ? student::kGreen : red));
    }
    QCOMPARE(correctCount, 1);
}

// Typed answers are judged on the whole text, and only an empty text is unanswered.
void TestFinish::typedAnswers_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right");

    QTest::newRow("key") << 34 << "sommes" << "1. sommes" << true;
    QTest::newRow("capital") << 34 << "Sommes" << "1. Sommes" << false;
    QTest::newRow("key and line break") << 34 << "sommes\n" << "1. sommes\n" << false;
    QTest::newRow("trailing space") << 34 << "sommes " << "1. sommes " << false;
    QTest::newRow("single space") << 35 << " " << "2.  " << false;
    QTest::newRow("erased") << 35 << "" << QString::fromUtf8("2. Відповіді нема") << false;
    QTest::newRow("pronoun and verb") << 41 << "nous adressons" << "8. nous adressons" << true;
    QTest::newRow("last of task VI") << 43 << "dois" << "10. dois" << true;
    QTest::newRow("hyphens") << 46 << "donne-le-moi" << "3. donne-le-moi" << true;
    QTest::newRow("without veut") << 45 << "il me le donner" << "2. il me le donner" << false;
    QTest::newRow("full stop") << 49 << "je le lui donne." << "6. je le lui donne." << false;
}

void TestFinish::typedAnswers()
{
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, right);

    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    auto *edit = widget<QTextEdit>(&w, QString::fromLatin1(kItems[item].widget));
    edit->setPlainText(QStringLiteral("x"));  // so "erased" really was typed into first
    edit->setPlainText(typed);
    finishFromLastPage(w);

    QLabel *result = label(&w, student::resultName(item));
    QCOMPARE(result->text(), text);
    QCOMPARE(result->styleSheet(), QString::fromLatin1(right ? student::kGreen : student::kRed));
    QCOMPARE(correctCount, right ? 1 : 0);
}

void TestFinish::headingsAndPrompts()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    finishFromLastPage(w);

    const QStringList headings = {
        QStringLiteral("I. Complétez les phrases en vous servant du texte:"),
        QStringLiteral("II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:"),
        QStringLiteral("III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"),
        QStringLiteral("IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:"),
        QStringLiteral("V. Faites correspondre les nombres suivants:"),
        QStringLiteral("VI. Mettez au présent les verbes entre parenthèses:"),
        QStringLiteral("VII. Recomposez les phrases en rétablissant les “-”:"),
    };
    const char *headingNames[] = {"exl1_2", "exv_2", "ex3", "exv_4", "exv_5", "exg_6", "exg_7"};
    for (int t = 0; t < 7; ++t)
        QCOMPARE(label(&w, headingNames[t])->text(), headings[t]);

    const QStringList fixedPrompts = {
        QStringLiteral(" 1. ENSP est le lieu de la formation ..."),
        QStringLiteral(" 2. ENSP est située ..."),
        QStringLiteral(" 3. ENSP dépend  ..."),
        QStringLiteral(" 4. ENSP assure une formation ..."),
        QStringLiteral(" 5. ENSP organise régulièrement des stages obligatoires ou facultatifs ..."),
        QStringLiteral("1. On dit que vous êtes étudiant."),
        QStringLiteral("2. À quelle faculté?"),
        QStringLiteral("3. Pourquoi avez-vous choisi le métier du policier?"),
        QStringLiteral("4. Qu’est-ce que vous apprenez à la faculté?"),
        QStringLiteral("5. Est-ce que vous étudiez l’anglais?"),
        QStringLiteral("6. Aimez- vous cette langue?"),
        QStringLiteral("7. Quel sont vos hobbys?"),
    };
    for (int i = 0; i < fixedPrompts.size(); ++i) {
        const QString name = i < 5 ? QStringLiteral("exl1_2_%1").arg(i + 1) : QStringLiteral("exv2_%1").arg(i - 4);
        QCOMPARE(label(&w, name)->text(), fixedPrompts[i]);
    }

    // Tasks III to V repeat their page's labels as stored, formatting included.
    struct Copied {
        const char *prompt;
        const char *page;
        int count;
    };
    for (const Copied &copied : {Copied{"exv3_%1", "label_3_%1", 5}, Copied{"exv4_%1", "label_4_%1", 7},
                                 Copied{"exv5_%1", "label_5_%1", 10}}) {
        for (int k = 1; k <= copied.count; ++k) {
            const QString source = label(&w, QString::fromLatin1(copied.page).arg(k))->text();
            QVERIFY(!source.isEmpty());
            QCOMPARE(label(&w, QString::fromLatin1(copied.prompt).arg(k))->text(), source);
        }
    }
    QCOMPARE(rendered(label(&w, "exv3_1")->text()), QStringLiteral("1) la recherche criminelle"));
    QCOMPARE(rendered(label(&w, "exv4_7")->text()), QStringLiteral("7) vivre"));
    QCOMPARE(rendered(label(&w, "exv5_10")->text()), QStringLiteral("10) deux mille-quatorze"));

    // Only the result labels change their look.
    const QString box = QString::fromLatin1(testutil::kResultBoxStyle);
    for (const char *name : headingNames)
        QCOMPARE(label(&w, name)->styleSheet(), box);
    QCOMPARE(label(&w, "exv5_3")->styleSheet(), box);
}

// A long answer breaks into lines inside its box; the box keeps the column's width.
void TestFinish::longAnswerWraps()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    const QString answer = QStringLiteral("je le lui donne parce que je le veux bien, et parce qu'il faut une phrase "
                                          "longue pour voir la boite passer a la ligne");
    widget<QTextEdit>(&w, "textEdit_16")->setPlainText(answer);
    finishFromLastPage(w);
    widget<QTabWidget>(&w, "tabWidget")->setCurrentIndex(6);
    QApplication::processEvents();

    QLabel *result = label(&w, "res_50");
    QCOMPARE(result->text(), QStringLiteral("6. ") + answer);
    QCOMPARE(result->width(), 371);
    const int oneLine = label(&w, "res_49")->heightForWidth(371);
    QVERIFY2(result->heightForWidth(371) > oneLine, "the answer does not wrap");
    QVERIFY2(result->height() >= result->heightForWidth(371), "the wrapped answer is cut off");
}

void TestFinish::finalState()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QVERIFY(student::giveAll(&w, student::marks("RW-RW -RW-RW- RW-RW -RW-RW- RW-RW-RW-R W-RW-RW-RW -RW-RW")));
    testutil::goToPage(&w, 7);
    const QStringList before = answerState(&w);
    testutil::clickFinish(&w);
    const int counted = correctCount;
    QCOMPARE(counted, 17);

    auto check = [&] {
        QVERIFY(testutil::button(&w, "close_button")->isVisible());
        QVERIFY(!testutil::button(&w, "pushButton_1")->isVisible());
        QVERIFY(!testutil::button(&w, "pushButton_2")->isVisible());
        QVERIFY(!testutil::button(&w, "pushButton_3")->isVisible());
        QCOMPARE(testutil::currentPage(&w), 8);
        QCOMPARE(pageIndex, 7);
        QCOMPARE(correctCount, counted);
        QCOMPARE(label(&w, "label_4")->text(), QStringLiteral("RÉSULTAT"));
        QCOMPARE(label(&w, "label_24")->text(), QStringLiteral("Au total: 100 points"));
        auto *tabs = widget<QTabWidget>(&w, "tabWidget");
        QCOMPARE(tabs->currentIndex(), 0);
        for (int t = 0; t < 7; ++t)
            QCOMPARE(tabs->tabText(t), QStringLiteral("Завдання %1").arg(t + 1));
        QCOMPARE(answerState(&w), before);
    };
    check();

    // Where Back, Next and Finish stood, clicks now reach nothing: the result is final.
    for (const char *name : {"pushButton_3", "pushButton_2", "pushButton_1"})
        clickThroughWindow(w, name);
    check();
    QCOMPARE(label(&w, "label_mark")->text(), QStringLiteral("34"));
}

void TestFinish::finishOnlyFromTheLastPage()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QVERIFY(student::giveAll(&w, student::marks("RRRRR RRRRRRR RRRRR RRRRRRR RRRRRRRRRR RRRRRRRRRR RRRRRR")));
    for (int page = 0; page < 7; ++page) {
        QVERIFY(!testutil::button(&w, "pushButton_3")->isVisible());
        clickThroughWindow(w, "pushButton_3");
        QCOMPARE(testutil::currentPage(&w), page);
        QCOMPARE(correctCount, 0);
        QVERIFY(label(&w, "label_mark")->text().isEmpty());
        testutil::clickNext(&w);
    }
    testutil::clickFinish(&w);
    QCOMPARE(correctCount, 50);
}

FRENCH_TEST_MAIN(TestFinish)
#include "tst_finish.moc"
