// Pages 2 to 5, the drop-down matching tasks II to V: their widget tree, texts, list items,
// keyboard order and keys, checked through the widgets as a student would meet them.

#include "answer_key.h"
#include "testutil.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QtTest>

#include <iterator>
#include <vector>

using testutil::kPanelStyle;
using testutil::kTransparentStyle;
using testutil::plainText;
using testutil::widget;

namespace {

const char kItemLabelStyle[] = "font: 10pt \"Trebuchet MS\";\nbackground: rgba(255, 255, 255, 0);\npadding-left: 5px; ";
const char kChoiceComboStyle[] = "font: 10pt \"Trebuchet MS\";\nborder-radius: 0;\n";

struct Cell {
    const char *name;
    int row;
    int column; // 1 holds the boxes, 0 and 2 the labels
};

struct Page {
    const char *tag;
    int index;
    const char *page;
    const char *panel;
    const char *title;
    const char *cells;
    const char *grid;
    QRect cellsGeometry;
    int margin;
    QLayout::SizeConstraint constraint;
    std::vector<int> stretch;
    std::vector<Cell> created; // in creation order
};

const Page kPages[] = {
    {"II", 2, "stacked_vocabulaire2", "vocabulaire2", "label_7", "gridLayoutWidget", "gridLayout",
     QRect(20, 50, 721, 261), 0, QLayout::SetDefaultConstraint, {40, 5, 40},
     {{"label_15", 0, 2}, {"comboBox_2", 1, 1}, {"comboBox_7", 6, 1}, {"comboBox_5", 4, 1},
      {"comboBox_3", 2, 1}, {"comboBox_6", 5, 1}, {"label_12", 6, 0}, {"label_13", 5, 0},
      {"label_14", 4, 0}, {"label_11", 3, 0}, {"label_8", 2, 0}, {"label_10", 0, 0}, {"label_9", 1, 0},
      {"comboBox_4", 3, 1}, {"comboBox_1", 0, 1}, {"label_16", 1, 2}, {"label_17", 2, 2},
      {"label_18", 3, 2}, {"label_19", 4, 2}, {"label_20", 5, 2}, {"label_21", 6, 2}}},
    {"III", 3, "stacked_vocabulaire3", "vocabulaire3", "label_22", "gridLayoutWidget_3", "gridLayout_3",
     QRect(20, 50, 721, 191), 0, QLayout::SetDefaultConstraint, {47, 6, 47},
     {{"label_3_5", 4, 0}, {"v3_5", 4, 1}, {"label_3_4", 3, 0}, {"v3_2", 1, 1}, {"label_3_1", 0, 0},
      {"label_3_2", 1, 0}, {"label_3_3", 2, 0}, {"v3_3", 2, 1}, {"v3_1", 0, 1}, {"var3_3", 2, 2},
      {"var3_4", 3, 2}, {"var3_5", 4, 2}, {"var3_2", 1, 2}, {"v3_4", 3, 1}, {"var3_1", 0, 2}}},
    {"IV", 4, "stacked_vocabulaire4", "vocabulaire4", "label_25", "gridLayoutWidget_4", "gridLayout_4",
     QRect(20, 50, 721, 241), 0, QLayout::SetDefaultConstraint, {40, 5, 40},
     {{"var_4_1", 0, 2}, {"v4_2", 1, 1}, {"v4_7", 6, 1}, {"v4_5", 4, 1}, {"v4_3", 2, 1}, {"v4_6", 5, 1},
      {"label_4_7", 6, 0}, {"label_4_6", 5, 0}, {"label_4_5", 4, 0}, {"label_4_4", 3, 0},
      {"label_4_3", 2, 0}, {"label_4_1", 0, 0}, {"label_4_2", 1, 0}, {"v4_4", 3, 1}, {"v4_1", 0, 1},
      {"var_4_2", 1, 2}, {"var_4_3", 2, 2}, {"var_4_4", 3, 2}, {"var_4_5", 4, 2}, {"var_4_6", 5, 2},
      {"var_4_7", 6, 2}}},
    {"V", 5, "stacked_vocabulaire5", "vocabulaire5", "label_49", "gridLayoutWidget_5", "gridLayout_5",
     QRect(20, 50, 321, 311), 6, QLayout::SetNoConstraint, {47, 5},
     {{"label_5_1", 0, 0}, {"v5_1", 0, 1}, {"label_5_2", 1, 0}, {"v5_2", 1, 1}, {"label_5_3", 2, 0},
      {"v5_3", 2, 1}, {"label_5_4", 3, 0}, {"v5_4", 3, 1}, {"label_5_5", 4, 0}, {"v5_5", 4, 1},
      {"label_5_6", 5, 0}, {"v5_6", 5, 1}, {"label_5_7", 6, 0}, {"v5_7", 6, 1}, {"label_5_8", 7, 0},
      {"v5_8", 7, 1}, {"label_5_9", 8, 0}, {"v5_9", 8, 1}, {"label_5_10", 9, 0}, {"v5_10", 9, 1}}},
};

enum class Format { Instruction, Bold, Letter };

struct LabelText {
    const char *name;
    Format format;
    const char *letter; // Letter labels only
    const char *text;   // as stored, spaces included
    int pointSize;      // size the span names, 0 where it names none
    bool spacesAfter;   // more spaces stored after the text
};

const LabelText kLabelTexts[] = {
    {"label_7", Format::Instruction, nullptr, "II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:", 12, false},
    {"label_10", Format::Bold, nullptr, "1. On dit que vous êtes étudiant. ", 0, false},
    {"label_9", Format::Bold, nullptr, "2. À quelle faculté?", 0, false},
    {"label_8", Format::Bold, nullptr, "3. Pourquoi avez-vous choisi le métier du policier?", 0, false},
    {"label_11", Format::Bold, nullptr, "4. Qu’est-ce que vous apprenez à la faculté?   ", 0, false},
    {"label_14", Format::Bold, nullptr, "5. Est-ce que vous étudiez l’anglais?   ", 0, false},
    {"label_13", Format::Bold, nullptr, "6. Aimez- vous cette langue?", 0, false},
    {"label_12", Format::Bold, nullptr, "7. Quel sont vos hobbys?", 10, false},
    {"label_15", Format::Letter, "a)", "Mais non, j’étudie le français.", 0, false},
    {"label_16", Format::Letter, "b)", "C’est un métier que je souhaite exercer depuis tout jeune.", 0, false},
    {"label_17", Format::Letter, "c)", "C’est une belle langue, mais elle n’est pas facile. ", 0, false},
    {"label_18", Format::Letter, "d)", "À la faculté de droit. ", 0, false},
    {"label_19", Format::Letter, "e)", "Beaucoup de matières: le droit civil, le droit pénal, le droit administratif etc.", 0, false},
    {"label_20", Format::Letter, "f)", "J’aime beaucoup la musique de tous genres (pop, rock…), l’informatique, les sports extrêmes. ", 0, false},
    {"label_21", Format::Letter, "g)", "C’est vrai. Je suis en première année.", 0, false},
    {"label_22", Format::Instruction, nullptr, "III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:", 12, false},
    {"label_3_1", Format::Bold, nullptr, "1) la recherche criminelle", 0, false},
    {"label_3_2", Format::Bold, nullptr, "2) la milice de la sécurité publique", 0, false},
    {"label_3_3", Format::Bold, nullptr, "3) la lutte contre le trafic illicite des stupéfiants", 0, false},
    {"label_3_4", Format::Bold, nullptr, "4) la lutte contre les crimes économiques", 0, false},
    {"label_3_5", Format::Bold, nullptr, "5) la lutte contre la délinquance juvénile", 0, false},
    {"var3_1", Format::Letter, "a)", "боротьба з економічними злочинами", 0, false},
    {"var3_2", Format::Letter, "b)", "карний розшук", 0, false},
    {"var3_3", Format::Letter, "c)", "боротьба з підлітковою злочинністю", 0, false},
    {"var3_4", Format::Letter, "d)", "міліція громадської безпеки", 0, false},
    {"var3_5", Format::Letter, "e)", "боротьба з незаконним обігом наркотиків", 0, false},
    {"label_25", Format::Instruction, nullptr, "IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:", 12, false},
    {"label_4_1", Format::Bold, nullptr, "1) participer", 0, true},
    {"label_4_2", Format::Bold, nullptr, "2) apprendre", 0, false},
    {"label_4_3", Format::Bold, nullptr, "3) se passionner", 0, false},
    {"label_4_4", Format::Bold, nullptr, "4) nécessaire", 0, false},
    {"label_4_5", Format::Bold, nullptr, "5) se trouver", 0, false},
    {"label_4_6", Format::Bold, nullptr, "6) actuellement", 0, false},
    {"label_4_7", Format::Bold, nullptr, "7) vivre", 0, false},
    {"var_4_1", Format::Letter, "a)", "être situé", 0, false},
    {"var_4_2", Format::Letter, "b)", "à présent", 0, false},
    {"var_4_3", Format::Letter, "c)", "habiter", 0, false},
    {"var_4_4", Format::Letter, "d)", "avoir l’hobby", 0, false},
    {"var_4_5", Format::Letter, "e)", "prendre part", 0, false},
    {"var_4_6", Format::Letter, "f)", "étudier", 0, false},
    {"var_4_7", Format::Letter, "g)", "utile", 0, false},
    {"label_49", Format::Instruction, nullptr, "V. Faites correspondre les nombres suivants:", 12, false},
    {"label_5_1", Format::Bold, nullptr, "1) trente-sept", 0, false},
    {"label_5_2", Format::Bold, nullptr, "2) quarante-deux", 0, false},
    {"label_5_3", Format::Bold, nullptr, "3) quatre-vingts-quatre", 0, false},
    {"label_5_4", Format::Bold, nullptr, "4) quatre-vingt-dix-huit", 0, false},
    {"label_5_5", Format::Bold, nullptr, "5) cent-quinze", 0, false},
    {"label_5_6", Format::Bold, nullptr, "6) cent-soixante-quinze", 0, false},
    {"label_5_7", Format::Bold, nullptr, "7) trois cents-seize", 0, false},
    {"label_5_8", Format::Bold, nullptr, "8) cinq cents-cinquante-un", 0, false},
    {"label_5_9", Format::Bold, nullptr, "9) mille deux cent-trente-quatre", 0, false},
    {"label_5_10", Format::Bold, nullptr, "10) deux mille-quatorze", 0, false},
};

const char *const kLetters[] = {"a)", "b)", "c)", "d)", "e)", "f)", "g)"};
const char *const kNumbers[] = {"a) 175", "b) 1234", "c) 98", "d) 316", "e) 2014", "f) 37", "h) 551", "i) 84", "k) 42", "l) 115"};

// What each keyed index must show: the list item and, on pages with an answer column,
// that column's label in the same row.
struct Shown {
    const char *item;
    const char *answer; // nullptr where the item is the answer
};

const Shown kShownII[] = {
    {"g)", "C’est vrai. Je suis en première année."},
    {"d)", "À la faculté de droit. "},
    {"b)", "C’est un métier que je souhaite exercer depuis tout jeune."},
    {"e)", "Beaucoup de matières: le droit civil, le droit pénal, le droit administratif etc."},
    {"a)", "Mais non, j’étudie le français."},
    {"c)", "C’est une belle langue, mais elle n’est pas facile. "},
    {"f)", "J’aime beaucoup la musique de tous genres (pop, rock…), l’informatique, les sports extrêmes. "},
};
const Shown kShownIII[] = {
    {"b)", "карний розшук"},
    {"d)", "міліція громадської безпеки"},
    {"e)", "боротьба з незаконним обігом наркотиків"},
    {"a)", "боротьба з економічними злочинами"},
    {"c)", "боротьба з підлітковою злочинністю"},
};
const Shown kShownIV[] = {
    {"e)", "prendre part"},
    {"f)", "étudier"},
    {"d)", "avoir l’hobby"},
    {"g)", "utile"},
    {"a)", "être situé"},
    {"b)", "à présent"},
    {"c)", "habiter"},
};
const Shown kShownV[] = {
    {"f) 37", nullptr},
    {"k) 42", nullptr},
    {"i) 84", nullptr},
    {"c) 98", nullptr},
    {"l) 115", nullptr},
    {"a) 175", nullptr},
    {"d) 316", nullptr},
    {"h) 551", nullptr},
    {"b) 1234", nullptr},
    {"e) 2014", nullptr},
};

QStringList boxNames(const Page &page)
{
    QStringList names;
    for (const Cell &cell : page.created)
        if (cell.column == 1)
            names << QString::fromLatin1(cell.name);
    return names;
}

QStringList allBoxNames()
{
    QStringList names;
    for (const Page &page : kPages)
        names << boxNames(page);
    return names;
}

struct Fragment {
    QString text;
    QTextCharFormat format;
};

// The fragments of the only paragraph; an empty list if there is not exactly one.
std::vector<Fragment> fragmentsOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    std::vector<Fragment> fragments;
    if (document.blockCount() != 1)
        return fragments;
    for (auto it = document.firstBlock().begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid() && !it.fragment().text().isEmpty())
            fragments.push_back({it.fragment().text(), it.fragment().charFormat()});
    return fragments;
}

} // namespace

