// Pages 0 and 1: the reading passage and task I. Widgets are found by their names, as a user
// of the form would find them. Every scenario that clicks or navigates is its own data row or
// function, so it starts from a fresh window in a fresh process.

#include "answer_key.h"
#include "look.h"
#include "testutil.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

using testutil::kPanelStyle;
using testutil::kTransparentStyle;
using testutil::widget;

namespace {

// Sentence stems and endings a), b), c) of items 1 to 5, exactly as the student sees them.
struct ItemText {
    const char *title;
    const char *endings[3];
};
const ItemText kItemTexts[5] = {
    {"1. ENSP est le lieu de la formation ...",
     {"a) des cadres de la police française; ",
      "b) des cadres de police française et des cadres supérieurs de police de pays partenaires; ",
      "c) des cadres supérieurs de police de pays partenaires."}},
    {"2. ENSP est située ...",
     {"a) à Saint-Cyr-au-Mont-d'Or;",
      "b) à Cannes-Ecluse;",
      "c) à Cannes-Ecluse et à Saint-Cyr-au-Mont-d'Or. "}},
    {"3. ENSP dépend ...",
     {"a) de la direction générale de  la Police nationale;",
      "b) du Ministère de l’Intérieur;",
      "c) des maires."}},
    {"4. ENSP assure une formation …",
     {"a) à des professionnels qui n’appartiennent pas à la fonction publique d'État;",
      "b) à des étudiants et à des professionnels qui appartiennent à la fonction publique d'État;",
      "c) à des étudiants et à des professionnels qui n’appartiennent pas à la fonction publique d'État."}},
    {"5. ENSP organise régulièrement des stages obligatoires ou facultatifs ... ",
     {"a) pour les commissaires de police;",
      "b) pour les commissaires de police en activité;",
      "c) pour  les officiers et les commissares de police."}},
};

// The ending the passage states, per item: b, c, a, c, b.
const int kStatedEnding[5] = {1, 2, 0, 2, 1};

// Per item: the names of its inner widget and layout (which do not follow the items),
// the layout's spacing and the inner widget's height.
struct ItemBox {
    const char *inner;
    const char *layout;
    int spacing;
    int height;
};
const ItemBox kItemBoxes[5] = {
    {"verticalLayoutWidget_5", "verticalLayout_5", 6, 53},
    {"verticalLayoutWidget_6", "verticalLayout_6", 0, 51},
    {"verticalLayoutWidget_7", "verticalLayout_7", 6, 53},
    {"verticalLayoutWidget_4", "verticalLayout_4", 6, 53},
    {"verticalLayoutWidget_8", "verticalLayout_8", 6, 53},
};

// Creation order of the items, which the keyboard focus order follows.
const int kCreationOrder[5] = {5, 2, 4, 1, 3};

QString boxName(int item) { return QStringLiteral("groupBox_%1").arg(item); }
QString buttonName(int item, int ending) { return QStringLiteral("rb%1_%2").arg(item).arg(ending + 1); }

QRadioButton *radio(const QObject *root, int item, int ending)
{
    return widget<QRadioButton>(root, buttonName(item, ending));
}

// Which of the fifteen buttons are checked, item by item, e.g. "010 000 100 000 001".
QString checkedPattern(const QObject *root)
{
    QStringList groups;
    for (int item = 1; item <= 5; ++item) {
        QString group;
        for (int ending = 0; ending < 3; ++ending)
            group += radio(root, item, ending)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        groups << group;
    }
    return groups.join(QLatin1Char(' '));
}

// A real click on the button's indicator: the whole row is the button's width, but only the
// indicator and the text react to the mouse.
void clickRadio(QRadioButton *button)
{
    QVERIFY(button->isVisible());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect indicator = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    QVERIFY(button->rect().contains(indicator.center()));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

// Clicks the buttons named by "item.ending" pairs, e.g. "1.2 3.1" checks b) of item 1 and a) of item 3.
void clickAnswers(const QObject *root, const QString &answers)
{
    for (const QString &answer : answers.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        clickRadio(radio(root, answer.section(QLatin1Char('.'), 0, 0).toInt(),
                         answer.section(QLatin1Char('.'), 1, 1).toInt() - 1));
}

// Follows a route of N (Next) and B (Back) clicks.
void navigate(const QObject *root, const QString &route)
{
    for (QChar step : route)
        step == QLatin1Char('N') ? testutil::clickNext(root) : testutil::clickBack(root);
}

QTextDocument *document(const QLabel *label, QObject *parent)
{
    auto *doc = new QTextDocument(parent);
    doc->setHtml(label->text());
    return doc;
}

QList<QTextCharFormat> formats(const QTextBlock &block)
{
    QList<QTextCharFormat> list;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (!it.fragment().text().trimmed().isEmpty())
            list << it.fragment().charFormat();
    return list;
}

} // namespace

class TestReadingTask1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void widgetTree_data();
    void widgetTree();
    void pagesStandAtTheirIndices();
    void itemBoxes_data();
    void itemBoxes();
    void itemsAreCreatedInFocusOrder();
    void labelsAndPanels_data();
    void labelsAndPanels();

    void itemTexts_data();
    void itemTexts();
    void instructionLines_data();
    void instructionLines();
    void passageFormat();
    void passageStatesTheKeyedEndings_data();
    void passageStatesTheKeyedEndings();
    void passageFitsItsLabel_data();
    void passageFitsItsLabel();
    void textsGoThroughTheLookupInCreationOrder();
    void keysPointAtTheStatedEndings_data();
    void keysPointAtTheStatedEndings();

    void nothingCheckedAtStart();
    void exclusiveWithinAnItem_data();
    void exclusiveWithinAnItem();
    void itemsAreIndependent();
    void choicesSurviveNavigation_data();
    void choicesSurviveNavigation();
    void passageUnchangedAfterNextAndBack();
};

void TestReadingTask1::initTestCase()
{
    // As the program's entry does.
    useDesignLook();
}

void TestReadingTask1::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry"); // null where the page's layout or the stack places it

