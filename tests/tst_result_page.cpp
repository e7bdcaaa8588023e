// Page 8 as the form builds it, before Finish: every named object, where it sits, how it
// looks, and the labels the finish slot will write, all still empty.

#include "testutil.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

using testutil::widget;

namespace {

const char kTopRowStyle[] = "font: bold 16pt \"Trebuchet MS\";\ncolor: #fff;";

struct Tab {
    const char *page;
    const char *heading;
    QRect headingGeometry;  // null: the heading is the first label of the layout
    const char *container;
    QRect containerGeometry;
    const char *layout;
    int spacing;
    QStringList labels;  // item and result labels in layout order
};

QStringList numbered(const char *pattern, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << QString::fromLatin1(pattern).arg(i);
    return names;
}

QStringList pairs(const QStringList &items, const QStringList &results)
{
    QStringList names;
    for (int i = 0; i < items.size(); ++i)
        names << items[i] << results[i];
    return names;
}

const QList<Tab> &tabs()
{
    static const QList<Tab> table = {
        {"resultl1_2", "exl1_2", QRect(), "layoutWidget_2", QRect(0, 0, 771, 391), "verticalLayout_3", 2,
         pairs(numbered("exl1_2_%1", 1, 5), QStringList{QStringLiteral("res")} + numbered("res_%1", 2, 5))},
        {"resultv2", "exv_2", QRect(), "layoutWidget1", QRect(0, 10, 771, 386), "verticalLayout_9", 0,
         pairs(numbered("exv2_%1", 1, 7), numbered("res_%1", 6, 12))},
        {"tab", "ex3", QRect(), "layoutWidget2", QRect(0, 0, 771, 391), "verticalLayout_10", 2,
         pairs(numbered("exv3_%1", 1, 5), numbered("res_%1", 13, 17))},
        {"tab_2", "exv_4", QRect(), "layoutWidget_3", QRect(0, 0, 771, 386), "verticalLayout_11", 0,
         pairs(numbered("exv4_%1", 1, 7), numbered("res_%1", 18, 24))},
        {"tab_3", "exv_5", QRect(0, 0, 769, 26), "layoutWidget3", QRect(0, 28, 581, 256), "gridLayout_6", 6,
         pairs(numbered("exv5_%1", 1, 10), numbered("res_%1", 25, 34))},
        {"tab_4", "exg_6", QRect(0, 0, 769, 26), "layoutWidget4", QRect(0, 28, 421, 256), "verticalLayout_13", 2,
         numbered("res_%1", 35, 44)},
        {"tab_5", "exg_7", QRect(0, 2, 769, 26), "layoutWidget5", QRect(0, 30, 371, 171), "verticalLayout_12", 2,
         numbered("res_%1", 45, 50)},
    };
    return table;
}

QString describeFont(const QFont &font)
{
    return font.family() + QStringLiteral(" %1").arg(font.pointSize());
}

} // namespace

class TestResultPage : public QObject
{
    Q_OBJECT

private slots:
    void pageAndTopRow();
    void tabWidget();
    void tabLayout_data();
    void tabLayout();
    void tabLabels();
    void notShownBeforeFinish();
};