class ChoicePagesTest : public QObject
{
    Q_OBJECT

private slots:
    void objects_data();
    void objects();
    void grids_data();
    void grids();
    void creationOrder_data();
    void creationOrder();
    void tabOrder_data();
    void tabOrder();
    void listItems_data();
    void listItems();
    void richTexts_data();
    void richTexts();
    void keysShowNamedAnswers_data();
    void keysShowNamedAnswers();
    void choicesSurviveNavigation_data();
    void choicesSurviveNavigation();
};

void ChoicePagesTest::objects_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry"); // null where the layout places the widget
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    for (const Page &page : kPages) {
        auto row = [&](const char *name, const char *className, const char *parent, const QRect &geometry,
                       const QString &grid = QString(), int gridRow = -1, int gridColumn = -1) {
            QTest::addRow("%s %s", page.tag, name)
                << QString::fromLatin1(name) << QString::fromLatin1(className) << QString::fromLatin1(parent)
                << geometry << grid << gridRow << gridColumn;
        };
        row(page.page, "QWidget", "stackedWidget", QRect());
        row(page.panel, "QWidget", page.page, QRect(15, 0, 771, 461));
        row(page.title, "QLabel", page.panel, QRect(20, 20, 711, 21));
        row(page.cells, "QWidget", page.panel, page.cellsGeometry);
        row(page.grid, "QGridLayout", page.cells, QRect());
        for (const Cell &cell : page.created)
            row(cell.name, cell.column == 1 ? "QComboBox" : "QLabel", page.cells, QRect(),
                QString::fromLatin1(page.grid), cell.row, cell.column);
    }
}

