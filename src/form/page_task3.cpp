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

// Creation order is the Tab order among the boxes, so it follows the form, not the rows.
const MatchingCell kCells[] = {
    labelCell(NAMED(label_3_5), 4, 0),              boxCell(NAMED(v3_5), 4, 1),        labelCell(NAMED(label_3_4), 3, 0),
    boxCell(NAMED(v3_2), 1, 1, CellQuirk::Cleared), labelCell(NAMED(label_3_1), 0, 0), labelCell(NAMED(label_3_2), 1, 0),
    labelCell(NAMED(label_3_3), 2, 0),              boxCell(NAMED(v3_3), 2, 1),        boxCell(NAMED(v3_1), 0, 1, CellQuirk::Cleared),
    labelCell(NAMED(var3_3), 2, 2),                 labelCell(NAMED(var3_4), 3, 2),    labelCell(NAMED(var3_5), 4, 2),
    labelCell(NAMED(var3_2), 1, 2),                 boxCell(NAMED(v3_4), 3, 1),        labelCell(NAMED(var3_1), 0, 2),
};

constexpr MatchingPage kPage = {NAMED(stacked_vocabulaire3), "VOCABULAIRE, III", NAMED(vocabulaire3), NAMED(label_22),
                                sentence::kTaskIIIInstruction, NAMED(gridLayoutWidget_3), NAMED(gridLayout_3),
                                QRect(20, 50, 721, 191), 0, QLayout::SetDefaultConstraint, 3, {47, 6, 47},
                                rowsOf(kCells), rowsOf(answer::kTaskIII), rowsOf(answer::kTaskIIIOptions)};

} // namespace

const MatchingCells kTask3Cells = rowsOf(kCells);

QWidget *buildTask3Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kPage);
}

void assignTask3Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kPage, letterChoices(int(std::size(answer::kTaskIIIOptions))));
}

} // namespace form
