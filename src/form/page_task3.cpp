// Task III: five French police expressions, their Ukrainian equivalents in another order,
// and a letter box between them.

#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <iterator>

namespace form {

namespace {

// Creation order is the Tab order among the boxes, so it follows the form, not the rows. A
// cell gives its row of answer::kTaskIII or kTaskIIIOptions by index.
const MatchingCell kCells[] = {
    itemCell(4), boxCell(4), itemCell(3), boxCell(1, CellQuirk::Cleared), itemCell(0), itemCell(1), itemCell(2),
    boxCell(2), boxCell(0, CellQuirk::Cleared),
    optionCell(2), optionCell(3), optionCell(4), optionCell(1), boxCell(3), optionCell(0),
};

} // namespace

constexpr MatchingPage kTask3Page = {
    NAMED(stacked_vocabulaire3), "VOCABULAIRE, III", NAMED(vocabulaire3), NAMED(label_22),
    sentence::kTaskIIIInstruction, NAMED(gridLayoutWidget_3), NAMED(gridLayout_3), QRect(20, 50, 721, 191),
    0, QLayout::SetDefaultConstraint, 3, {47, 6, 47},
    rowsOf(kCells), rowsOf(answer::kTaskIII), rowsOf(answer::kTaskIIIOptions)};

QWidget *buildTask3Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kTask3Page);
}

void assignTask3Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kTask3Page, letterChoices(int(std::size(answer::kTaskIIIOptions))));
}

} // namespace form