void ChoicePagesTest::objects()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(int, column);

    MainWindow window;
    const QList<QObject *> named = window.findChildren<QObject *>(name);
    QCOMPARE(named.size(), 1);
    QObject *object = named.first();
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QVERIFY(object->parent());
    QCOMPARE(object->parent()->objectName(), parent);

    auto *asWidget = qobject_cast<QWidget *>(object);
    if (!geometry.isNull()) {
        QVERIFY(asWidget);
        QCOMPARE(asWidget->geometry(), geometry);
    }
    if (className == QLatin1String("QGridLayout"))
        QCOMPARE(static_cast<QObject *>(qobject_cast<QWidget *>(object->parent())->layout()), object);

    if (!grid.isEmpty()) {
        auto *layout = widget<QGridLayout>(&window, grid);
        const int at = layout->indexOf(asWidget);
        QVERIFY2(at >= 0, "not in the grid");
        int gridRow = -1, gridColumn = -1, rowSpan = 0, columnSpan = 0;
        layout->getItemPosition(at, &gridRow, &gridColumn, &rowSpan, &columnSpan);
        QCOMPARE(gridRow, row);
        QCOMPARE(gridColumn, column);
        QCOMPARE(rowSpan, 1);
        QCOMPARE(columnSpan, 1);
        QCOMPARE(layout->itemAt(at)->alignment(), Qt::Alignment());
    }

    if (auto *label = qobject_cast<QLabel *>(object)) {
        if (grid.isEmpty()) { // the instruction line
            QCOMPARE(label->styleSheet(), QString::fromLatin1(kTransparentStyle));
            QVERIFY(!label->wordWrap());
        } else {
            QCOMPARE(label->font().family(), QStringLiteral("Trebuchet MS"));
            QCOMPARE(label->font().pointSize(), 10);
            QVERIFY(!label->font().bold());
            QVERIFY(!label->font().italic());
            QCOMPARE(label->styleSheet(), QString::fromLatin1(kItemLabelStyle));
            QVERIFY(label->wordWrap());
        }
    } else if (auto *box = qobject_cast<QComboBox *>(object)) {
        QCOMPARE(box->styleSheet(), QString::fromLatin1(kChoiceComboStyle));
        QVERIFY(!box->isEditable());
        QCOMPARE(box->iconSize(), QSize(20, 20));
        QCOMPARE(box->insertPolicy(), QComboBox::InsertAtBottom);
    } else if (name.startsWith(QLatin1String("vocabulaire"))) {
        QCOMPARE(asWidget->styleSheet(), QString::fromLatin1(kPanelStyle));
    }
}