    auto row = [](const QString &name, const char *className, const char *parent, const QRect &geometry) {
        QTest::newRow(qPrintable(name)) << name << QByteArray(className) << QString::fromLatin1(parent) << geometry;
    };
    row(QStringLiteral("stacked_lecture1_1"), "QWidget", "stackedWidget", QRect());
    row(QStringLiteral("lecture1_1"), "QWidget", "stacked_lecture1_1", QRect(15, 0, 770, 461));
    row(QStringLiteral("label_2"), "QLabel", "lecture1_1", QRect(20, 10, 771, 16));
    row(QStringLiteral("label_5"), "QLabel", "lecture1_1", QRect(20, 40, 731, 341));
    row(QStringLiteral("stacked_lecture1_2"), "QWidget", "stackedWidget", QRect());
    row(QStringLiteral("lecture1_2"), "QWidget", "stacked_lecture1_2", QRect(15, 0, 770, 461));
    row(QStringLiteral("label_6"), "QLabel", "lecture1_2", QRect(20, 10, 731, 21));
    row(QStringLiteral("gridLayoutWidget_2"), "QWidget", "lecture1_2", QRect(20, 40, 741, 421));
    for (int item = 1; item <= 5; ++item) {
        const ItemBox &box = kItemBoxes[item - 1];
        const QByteArray group = boxName(item).toLatin1();
        row(boxName(item), "QGroupBox", "gridLayoutWidget_2", QRect());
        row(QString::fromLatin1(box.inner), "QWidget", group.constData(), QRect(10, 20, 721, box.height));
        for (int ending = 0; ending < 3; ++ending)
            row(buttonName(item, ending), "QRadioButton", box.inner, QRect());
    }
}

void TestReadingTask1::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);

    MainWindow window;
    QWidget *found = widget<QWidget>(&window, name);
    QCOMPARE(QByteArray(found->metaObject()->className()), className);
    QVERIFY(found->parentWidget());
    QCOMPARE(found->parentWidget()->objectName(), parent);
    if (!geometry.isNull())
        QCOMPARE(found->geometry(), geometry);
}