void TestResultPage::pageAndTopRow()
{
    MainWindow w;
    auto *stack = widget<QStackedWidget>(&w, "stackedWidget");
    QWidget *page = widget<QWidget>(&w, "result");
    QCOMPARE(stack->count(), 9);
    QCOMPARE(stack->indexOf(page), 8);
    QCOMPARE(page->parentWidget(), static_cast<QWidget *>(stack));
    QCOMPARE(page->styleSheet(), QString());

    struct TopLabel {
        const char *name;
        QRect geometry;
        const char *text;
        Qt::Alignment alignment;
    };
    const TopLabel top[] = {
        {"label_88", QRect(30, 10, 181, 21), "Nombre de points:", Qt::AlignLeft | Qt::AlignVCenter},
        {"label_mark", QRect(220, 10, 81, 21), "", Qt::AlignLeft | Qt::AlignVCenter},
        {"label_89", QRect(310, 10, 111, 21), "Votre note:", Qt::AlignLeft | Qt::AlignVCenter},
        {"label_mark_2", QRect(430, 10, 101, 21), "", Qt::AlignLeft | Qt::AlignVCenter},
    };
    QStringList createdOrder;
    for (QObject *child : page->children())
        createdOrder << child->objectName();
    QCOMPARE(createdOrder, (QStringList{QStringLiteral("label_88"), QStringLiteral("label_mark"),
                                        QStringLiteral("label_89"), QStringLiteral("label_mark_2"),
                                        QStringLiteral("tabWidget")}));
    for (const TopLabel &expected : top) {
        auto *label = widget<QLabel>(&w, expected.name);
        QCOMPARE(label->parentWidget(), page);
        QCOMPARE(label->geometry(), expected.geometry);
        QCOMPARE(label->styleSheet(), QString::fromLatin1(kTopRowStyle));
        QCOMPARE(label->text(), QString::fromUtf8(expected.text));
        QCOMPARE(label->alignment(), expected.alignment);
        QVERIFY(!label->wordWrap());
        label->ensurePolished();
        // The style sheet makes it white, bold, 16 pt.
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSize(), 16);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
}

void TestResultPage::tabWidget()
{
    MainWindow w;
    auto *tabWidget = widget<QTabWidget>(&w, "tabWidget");
    QCOMPARE(tabWidget->parentWidget(), widget<QWidget>(&w, "result"));
    QCOMPARE(tabWidget->geometry(), QRect(10, 40, 781, 421));
    QCOMPARE(tabWidget->styleSheet(), QString());
    QCOMPARE(tabWidget->count(), 7);
    QCOMPARE(tabWidget->currentIndex(), 0);
    for (int t = 0; t < 7; ++t) {
        QCOMPARE(tabWidget->widget(t)->objectName(), QString::fromLatin1(tabs()[t].page));
        QCOMPARE(tabWidget->widget(t)->metaObject()->className(), "QWidget");
        QCOMPARE(tabWidget->widget(t)->styleSheet(), QString());
        QCOMPARE(tabWidget->tabText(t), QStringLiteral("Завдання %1").arg(t + 1));
    }
}

void TestResultPage::tabLayout_data()
{
    QTest::addColumn<int>("index");
    for (int t = 0; t < tabs().size(); ++t)
        QTest::newRow(tabs()[t].page) << t;
}

// Containers at fixed places, their layouts and the labels in layout order.
void TestResultPage::tabLayout()
{
    QFETCH(int, index);
    const Tab &tab = tabs()[index];
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    auto *tabWidget = widget<QTabWidget>(&w, "tabWidget");
    QWidget *page = tabWidget->widget(index);
    QWidget *container = widget<QWidget>(&w, tab.container);
    QCOMPARE(container->metaObject()->className(), "QWidget");
    QCOMPARE(container->parentWidget(), page);
    QCOMPARE(container->geometry(), tab.containerGeometry);

    auto *heading = widget<QLabel>(&w, tab.heading);
    QLayout *layout = container->layout();
    QVERIFY(layout);
    QCOMPARE(layout->objectName(), QString::fromLatin1(tab.layout));
    QCOMPARE(layout->spacing(), tab.spacing);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));

    QStringList inLayout = tab.labels;
    if (tab.headingGeometry.isNull())
        inLayout.prepend(QString::fromLatin1(tab.heading));
    else {
        QCOMPARE(heading->parentWidget(), page);
        QCOMPARE(heading->geometry(), tab.headingGeometry);
        QCOMPARE(layout->indexOf(heading), -1);
    }

    // Page's children: heading above the container when it stands on the page itself.
    QStringList pageChildren;
    for (QObject *child : page->children())
        if (child->isWidgetType())
            pageChildren << child->objectName();
    QStringList expectedChildren{QString::fromLatin1(tab.container)};
    if (!tab.headingGeometry.isNull())
        expectedChildren.prepend(QString::fromLatin1(tab.heading));
    QCOMPARE(pageChildren, expectedChildren);

    QStringList laidOut;
    for (int i = 0; i < layout->count(); ++i) {
        QWidget *item = layout->itemAt(i)->widget();
        QVERIFY(item);
        QCOMPARE(item->parentWidget(), container);
        QCOMPARE(layout->itemAt(i)->alignment(), Qt::Alignment());
        laidOut << item->objectName();
    }
    QCOMPARE(laidOut, inLayout);

    // Lay the tab out as Finish would show it.
    widget<QStackedWidget>(&w, "stackedWidget")->setCurrentIndex(8);
    tabWidget->setCurrentIndex(index);
    QApplication::processEvents();
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        QCOMPARE(grid->rowCount(), 10);
        QCOMPARE(grid->columnCount(), 2);
        for (int i = 0; i < laidOut.size(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}), QList<int>({i / 2, i % 2, 1, 1}));
        }
        // Each result beside its item, inside the container.
        for (int r = 0; r < 10; ++r) {
            const QRect item = grid->itemAtPosition(r, 0)->widget()->geometry();
            const QRect result = grid->itemAtPosition(r, 1)->widget()->geometry();
            QVERIFY(item.right() < result.left());
            QCOMPARE(item.top(), result.top());
            QVERIFY(container->rect().contains(result));
        }
    } else {
        QVERIFY(qobject_cast<QVBoxLayout *>(layout));
        // A column of full-width boxes, top to bottom, each below the last.
        int below = 0;
        for (const QString &name : laidOut) {
            const QRect box = widget<QLabel>(&w, name)->geometry();
            QCOMPARE(box.left(), 0);
            QCOMPARE(box.width(), tab.containerGeometry.width());
            QVERIFY2(box.top() >= below, qPrintable(name));
            below = box.bottom() + 1;
        }
    }
}