void ChoicePagesTest::grids_data()
{
    QTest::addColumn<int>("page");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(kPages[i].tag) << i;
}

void ChoicePagesTest::grids()
{
    QFETCH(int, page);
    const Page &expected = kPages[page];

    MainWindow window;
    auto *stack = widget<QStackedWidget>(&window, QStringLiteral("stackedWidget"));
    QCOMPARE(stack->widget(expected.index)->objectName(), QString::fromLatin1(expected.page));

    auto *cells = widget<QWidget>(&window, QString::fromLatin1(expected.cells));
    QCOMPARE(cells->font().pointSize(), 12);
    QCOMPARE(cells->font().family(), QApplication::font().family()); // only the size is set

    auto *grid = widget<QGridLayout>(&window, QString::fromLatin1(expected.grid));
    QCOMPARE(grid->horizontalSpacing(), 6);
    QCOMPARE(grid->verticalSpacing(), 6);
    const int m = expected.margin;
    QCOMPARE(grid->contentsMargins(), QMargins(m, m, m, m));
    QCOMPARE(grid->sizeConstraint(), expected.constraint);
    QCOMPARE(grid->count(), int(expected.created.size()));
    QCOMPARE(grid->columnCount(), int(expected.stretch.size()));
    QCOMPARE(grid->rowCount(), int(expected.created.size() / expected.stretch.size()));
    for (int column = 0; column < grid->columnCount(); ++column)
        QCOMPARE(grid->columnStretch(column), expected.stretch[column]);

    // The grid fills its widget, which is where the cells get their room.
    grid->activate();
    QCOMPARE(grid->geometry(), cells->rect());
}