void TestReadingTask1::pagesStandAtTheirIndices()
{
    MainWindow window;
    auto *stack = widget<QStackedWidget>(&window, QStringLiteral("stackedWidget"));
    QCOMPARE(stack->widget(0)->objectName(), QStringLiteral("stacked_lecture1_1"));
    QCOMPARE(stack->widget(1)->objectName(), QStringLiteral("stacked_lecture1_2"));
    QCOMPARE(stack->currentIndex(), 0);
}

void TestReadingTask1::itemBoxes_data()
{
    QTest::addColumn<int>("item");
    for (int item = 1; item <= 5; ++item)
        QTest::newRow(qPrintable(boxName(item))) << item;
}

void TestReadingTask1::itemBoxes()
{
    QFETCH(int, item);
    const ItemBox &expected = kItemBoxes[item - 1];
    MainWindow window;

    auto *gridWidget = widget<QWidget>(&window, QStringLiteral("gridLayoutWidget_2"));
    auto *grid = widget<QGridLayout>(&window, QStringLiteral("gridLayout_2"));
    QVERIFY(gridWidget && grid);
    QCOMPARE(gridWidget->layout(), grid);
    QCOMPARE(grid->horizontalSpacing(), 6);
    QCOMPARE(grid->verticalSpacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(grid->count(), 5);

    auto *box = widget<QGroupBox>(&window, boxName(item));
    const int index = grid->indexOf(box);
    QVERIFY(index >= 0);
    int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, item - 1);
    QCOMPARE(column, 0);
    QCOMPARE(rowSpan, 1);
    QCOMPARE(columnSpan, 1);

    auto *inner = widget<QWidget>(box, QString::fromLatin1(expected.inner));
    auto *layout = widget<QVBoxLayout>(box, QString::fromLatin1(expected.layout));
    QVERIFY(inner && layout);
    QCOMPARE(box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly), QList<QWidget *>{inner});
    QCOMPARE(inner->layout(), layout);
    QCOMPARE(layout->spacing(), expected.spacing);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(layout->count(), 3);
    for (int ending = 0; ending < 3; ++ending) {
        QRadioButton *button = radio(&window, item, ending);
        QCOMPARE(layout->itemAt(ending)->widget(), button);
        QCOMPARE(layout->stretch(ending), 0);
        QCOMPARE(layout->itemAt(ending)->alignment(), Qt::Alignment());
        // Exclusive only through their common parent, with no look of their own.
        QVERIFY(button->autoExclusive());
        QVERIFY(!button->group());
        QVERIFY(button->styleSheet().isEmpty());
    }
    QCOMPARE(inner->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 3);

    QCOMPARE(box->font().family(), QStringLiteral("Trebuchet MS"));
    QCOMPARE(box->font().pointSize(), 10);
    QVERIFY(!box->font().bold());
    QVERIFY(!box->font().italic());
    if (item == 1)
        QVERIFY(box->font().resolve() & (QFont::WeightResolved | QFont::StyleResolved));
    QVERIFY(box->isFlat());
    QVERIFY(!box->isCheckable());
    QCOMPARE(box->styleSheet(), QString::fromLatin1(kTransparentStyle));
}

void TestReadingTask1::itemsAreCreatedInFocusOrder()
{
    MainWindow window;
    auto *gridWidget = widget<QWidget>(&window, QStringLiteral("gridLayoutWidget_2"));
    QStringList created;
    for (QObject *child : gridWidget->children())
        if (qobject_cast<QGroupBox *>(child))
            created << child->objectName();
    QStringList expectedBoxes, expectedButtons;
    for (int item : kCreationOrder) {
        expectedBoxes << boxName(item);
        for (int ending = 0; ending < 3; ++ending)
            expectedButtons << buttonName(item, ending);
    }
    QCOMPARE(created, expectedBoxes);

    // No explicit tab order: the focus chain follows creation.
    QStringList chain;
    QWidget *start = radio(&window, kCreationOrder[0], 0);
    QWidget *current = start;
    do {
        if (qobject_cast<QRadioButton *>(current) && gridWidget->isAncestorOf(current))
            chain << current->objectName();
        current = current->nextInFocusChain();
    } while (current != start);
    QCOMPARE(chain, expectedButtons);
}

