// Task II: seven questions, their answers in another order, and a letter box between them.

#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <iterator>

namespace form {

namespace {

// Creation order is the Tab order among the boxes, so it follows the form, not the rows. A
// cell gives its row of answer::kTaskII or kTaskIIOptions by index.
const MatchingCell kCells[] = {
    optionCell(0), boxCell(1, CellQuirk::Cleared), boxCell(6), boxCell(4), boxCell(2), boxCell(5),
    itemCell(6, CellQuirk::SizedSpan), itemCell(5), itemCell(4), itemCell(3), itemCell(2), itemCell(0), itemCell(1),
    boxCell(3), boxCell(0, CellQuirk::Cleared),
    optionCell(1), optionCell(2), optionCell(3), optionCell(4), optionCell(5), optionCell(6),
};

} // namespace

constexpr MatchingPage kTask2Page = {
    NAMED(stacked_vocabulaire2), "VOCABULAIRE, II", NAMED(vocabulaire2), NAMED(label_7),
    sentence::kTaskIIInstruction, NAMED(gridLayoutWidget), NAMED(gridLayout), QRect(20, 50, 721, 261),
    0, QLayout::SetDefaultConstraint, 3, {40, 5, 40},
    rowsOf(kCells), rowsOf(answer::kTaskII), rowsOf(answer::kTaskIIOptions)};

QWidget *buildTask2Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kTask2Page);
}

void assignTask2Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kTask2Page, letterChoices(int(std::size(answer::kTaskIIOptions))));
}

} // namespace form