void ChoicePagesTest::creationOrder_data()
{
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QStringList>("order");
    for (const Page &page : kPages) {
        QStringList order;
        for (const Cell &cell : page.created)
            order << QString::fromLatin1(cell.name);
        QTest::newRow(page.tag) << QString::fromLatin1(page.cells) << order;
    }
}

void ChoicePagesTest::creationOrder()
{
    QFETCH(QString, cells);
    QFETCH(QStringList, order);

    MainWindow window;
    QStringList children;
    for (QObject *child : widget<QWidget>(&window, cells)->children())
        if (child->isWidgetType())
            children << child->objectName();
    QCOMPARE(children, order);
}

void ChoicePagesTest::tabOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("II") << 2
                        << QStringList{"comboBox_2", "comboBox_7", "comboBox_5", "comboBox_3",
                                       "comboBox_6", "comboBox_4", "comboBox_1"};
    QTest::newRow("III") << 3 << QStringList{"v3_5", "v3_2", "v3_3", "v3_1", "v3_4"};
    QTest::newRow("IV") << 4 << QStringList{"v4_2", "v4_7", "v4_5", "v4_3", "v4_6", "v4_4", "v4_1"};
    QTest::newRow("V") << 5
                       << QStringList{"v5_1", "v5_2", "v5_3", "v5_4", "v5_5",
                                      "v5_6", "v5_7", "v5_8", "v5_9", "v5_10"};
}