void TestReadingTask1::labelsAndPanels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("lecture1_1") << "lecture1_1" << QString::fromLatin1(kPanelStyle);
    QTest::newRow("lecture1_2") << "lecture1_2" << QString::fromLatin1(kPanelStyle);
    QTest::newRow("label_2") << "label_2" << QString::fromLatin1(kTransparentStyle);
    QTest::newRow("label_5") << "label_5" << QString::fromLatin1(kTransparentStyle);
    QTest::newRow("label_6") << "label_6" << QString::fromLatin1(kTransparentStyle);
}

void TestReadingTask1::labelsAndPanels()
{
    QFETCH(QString, name);
    QFETCH(QString, styleSheet);
    MainWindow window;
    auto *found = widget<QWidget>(&window, name);
    QCOMPARE(found->styleSheet(), styleSheet);
    if (auto *label = qobject_cast<QLabel *>(found)) {
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
    }
}

void TestReadingTask1::itemTexts_data()
{
    QTest::addColumn<int>("item");
    for (int item = 1; item <= 5; ++item)
        QTest::newRow(qPrintable(QStringLiteral("item %1").arg(item))) << item;
}

void TestReadingTask1::itemTexts()
{
    QFETCH(int, item);
    const ItemText &expected = kItemTexts[item - 1];
    MainWindow window;
    QCOMPARE(widget<QGroupBox>(&window, boxName(item))->title(), QString::fromUtf8(expected.title));
    for (int ending = 0; ending < 3; ++ending)
        QCOMPARE(radio(&window, item, ending)->text(), QString::fromUtf8(expected.endings[ending]));
}

void TestReadingTask1::instructionLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("label_2") << "label_2" << QString::fromUtf8("I. Lisez le texte:");
    QTest::newRow("label_6") << "label_6" << QString::fromUtf8("Complétez les phrases en vous servant du texte:");
}

void TestReadingTask1::instructionLines()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    MainWindow window;
    auto *label = widget<QLabel>(&window, name);
    QVERIFY(Qt::mightBeRichText(label->text()));
    QTextDocument *doc = document(label, this);
    QCOMPARE(doc->blockCount(), 1);
    const QTextBlock block = doc->firstBlock();
    QCOMPARE(block.text(), text);
    QVERIFY(!block.blockFormat().hasProperty(QTextFormat::BlockAlignment));
    const QList<QTextCharFormat> parts = formats(block);
    QVERIFY(!parts.isEmpty());
    for (const QTextCharFormat &format : parts) {
        QCOMPARE(format.fontPointSize(), 12.0);
        QCOMPARE(format.fontWeight(), int(QFont::Bold)); // weight 600 in the markup
        QVERIFY(format.fontItalic());
        QCOMPARE(format.foreground().color(), QColor(QStringLiteral("#00557f")));
    }
}

void TestReadingTask1::passageFormat()
{
    MainWindow window;
    auto *label = widget<QLabel>(&window, QStringLiteral("label_5"));
    QVERIFY(Qt::mightBeRichText(label->text()));
    QTextDocument *doc = document(label, this);
    QCOMPARE(doc->blockCount(), 5);

    const QTextBlock title = doc->firstBlock();
    QCOMPARE(title.text(), QString::fromUtf8("L'École nationale supérieure de la police "));
    QCOMPARE(title.blockFormat().alignment(), Qt::AlignHCenter);
    for (const QTextCharFormat &format : formats(title)) {
        QCOMPARE(format.fontPointSize(), 14.0);
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
        QVERIFY(!format.fontItalic());
    }

    int paragraphs = 0;
    for (QTextBlock block = title.next(); block.isValid(); block = block.next(), ++paragraphs) {
        QVERIFY2(block.text().split(QLatin1Char(' '), Qt::SkipEmptyParts).size() >= 20,
                 qPrintable(block.text()));
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
        const QList<QTextCharFormat> parts = formats(block);
        QVERIFY(!parts.isEmpty());
        for (const QTextCharFormat &format : parts) {
            QCOMPARE(format.fontPointSize(), 12.0);
            QCOMPARE(format.fontWeight(), int(QFont::Normal));
            QVERIFY(!format.fontItalic());
        }
    }
    QCOMPARE(paragraphs, 4);
}

