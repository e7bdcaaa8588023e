// Page 8: the points, the grade and one tab per task, whose labels the finish slot fills.

#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <vector>

namespace form {

namespace {

const char kTopRowStyle[] = "font: bold 16pt \"Trebuchet MS\";\ncolor: #fff;";
const char kBoxStyle[] = "border: 1px solid #000;\nbackground: #fff;\n";
constexpr int kHeadingPointSize = 10;
constexpr int kItemPointSize = 9;

// A tab's item and result labels in layout order: each item's prompt, where it has one, then
// its result, as the item rows give them.
template <const auto &items>
std::vector<Named<QLabel>> itemLabels()
{
    std::vector<Named<QLabel>> labels;
    for (const auto &item : items) {
        if (const answer::Prompt *prompt = answer::promptOf(item))
            labels.push_back(prompt->label);
        labels.push_back(item.result);
    }
    return labels;
}

struct ResultTab {
    Named<QWidget> page;
    Named<QLabel> heading;
    QRect headingGeometry;  // null: the heading tops the container's column instead
    Named<QWidget> container;
    QRect containerGeometry;
    Named<QVBoxLayout> column;  // every tab but task V's ...
    Named<QGridLayout> grid;    // ... which puts each result beside its item
    int spacing;
    std::vector<Named<QLabel>> (*items)();
    const char *title;
};

const ResultTab kTabs[] = {
    {NAMED(resultl1_2), NAMED(exl1_2), QRect(), NAMED(layoutWidget_2), QRect(0, 0, 771, 391),
     NAMED(verticalLayout_3), {}, 2, itemLabels<answer::kTaskI>, "Завдання 1"},
    {NAMED(resultv2), NAMED(exv_2), QRect(), NAMED(layoutWidget1), QRect(0, 10, 771, 386),
     NAMED(verticalLayout_9), {}, 0, itemLabels<answer::kTaskII>, "Завдання 2"},
    {NAMED(tab), NAMED(ex3), QRect(), NAMED(layoutWidget2), QRect(0, 0, 771, 391),
     NAMED(verticalLayout_10), {}, 2, itemLabels<answer::kTaskIII>, "Завдання 3"},
    {NAMED(tab_2), NAMED(exv_4), QRect(), NAMED(layoutWidget_3), QRect(0, 0, 771, 386),
     NAMED(verticalLayout_11), {}, 0, itemLabels<answer::kTaskIV>, "Завдання 4"},
    {NAMED(tab_3), NAMED(exv_5), QRect(0, 0, 769, 26), NAMED(layoutWidget3), QRect(0, 28, 581, 256),
     {}, NAMED(gridLayout_6), 6, itemLabels<answer::kTaskV>, "Завдання 5"},
    {NAMED(tab_4), NAMED(exg_6), QRect(0, 0, 769, 26), NAMED(layoutWidget4), QRect(0, 28, 421, 256),
     NAMED(verticalLayout_13), {}, 2, itemLabels<answer::kTaskVI>, "Завдання 6"},
    {NAMED(tab_5), NAMED(exg_7), QRect(0, 2, 769, 26), NAMED(layoutWidget5), QRect(0, 30, 371, 171),
     NAMED(verticalLayout_12), {}, 2, itemLabels<answer::kTaskVII>, "Завдання 7"},
};

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

    const std::vector<Named<QLabel>> items = tab.items();
    if (tab.grid.member) {
        QGridLayout *grid = makeFlushLayout(ui, tab.grid, container, tab.spacing);
        for (size_t i = 0; i < items.size(); ++i)
            grid->addWidget(makeBoxLabel(ui, items[i], container, kItemPointSize), int(i / 2), int(i % 2), 1, 1);
    } else {
        QVBoxLayout *column = makeFlushLayout(ui, tab.column, container, tab.spacing);
        if (!headingAbove)
            column->addWidget(makeBoxLabel(ui, tab.heading, container, kHeadingPointSize));
        for (const Named<QLabel> &item : items)
            column->addWidget(makeBoxLabel(ui, item, container, kItemPointSize));
    }
    return page;
}

} // namespace

QWidget *buildResultPage(MainWindowUi &ui)
{
    makePage(ui, NAMED(result), "RÉSULTAT");
    makePlaced(ui, NAMED(label_88), ui.result, QRect(30, 10, 181, 21), kTopRowStyle);
    makePlaced(ui, NAMED(label_mark), ui.result, QRect(220, 10, 81, 21), kTopRowStyle)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    makePlaced(ui, NAMED(label_89), ui.result, QRect(310, 10, 111, 21), kTopRowStyle);
    makePlaced(ui, NAMED(label_mark_2), ui.result, QRect(430, 10, 101, 21), kTopRowStyle)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    make(ui, NAMED(tabWidget), ui.result)->setGeometry(QRect(10, 40, 781, 421));
    for (const ResultTab &tab : kTabs)
        buildTab(ui, tab);
    return ui.result;
}

void assignResultTexts(MainWindowUi &ui)
{
    ui.label_88->setText(translated("Nombre de points:"));
    ui.label_mark->setText(translated(""));
    ui.label_89->setText(translated("Votre note:"));
    ui.label_mark_2->setText(translated(""));
    for (const ResultTab &tab : kTabs) {
        (ui.*tab.heading.member)->setText(translated(""));
        for (const Named<QLabel> &item : tab.items())
            (ui.*item.member)->setText(translated(""));
        ui.tabWidget->setTabText(ui.tabWidget->indexOf(ui.*tab.page.member), translated(tab.title));
    }
}

} // namespace form