// The Tab key walks the page's boxes in the order they were made, then leaves the page.
void ChoicePagesTest::tabOrder()
{
    QFETCH(int, page);
    QFETCH(QStringList, boxes);

    testutil::ShownWindow shown;
    testutil::goToPage(&shown.window, page);
    QCOMPARE(testutil::currentPage(&shown.window), page);

    auto *first = widget<QComboBox>(&shown.window, boxes.first());
    first->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(first));
    for (int i = 1; i < boxes.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), boxes[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!qobject_cast<QComboBox *>(QApplication::focusWidget()));
}

void ChoicePagesTest::listItems_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("items");
    QStringList letters;
    for (const char *letter : kLetters)
        letters << QString::fromUtf8(letter);
    QStringList numbers;
    for (const char *number : kNumbers)
        numbers << QString::fromUtf8(number);
    for (const Page &page : kPages) {
        for (const QString &box : boxNames(page)) {
            QStringList items = numbers;
            if (page.index == 2 || page.index == 4)
                items = letters;
            else if (page.index == 3)
                items = letters.mid(0, 5);
            QTest::addRow("%s %s", page.tag, qPrintable(box)) << box << items;
        }
    }
}

// Every box holds exactly its letters, no blank entry, and starts with nothing chosen.
void ChoicePagesTest::listItems()
{
    QFETCH(QString, box);
    QFETCH(QStringList, items);

    MainWindow window;
    auto *combo = widget<QComboBox>(&window, box);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, items);
    QVERIFY(!shown.contains(QString()));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
    QVERIFY(!combo->isEditable());
    QVERIFY(!combo->lineEdit());
}

void ChoicePagesTest::richTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("spacesAfter");
    for (const LabelText &label : kLabelTexts)
        QTest::newRow(label.name) << QString::fromLatin1(label.name) << int(label.format)
                                  << QString::fromUtf8(label.letter ? label.letter : "")
                                  << QString::fromUtf8(label.text) << label.pointSize << label.spacesAfter;
}

