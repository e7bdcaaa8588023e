// Task IV: seven French words, their synonyms in another order, and a letter box between them.

#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <iterator>

namespace form {

namespace {

// Creation order is the Tab order among the boxes, so it follows the form, not the rows. A
// cell gives its row of answer::kTaskIV or kTaskIVOptions by index.
const MatchingCell kCells[] = {
    optionCell(0), boxCell(1), boxCell(6), boxCell(4), boxCell(2), boxCell(5),
    itemCell(6), itemCell(5), itemCell(4), itemCell(3), itemCell(2), itemCell(0), itemCell(1),
    boxCell(3), boxCell(0),
    optionCell(1), optionCell(2), optionCell(3), optionCell(4), optionCell(5), optionCell(6),
};

} // namespace

constexpr MatchingPage kTask4Page = {
    NAMED(stacked_vocabulaire4), "VOCABULAIRE, IV", NAMED(vocabulaire4), NAMED(label_25),
    sentence::kTaskIVInstruction, NAMED(gridLayoutWidget_4), NAMED(gridLayout_4), QRect(20, 50, 721, 241),
    0, QLayout::SetDefaultConstraint, 3, {40, 5, 40},
    rowsOf(kCells), rowsOf(answer::kTaskIV), rowsOf(answer::kTaskIVOptions)};

QWidget *buildTask4Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kTask4Page);
}

void assignTask4Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kTask4Page, letterChoices(int(std::size(answer::kTaskIVOptions))));
}

} // namespace form
