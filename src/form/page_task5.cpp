// Task V: ten French numbers in words, each with a box of numbers in digits.

#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRect>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace form {

namespace {

// The letters skip g and j: "h) 551" stands at index 6.
QStringList numberChoices()
{
    return {translated("a) 175"), translated("b) 1234"), translated("c) 98"), translated("d) 316"), translated("e) 2014"),
            translated("f) 37"), translated("h) 551"), translated("i) 84"), translated("k) 42"), translated("l) 115")};
}

// The grid's stretch leaves the boxes narrower than their items, and a cut "b) 1234"
// reads as another number: each box gets at least the width its longest item needs.
void fitLongestItem(QComboBox *box)
{
    box->ensurePolished(); // the style sheet's font decides the width
    const QFontMetrics metrics(box->font());
    int longest = 0;
    for (int i = 0; i < box->count(); ++i) {
#if QT_VERSION >= QT_VERSION_CHECK(5, 11, 0)
        longest = qMax(longest, metrics.horizontalAdvance(box->itemText(i)));
#else
        longest = qMax(longest, metrics.width(box->itemText(i)));
#endif
    }
    QStyleOptionComboBox option;
    option.initFrom(box);
    const int probeWidth = 200;
    option.rect = QRect(0, 0, probeWidth, box->sizeHint().height());
    // The style sheet's box model and the underlying style each inset the item; the
    // item is drawn within the narrower of the two, one pixel in from either side.
    int overhead = 0;
    for (const QStyle *style : {box->style(), QApplication::style()}) {
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        overhead = qMax(overhead, probeWidth - field.width());
    }
    box->setMinimumWidth(overhead + longest + 2);
}

// Two columns, each number beside its box, in the order of answer::kTaskV.
const MatchingCell kCells[] = {
    itemCell(0), boxCell(0), itemCell(1), boxCell(1), itemCell(2), boxCell(2), itemCell(3), boxCell(3),
    itemCell(4), boxCell(4), itemCell(5), boxCell(5), itemCell(6), boxCell(6), itemCell(7), boxCell(7),
    itemCell(8), boxCell(8), itemCell(9), boxCell(9),
};

} // namespace

constexpr MatchingPage kTask5Page = {
    NAMED(stacked_vocabulaire5), "VOCABULAIRE, V", NAMED(vocabulaire5), NAMED(label_49),
    sentence::kTaskVInstruction, NAMED(gridLayoutWidget_5), NAMED(gridLayout_5), QRect(20, 50, 321, 311),
    6, QLayout::SetNoConstraint, 2, {47, 5},
    rowsOf(kCells), rowsOf(answer::kTaskV), {nullptr, 0}};

QWidget *buildTask5Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kTask5Page);
}

void assignTask5Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kTask5Page, numberChoices(), fitLongestItem);
}

} // namespace form
