// Page 8: the points, the grade and one tab per task, whose labels the finish slot fills.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <iterator>

namespace form {

namespace {

const char kTopRowStyle[] = "font: bold 16pt \"Trebuchet MS\";\ncolor: #fff;";
const char kBoxStyle[] = "border: 1px solid #000;\nbackground: #fff;\n";
constexpr int kHeadingPointSize = 10;
constexpr int kItemPointSize = 9;

struct ResultTab {
    Named<QWidget> page;
    Named<QLabel> heading;
    QRect headingGeometry;  // null: the heading tops the container's column instead
    Named<QWidget> container;
    QRect containerGeometry;
    Named<QVBoxLayout> column;  // every tab but task V's ...
    Named<QGridLayout> grid;    // ... which puts each result beside its item
    int spacing;
    const Named<QLabel> *items;  // item and result labels in layout order
    int itemCount;
    const char *title;
};

const Named<QLabel> kTaskILabels[] = {
    NAMED(exl1_2_1), NAMED(res),   NAMED(exl1_2_2), NAMED(res_2), NAMED(exl1_2_3),
    NAMED(res_3),    NAMED(exl1_2_4), NAMED(res_4), NAMED(exl1_2_5), NAMED(res_5),
};
const Named<QLabel> kTaskIILabels[] = {
    NAMED(exv2_1), NAMED(res_6),  NAMED(exv2_2), NAMED(res_7),  NAMED(exv2_3), NAMED(res_8),  NAMED(exv2_4),
    NAMED(res_9),  NAMED(exv2_5), NAMED(res_10), NAMED(exv2_6), NAMED(res_11), NAMED(exv2_7), NAMED(res_12),
};
const Named<QLabel> kTaskIIILabels[] = {
    NAMED(exv3_1), NAMED(res_13), NAMED(exv3_2), NAMED(res_14), NAMED(exv3_3),
    NAMED(res_15), NAMED(exv3_4), NAMED(res_16), NAMED(exv3_5), NAMED(res_17),
};
const Named<QLabel> kTaskIVLabels[] = {
    NAMED(exv4_1), NAMED(res_18), NAMED(exv4_2), NAMED(res_19), NAMED(exv4_3), NAMED(res_20), NAMED(exv4_4),
    NAMED(res_21), NAMED(exv4_5), NAMED(res_22), NAMED(exv4_6), NAMED(res_23), NAMED(exv4_7), NAMED(res_24),
};
const Named<QLabel> kTaskVLabels[] = {
    NAMED(exv5_1), NAMED(res_25), NAMED(exv5_2), NAMED(res_26), NAMED(exv5_3),  NAMED(res_27), NAMED(exv5_4),
    NAMED(res_28), NAMED(exv5_5), NAMED(res_29), NAMED(exv5_6), NAMED(res_30),  NAMED(exv5_7), NAMED(res_31),
    NAMED(exv5_8), NAMED(res_32), NAMED(exv5_9), NAMED(res_33), NAMED(exv5_10), NAMED(res_34),
};
const Named<QLabel> kTaskVILabels[] = {
    NAMED(res_35), NAMED(res_36), NAMED(res_37), NAMED(res_38), NAMED(res_39),
    NAMED(res_40), NAMED(res_41), NAMED(res_42), NAMED(res_43), NAMED(res_44),
};
const Named<QLabel> kTaskVIILabels[] = {
    NAMED(res_45), NAMED(res_46), NAMED(res_47), NAMED(res_48), NAMED(res_49), NAMED(res_50),
};

#define ITEMS(table) table, int(std::size(table))

const ResultTab kTabs[] = {
    {NAMED(resultl1_2), NAMED(exl1_2), QRect(), NAMED(layoutWidget_2), QRect(0, 0, 771, 391),
     NAMED(verticalLayout_3), {}, 2, ITEMS(kTaskILabels), "Завдання 1"},
    {NAMED(resultv2), NAMED(exv_2), QRect(), NAMED(layoutWidget1), QRect(0, 10, 771, 386),
     NAMED(verticalLayout_9), {}, 0, ITEMS(kTaskIILabels), "Завдання 2"},
    {NAMED(tab), NAMED(ex3), QRect(), NAMED(layoutWidget2), QRect(0, 0, 771, 391),
     NAMED(verticalLayout_10), {}, 2, ITEMS(kTaskIIILabels), "Завдання 3"},
    {NAMED(tab_2), NAMED(exv_4), QRect(), NAMED(layoutWidget_3), QRect(0, 0, 771, 386),
     NAMED(verticalLayout_11), {}, 0, ITEMS(kTaskIVLabels), "Завдання 4"},
    {NAMED(tab_3), NAMED(exv_5), QRect(0, 0, 769, 26), NAMED(layoutWidget3), QRect(0, 28, 581, 256),
     {}, NAMED(gridLayout_6), 6, ITEMS(kTaskVLabels), "Завдання 5"},
    {NAMED(tab_4), NAMED(exg_6), QRect(0, 0, 769, 26), NAMED(layoutWidget4), QRect(0, 28, 421, 256),
     NAMED(verticalLayout_13), {}, 2, ITEMS(kTaskVILabels), "Завдання 6"},
    {NAMED(tab_5), NAMED(exg_7), QRect(0, 2, 769, 26), NAMED(layoutWidget5), QRect(0, 30, 371, 171),
     NAMED(verticalLayout_12), {}, 2, ITEMS(kTaskVIILabels), "Завдання 7"},
};

#undef ITEMS

QLabel *makeTopRowLabel(MainWindowUi &ui, const Named<QLabel> &named, const QRect &geometry)
{
    QLabel *label = make(ui, named, ui.result);
    label->setGeometry(geometry);
    label->setStyleSheet(QString::fromLatin1(kTopRowStyle));
    return label;
}

// A white box with a black frame; long answers wrap inside it rather than widen it.
QLabel *makeBoxLabel(MainWindowUi &ui, const Named<QLabel> &named, QWidget *parent, int pointSize)
{
    QLabel *label = make(ui, named, parent);
    label->setFont(trebuchetFont(pointSize));
    label->setStyleSheet(QString::fromLatin1(kBoxStyle));
    label->setWordWrap(true);
    return label;
}

QWidget *buildTab(MainWindowUi &ui, const ResultTab &tab)
{
    // Added while still empty: adding a filled page would resolve all its style sheets again.
    QWidget *page = make(ui, tab.page, static_cast<QWidget *>(nullptr));
    ui.tabWidget->addTab(page, QString());
    const bool headingAbove = !tab.headingGeometry.isNull();
    if (headingAbove)
        makeBoxLabel(ui, tab.heading, page, kHeadingPointSize)->setGeometry(tab.headingGeometry);

    QWidget *container = make(ui, tab.container, page);
    container->setGeometry(tab.containerGeometry);

    if (tab.grid.member) {
        QGridLayout *grid = makeFlushLayout(ui, tab.grid, container, tab.spacing);
        for (int i = 0; i < tab.itemCount; ++i)
            grid->addWidget(makeBoxLabel(ui, tab.items[i], container, kItemPointSize), i / 2, i % 2, 1, 1);
    } else {
        QVBoxLayout *column = makeFlushLayout(ui, tab.column, container, tab.spacing);
        if (!headingAbove)
            column->addWidget(makeBoxLabel(ui, tab.heading, container, kHeadingPointSize));
        for (int i = 0; i < tab.itemCount; ++i)
            column->addWidget(makeBoxLabel(ui, tab.items[i], container, kItemPointSize));
    }
    return page;
}

} // namespace

QWidget *buildResultPage(MainWindowUi &ui)
{
    makePage(ui, NAMED(result));
    makeTopRowLabel(ui, NAMED(label_88), QRect(30, 10, 181, 21));
    makeTopRowLabel(ui, NAMED(label_mark), QRect(220, 10, 81, 21))->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    makeTopRowLabel(ui, NAMED(label_89), QRect(310, 10, 111, 21));
    makeTopRowLabel(ui, NAMED(label_mark_2), QRect(430, 10, 101, 21))->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    make(ui, NAMED(tabWidget), ui.result)->setGeometry(QRect(10, 40, 781, 421));
    for (const ResultTab &tab : kTabs)
        buildTab(ui, tab);
    return ui.result;
}

void assignResultTexts(MainWindowUi &ui)
{
    ui.label_88->setText(tr("Nombre de points:"));
    ui.label_mark->setText(tr(""));
    ui.label_89->setText(tr("Votre note:"));
    ui.label_mark_2->setText(tr(""));
    for (const ResultTab &tab : kTabs) {
        (ui.*tab.heading.member)->setText(tr(""));
        for (int i = 0; i < tab.itemCount; ++i)
            (ui.*tab.items[i].member)->setText(tr(""));
        ui.tabWidget->setTabText(ui.tabWidget->indexOf(ui.*tab.page.member), tr(tab.title));
    }
}

} // namespace form