// The student answers task I from the passage alone: each keyed ending must be stated in it,
// and nothing in it may back a distractor.
void TestReadingTask1::passageStatesTheKeyedEndings_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("stated");
    auto row = [](const char *tag, const char *words, bool stated) {
        QTest::newRow(tag) << QString::fromUtf8(words) << stated;
    };
    row("abbreviation", "ENSP", true);
    row("item 1 own executives", "cadres de la police française", true);
    row("item 1 partner countries", "cadres supérieurs de police des pays partenaires", true);
    row("item 2 first site", "Saint-Cyr-au-Mont-d'Or", true);
    row("item 2 second site", "Cannes-Ecluse", true);
    row("item 3 directorate", "direction générale de la Police nationale", true);
    row("item 3 no ministry", "Ministère", false);
    row("item 3 no mayors", "maire", false);
    row("item 4 students and professionals",
        "à des étudiants et à des professionnels qui n'appartiennent pas à la fonction publique d'État", true);
    row("item 4 not members", "qui appartiennent", false);
    row("item 5 stages", "stages obligatoires ou facultatifs", true);
    row("item 5 in active service", "commissaires de police en activité", true);
    row("item 5 no officers at stages", "officiers et les commissaires", false);
}

void TestReadingTask1::passageStatesTheKeyedEndings()
{
    QFETCH(QString, words);
    QFETCH(bool, stated);
    MainWindow window;
    QString plain = testutil::plainText(widget<QLabel>(&window, QStringLiteral("label_5"))->text());
    plain.replace(QChar(0x00a0), QLatin1Char(' '));
    QCOMPARE(plain.contains(words, Qt::CaseInsensitive), stated);
}

// The label neither scrolls nor grows, so the whole passage must fit its 731 x 341 box, with
// the program's fonts and with a wide fallback such as a system without them would use.
void TestReadingTask1::passageFitsItsLabel_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("program fonts") << QString();
    QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans");
}

