// Next and Back: every transition of the page table, the clamps at both ends, and the
// header and button states they leave. Each data row runs in its own process, because
// the page counter is program-wide and never reset.

#include "testutil.h"

#include <QLabel>

using testutil::widget;

namespace {

struct Expected {
    int page;
    const char *section;
    const char *points;
    bool back;
    bool next;
    bool finish;
};

// What each value of the counter shows, straight from the navigation table.
const Expected kRows[] = {
    {0, "LECTURE", " ", false, true, false},
    {1, "LECTURE", "5 x 2 = 10", true, true, false},
    {2, "VOCABULAIRE", "7 x 2 = 14", true, true, false},
    {3, "VOCABULAIRE", "5 x 2 = 10", true, true, false},
    {4, "VOCABULAIRE", "7 x 2 = 14", true, true, false},
    {5, "VOCABULAIRE", "10 x 2 = 20", true, true, false},
    {6, "GRAMMAIRE", "10 x 2 = 20", true, true, false},
    {7, "GRAMMAIRE", "6 x 2 = 12", true, false, true},
};

QString describe(MainWindow &w)
{
    return QStringLiteral("page %1, pageIndex %2, label_4 '%3', label_24 '%4', back %5 next %6 finish %7")
        .arg(testutil::currentPage(&w))
        .arg(pageIndex)
        .arg(widget<QLabel>(&w, "label_4")->text(), widget<QLabel>(&w, "label_24")->text())
        .arg(testutil::button(&w, "pushButton_1")->isVisible())
        .arg(testutil::button(&w, "pushButton_2")->isVisible())
        .arg(testutil::button(&w, "pushButton_3")->isVisible());
}

bool matches(MainWindow &w, const Expected &row)
{
    return testutil::currentPage(&w) == row.page && pageIndex == row.page
           && widget<QLabel>(&w, "label_4")->text() == QString::fromUtf8(row.section)
           && widget<QLabel>(&w, "label_24")->text() == QString::fromUtf8(row.points)
           && testutil::button(&w, "pushButton_1")->isVisible() == row.back
           && testutil::button(&w, "pushButton_2")->isVisible() == row.next
           && testutil::button(&w, "pushButton_3")->isVisible() == row.finish
           && !testutil::button(&w, "close_button")->isVisible();
}

const QRect kButtonGeometry[] = {QRect(364, 570, 100, 22), QRect(470, 570, 101, 22), QRect(577, 570, 100, 22),
                                 QRect(683, 570, 100, 22)};

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void walk_data();
    void walk();
    void slotsClampAtBothEnds_data();
    void slotsClampAtBothEnds();
    void buttonsKeepTheirPlaces();
    void sectionLabelKeepsItsLook();
};

// Each row is a sequence of real clicks from the start state: N for Next, B for Back.
// After every click the state must be the table row of the expected counter value.
void TestNavigation::walk_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QList<int>>("pages");
    QTest::newRow("next to the last page") << "NNNNNNN" << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("back from the first task") << "NB" << QList<int>{1, 0};
    QTest::newRow("back from the last page") << "NNNNNNNB" << QList<int>{1, 2, 3, 4, 5, 6, 7, 6};
    QTest::newRow("back all the way") << "NNNNNNNBBBBBBB" << QList<int>{1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 0};
    QTest::newRow("to and fro") << "NNBNNNBBNNNNNB" << QList<int>{1, 2, 1, 2, 3, 4, 3, 2, 3, 4, 5, 6, 7, 6};
    QTest::newRow("finish hidden again") << "NNNNNNNBN" << QList<int>{1, 2, 3, 4, 5, 6, 7, 6, 7};
}

void TestNavigation::walk()
{
    QFETCH(QString, clicks);
    QFETCH(QList<int>, pages);
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    for (int i = 0; i < clicks.size(); ++i) {
        if (clicks[i] == QLatin1Char('N'))
            testutil::clickNext(&w);
        else
            testutil::clickBack(&w);
        QVERIFY2(matches(w, kRows[pages[i]]), qPrintable(QStringLiteral("after click %1: ").arg(i + 1)
                                                             + describe(w)));
    }
}

// The hidden buttons cannot be clicked, but the slots still clamp when called.
void TestNavigation::slotsClampAtBothEnds_data()
{
    QTest::addColumn<int>("nextsBefore");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("expectedPage");
    QTest::newRow("back at the start") << 0 << QByteArray("on_pushButton_1_clicked") << 0;
    QTest::newRow("next at the end") << 7 << QByteArray("on_pushButton_2_clicked") << 7;
}

void TestNavigation::slotsClampAtBothEnds()
{
    QFETCH(int, nextsBefore);
    QFETCH(QByteArray, slot);
    QFETCH(int, expectedPage);
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    for (int i = 0; i < nextsBefore; ++i)
        testutil::clickNext(&w);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(QMetaObject::invokeMethod(&w, slot.constData()));
        QVERIFY2(matches(w, kRows[expectedPage]), qPrintable(describe(w)));
    }
}

void TestNavigation::buttonsKeepTheirPlaces()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    const char *names[] = {"pushButton_1", "pushButton_2", "pushButton_3", "close_button"};
    for (int clicks = 0; clicks <= 7; ++clicks) {
        for (int i = 0; i < 4; ++i)
            QCOMPARE(testutil::button(&w, names[i])->geometry(), kButtonGeometry[i]);
        if (clicks < 7)
            testutil::clickNext(&w);
    }
    // On the last page Finish stands right of where Next was, not in its place.
    QVERIFY(testutil::button(&w, "pushButton_3")->isVisible());
    QCOMPARE(testutil::button(&w, "pushButton_3")->x(), 577);
}

void TestNavigation::sectionLabelKeepsItsLook()
{
    // Plain words and the initial HTML both render in the label's own style-sheet font.
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    auto *section = widget<QLabel>(&w, "label_4");
    const QFont before = section->font();
    testutil::clickNext(&w);
    testutil::clickNext(&w);
    QCOMPARE(section->text(), QStringLiteral("VOCABULAIRE"));
    QCOMPARE(section->textFormat(), Qt::RichText);
    QCOMPARE(section->font(), before);
    QVERIFY(section->font().bold());
    QVERIFY(section->font().underline());
    QCOMPARE(section->font().pointSize(), 16);
}

FRENCH_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