void ChoicePagesTest::richTexts()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    QFETCH(QString, letter);
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    QFETCH(bool, spacesAfter);

    MainWindow window;
    auto *label = widget<QLabel>(&window, name);
    const QString html = label->text();
    QVERIFY(Qt::mightBeRichText(html));
    QVERIFY(html.startsWith(QLatin1String("<html><head/><body><p>")));
    QVERIFY(html.endsWith(QLatin1String("</p></body></html>")));
    // Stored as written, trailing and double spaces included, though they do not render.
    if (Format(format) == Format::Letter)
        QVERIFY2(html.contains(QLatin1String("</span> ") + text + QLatin1String("</p>")), qPrintable(html));
    else
        QVERIFY2(html.contains(QRegularExpression(QLatin1Char('>') + QRegularExpression::escape(text)
                                                  + QLatin1String(spacesAfter ? " +</span>" : "</span>"))),
                 qPrintable(html));

    const std::vector<Fragment> fragments = fragmentsOf(html);
    QVERIFY(!fragments.empty());
    QString shown;
    for (const Fragment &fragment : fragments)
        shown += fragment.text;

    switch (Format(format)) {
    case Format::Instruction:
        QCOMPARE(shown.simplified(), text.simplified());
        for (const Fragment &fragment : fragments) {
            QCOMPARE(fragment.format.fontWeight(), int(QFont::Bold));
            QVERIFY(fragment.format.fontItalic());
            QCOMPARE(fragment.format.fontPointSize(), 12.0);
            QCOMPARE(fragment.format.foreground().color(), QColor(QStringLiteral("#00557f")));
        }
        break;
    case Format::Bold:
        QCOMPARE(shown.simplified(), text.simplified());
        for (const Fragment &fragment : fragments) {
            QCOMPARE(fragment.format.fontWeight(), int(QFont::Bold));
            QVERIFY(!fragment.format.fontItalic());
            QCOMPARE(fragment.format.fontPointSize(), double(pointSize));
            QVERIFY(!fragment.format.hasProperty(QTextFormat::ForegroundBrush));
        }
        break;
    case Format::Letter:
        QVERIFY(fragments.size() >= 2);
        QCOMPARE(fragments.front().text, letter);
        QCOMPARE(fragments.front().format.fontWeight(), int(QFont::Bold));
        QVERIFY(fragments.front().format.fontItalic());
        QCOMPARE(shown.simplified(), letter + QLatin1Char(' ') + text.simplified());
        for (size_t i = 1; i < fragments.size(); ++i) {
            QCOMPARE(fragments[i].format.fontWeight(), int(QFont::Normal));
            QVERIFY(!fragments[i].format.fontItalic());
            QVERIFY(!fragments[i].format.hasProperty(QTextFormat::FontPointSize));
        }
        break;
    }
}

void ChoicePagesTest::keysShowNamedAnswers_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");

    // Entry k of each key table belongs to the box numbered k + 1.
    const struct {
        const char *tag;
        const char *prefix;
        const char *grid;
        const answer::ComboItem *keys;
        const Shown *shown;
        int count;
    } tasks[] = {
        {"II", "comboBox_", "gridLayout", answer::kTaskII, kShownII, int(std::size(answer::kTaskII))},
        {"III", "v3_", "gridLayout_3", answer::kTaskIII, kShownIII, int(std::size(answer::kTaskIII))},
        {"IV", "v4_", "gridLayout_4", answer::kTaskIV, kShownIV, int(std::size(answer::kTaskIV))},
        {"V", "v5_", "gridLayout_5", answer::kTaskV, kShownV, int(std::size(answer::kTaskV))},
    };
    QCOMPARE(int(std::size(kShownII)), tasks[0].count);
    QCOMPARE(int(std::size(kShownIII)), tasks[1].count);
    QCOMPARE(int(std::size(kShownIV)), tasks[2].count);
    QCOMPARE(int(std::size(kShownV)), tasks[3].count);
    for (const auto &task : tasks) {
        for (int k = 0; k < task.count; ++k) {
            const QString box = QString::fromLatin1(task.prefix) + QString::number(k + 1);
            const Shown &shown = task.shown[k];
            QTest::addRow("%s %s", task.tag, qPrintable(box))
                << box << task.keys[k].key << QString::fromLatin1(task.grid) << QString::fromUtf8(shown.item)
                << (shown.answer ? QString::fromUtf8(shown.answer) : QString());
        }
    }
}