void TestReadingTask1::passageFitsItsLabel()
{
    QFETCH(QString, family);
    if (!family.isEmpty()) {
        if (!QFontDatabase().families().contains(family))
            QSKIP("font not installed");
        QApplication::setFont(QFont(family, 8));
    }
    testutil::ShownWindow shown;
    auto *label = widget<QLabel>(&shown.window, QStringLiteral("label_5"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->size(), QSize(731, 341));
    const int needed = label->heightForWidth(731);
    QVERIFY2(needed > 0 && needed <= 341, qPrintable(QStringLiteral("needs %1 px").arg(needed)));
}

void TestReadingTask1::textsGoThroughTheLookupInCreationOrder()
{
    testutil::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    MainWindow window;
    QCoreApplication::removeTranslator(&translator);

    QList<QPair<QString, QString>> shown; // widget, text it shows
    auto add = [&](const QString &name, const QString &text) { shown.append({name, text}); };
    for (const char *name : {"label_2", "label_5", "label_6"})
        add(QString::fromLatin1(name), widget<QLabel>(&window, QString::fromLatin1(name))->text());
    for (int item : kCreationOrder) {
        add(boxName(item), widget<QGroupBox>(&window, boxName(item))->title());
        for (int ending = 0; ending < 3; ++ending)
            add(buttonName(item, ending), radio(&window, item, ending)->text());
    }

    int from = 0;
    for (const auto &entry : shown) {
        int at = from;
        while (at < translator.lookups.size() && translator.lookups.at(at).source != entry.second)
            ++at;
        QVERIFY2(at < translator.lookups.size(), qPrintable(entry.first + QStringLiteral(" not looked up in order")));
        const testutil::RecordingTranslator::Lookup &lookup = translator.lookups.at(at);
        QCOMPARE(lookup.context, QStringLiteral("MainWindow"));
        QVERIFY(lookup.disambiguation.isNull());
        QCOMPARE(lookup.n, -1);
        from = at + 1;
    }
}

void TestReadingTask1::keysPointAtTheStatedEndings_data()
{
    QTest::addColumn<int>("item");
    for (int item = 1; item <= 5; ++item)
        QTest::newRow(qPrintable(QStringLiteral("item %1").arg(item))) << item;
}

void TestReadingTask1::keysPointAtTheStatedEndings()
{
    QFETCH(int, item);
    const int keyed = answer::kTaskI[item - 1].keyed;
    QVERIFY(keyed >= 0 && keyed < 3);
    MainWindow window;
    QCOMPARE(radio(&window, item, keyed)->text(),
             QString::fromUtf8(kItemTexts[item - 1].endings[kStatedEnding[item - 1]]));
}

void TestReadingTask1::nothingCheckedAtStart()
{
    testutil::ShownWindow shown;
    QCOMPARE(checkedPattern(&shown.window), QStringLiteral("000 000 000 000 000"));
    testutil::clickNext(&shown.window);
    QCOMPARE(testutil::currentPage(&shown.window), 1);
    QCOMPARE(checkedPattern(&shown.window), QStringLiteral("000 000 000 000 000"));
}

void TestReadingTask1::exclusiveWithinAnItem_data()
{
    QTest::addColumn<int>("item");
    for (int item = 1; item <= 5; ++item)
        QTest::newRow(qPrintable(QStringLiteral("item %1").arg(item))) << item;
}

// Each ending in turn, back to a), then a) again: one button of the item is checked at a time,
// a checked item cannot be cleared, and no other item moves.
void TestReadingTask1::exclusiveWithinAnItem()
{
    QFETCH(int, item);
    testutil::ShownWindow shown;
    testutil::goToPage(&shown.window, 1);
    const int sequence[] = {0, 1, 2, 0, 0};
    for (int ending : sequence) {
        clickRadio(radio(&shown.window, item, ending));
        QStringList expected;
        for (int other = 1; other <= 5; ++other)
            expected << QStringLiteral("000");
        expected[item - 1][ending] = QLatin1Char('1');
        QCOMPARE(checkedPattern(&shown.window), expected.join(QLatin1Char(' ')));
    }
}

void TestReadingTask1::itemsAreIndependent()
{
    testutil::ShownWindow shown;
    testutil::goToPage(&shown.window, 1);
    const struct {
        const char *answers;
        const char *pattern;
    } steps[] = {
        {"1.1", "100 000 000 000 000"}, {"2.2", "100 010 000 000 000"}, {"3.3", "100 010 001 000 000"},
        {"4.1", "100 010 001 100 000"}, {"5.2", "100 010 001 100 010"}, {"1.3", "001 010 001 100 010"},
        {"4.3", "001 010 001 001 010"},
    };
    for (const auto &step : steps) {
        clickAnswers(&shown.window, QString::fromLatin1(step.answers));
        QCOMPARE(checkedPattern(&shown.window), QString::fromLatin1(step.pattern));
    }
}

void TestReadingTask1::choicesSurviveNavigation_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("next and back") << "NB";
    QTest::newRow("back to the passage and next") << "BN";
    QTest::newRow("to the last page and back") << "NNNNNNBBBBBB";
    QTest::newRow("past both ends and back") << "BBBNNNNNNNNNBBBBBBBBBBBBBN";
}

void TestReadingTask1::choicesSurviveNavigation()
{
    QFETCH(QString, route);
    testutil::ShownWindow shown;
    testutil::goToPage(&shown.window, 1);
    clickAnswers(&shown.window, QStringLiteral("1.2 2.3 3.1 5.3"));
    const QString before = checkedPattern(&shown.window);
    QCOMPARE(before, QStringLiteral("010 001 100 000 001"));

    for (QChar step : route) {
        navigate(&shown.window, QString(step));
        QCOMPARE(checkedPattern(&shown.window), before);
    }
    QCOMPARE(testutil::currentPage(&shown.window), 1);
    QVERIFY(radio(&shown.window, 1, 1)->isVisible());
}

void TestReadingTask1::passageUnchangedAfterNextAndBack()
{
    testutil::ShownWindow shown;
    auto *label = widget<QLabel>(&shown.window, QStringLiteral("label_5"));
    const QString text = label->text();
    QVERIFY(label->isVisible());
    navigate(&shown.window, QStringLiteral("NB"));
    QCOMPARE(testutil::currentPage(&shown.window), 0);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), QRect(20, 40, 731, 341));
}

FRENCH_TEST_MAIN(TestReadingTask1)
#include "tst_reading_task1.moc"