// All 91 labels of the tabs: white boxes that wrap, headings at 10 pt, the rest at 9 pt, empty.
void TestResultPage::tabLabels()
{
    MainWindow w;
    auto *tabWidget = widget<QTabWidget>(&w, "tabWidget");
    QStringList expected;
    for (const Tab &tab : tabs())
        expected << QString::fromLatin1(tab.heading) << tab.labels;
    QCOMPARE(expected.size(), 91);

    QStringList found;
    for (QLabel *label : tabWidget->findChildren<QLabel *>())
        found << label->objectName();
    found.sort();
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    QCOMPARE(found, sortedExpected);

    for (const Tab &tab : tabs()) {
        for (const QString &name : QStringList{QString::fromLatin1(tab.heading)} + tab.labels) {
            auto *label = widget<QLabel>(&w, name);
            const int size = name == QLatin1String(tab.heading) ? 10 : 9;
            QVERIFY2(label->text().isEmpty(), qPrintable(name));
            QVERIFY2(label->wordWrap(), qPrintable(name));
            QCOMPARE(label->textFormat(), Qt::AutoText);
            QCOMPARE(label->styleSheet(), QString::fromLatin1(testutil::kResultBoxStyle));
            QVERIFY2(label->font().family() == QLatin1String("Trebuchet MS") && label->font().pointSize() == size,
                     qPrintable(name + QStringLiteral(": ") + describeFont(label->font())));
            QVERIFY2(!label->font().bold() && !label->font().italic(), qPrintable(name));
        }
    }
    QCOMPARE(widget<QLabel>(&w, "res")->parentWidget()->objectName(), QStringLiteral("layoutWidget_2"));
    QCOMPARE(widget<QLabel>(&w, "res_50")->parentWidget()->objectName(), QStringLiteral("layoutWidget5"));
}

void TestResultPage::notShownBeforeFinish()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QWidget *page = widget<QWidget>(&w, "result");
    QCOMPARE(testutil::currentPage(&w), 0);
    QVERIFY(!page->isVisible());
    // Walking all the exercise pages and back never reaches it.
    for (int i = 0; i < 7; ++i) {
        testutil::clickNext(&w);
        QVERIFY(testutil::currentPage(&w) <= 7);
    }
    QVERIFY(!page->isVisible());
    QCOMPARE(widget<QTabWidget>(&w, "tabWidget")->currentIndex(), 0);
}

FRENCH_TEST_MAIN(TestResultPage)
#include "tst_result_page.moc"