// The keyed index must point at what the task calls the right answer as the student sees it:
// the list item at that index and, where there is one, the answer label in that grid row.
void ChoicePagesTest::keysShowNamedAnswers()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QString, grid);
    QFETCH(QString, item);
    QFETCH(QString, answer);

    MainWindow window;
    auto *combo = widget<QComboBox>(&window, box);
    QVERIFY(key >= 0 && key < combo->count());
    QCOMPARE(combo->itemText(key), item);

    if (answer.isNull())
        return;
    auto *layout = widget<QGridLayout>(&window, grid);
    QLayoutItem *cell = layout->itemAtPosition(key, 2);
    QVERIFY(cell);
    auto *label = qobject_cast<QLabel *>(cell->widget());
    QVERIFY(label);
    QCOMPARE(plainText(label->text()).simplified(), (item + QLatin1Char(' ') + answer).simplified());
}

void ChoicePagesTest::choicesSurviveNavigation_data()
{
    // Steps: "page N" goes there with Next/Back, "pick BOX KEYS" types into a box,
    // "next"/"back" click once.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("chosen"); // BOX=ITEM after all the steps

    QTest::newRow("II forward to III and back")
        << QStringList{"page 2", "pick comboBox_1 g", "pick comboBox_5 a", "pick comboBox_7 f", "next", "back"}
        << QStringList{"comboBox_1=g)", "comboBox_5=a)", "comboBox_7=f)"};
    QTest::newRow("III back to II and forward")
        << QStringList{"page 3", "pick v3_1 b", "pick v3_4 a", "back", "next"}
        << QStringList{"v3_1=b)", "v3_4=a)"};
    QTest::newRow("IV forward to VII and back")
        << QStringList{"page 4", "pick v4_1 e", "pick v4_7 c", "page 7", "page 4"}
        << QStringList{"v4_1=e)", "v4_7=c)"};
    QTest::newRow("V back to the reading page and forward")
        << QStringList{"page 5", "pick v5_8 h", "pick v5_9 b", "pick v5_10 e", "page 0", "page 5"}
        << QStringList{"v5_8=h) 551", "v5_9=b) 1234", "v5_10=e) 2014"};
    QTest::newRow("a choice changed twice keeps the last")
        << QStringList{"page 2", "pick comboBox_2 c", "next", "back", "pick comboBox_2 d", "next", "back"}
        << QStringList{"comboBox_2=d)"};
    QTest::newRow("all four pages to VII and back to II")
        << QStringList{"page 2", "pick comboBox_3 b", "page 3", "pick v3_5 c", "page 4", "pick v4_4 g",
                       "page 5", "pick v5_1 f", "page 7", "page 2"}
        << QStringList{"comboBox_3=b)", "v3_5=c)", "v4_4=g)", "v5_1=f) 37"};
}

void ChoicePagesTest::choicesSurviveNavigation()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, chosen);

    testutil::ShownWindow shown;
    QWidget *window = &shown.window;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("page")) {
            testutil::goToPage(window, words[1].toInt());
        } else if (words[0] == QLatin1String("pick")) {
            auto *box = widget<QComboBox>(window, words[1]);
            QVERIFY(box->isVisible());
            // Wait out the type-ahead interval so the letter starts a fresh search.
            QTest::qWait(QApplication::keyboardInputInterval() + 50);
            QTest::keyClicks(box, words[2]);
            QVERIFY2(box->currentText().startsWith(words[2]), qPrintable(step));
        } else if (words[0] == QLatin1String("next")) {
            testutil::clickNext(window);
        } else if (words[0] == QLatin1String("back")) {
            testutil::clickBack(window);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

    QHash<QString, QString> expected;
    for (const QString &choice : chosen)
        expected.insert(choice.section(QLatin1Char('='), 0, 0), choice.section(QLatin1Char('='), 1));
    for (const QString &name : allBoxNames()) {
        auto *box = widget<QComboBox>(window, name);
        if (expected.contains(name)) {
            QCOMPARE(box->currentText(), expected.value(name));
        } else {
            QVERIFY2(box->currentIndex() == -1, qPrintable(name)); // untouched boxes stay empty
        }
    }
}

FRENCH_TEST_MAIN(ChoicePagesTest)
#include "tst_choice_pages.moc"
