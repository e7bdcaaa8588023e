// Task IV: seven French words, their synonyms in another order, and a letter box between them.

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
    labelCell(NAMED(var_4_1), 0, 2),   boxCell(NAMED(v4_2), 1, 1),        boxCell(NAMED(v4_7), 6, 1),
    boxCell(NAMED(v4_5), 4, 1),        boxCell(NAMED(v4_3), 2, 1),        boxCell(NAMED(v4_6), 5, 1),
    labelCell(NAMED(label_4_7), 6, 0), labelCell(NAMED(label_4_6), 5, 0), labelCell(NAMED(label_4_5), 4, 0),
    labelCell(NAMED(label_4_4), 3, 0), labelCell(NAMED(label_4_3), 2, 0), labelCell(NAMED(label_4_1), 0, 0),
    labelCell(NAMED(label_4_2), 1, 0), boxCell(NAMED(v4_4), 3, 1),        boxCell(NAMED(v4_1), 0, 1),
    labelCell(NAMED(var_4_2), 1, 2),   labelCell(NAMED(var_4_3), 2, 2),   labelCell(NAMED(var_4_4), 3, 2),
    labelCell(NAMED(var_4_5), 4, 2),   labelCell(NAMED(var_4_6), 5, 2),   labelCell(NAMED(var_4_7), 6, 2),
};

constexpr MatchingPage kPage = {NAMED(stacked_vocabulaire4), "VOCABULAIRE, IV", NAMED(vocabulaire4), NAMED(label_25),
                                sentence::kTaskIVInstruction, NAMED(gridLayoutWidget_4), NAMED(gridLayout_4),
                                QRect(20, 50, 721, 241), 0, QLayout::SetDefaultConstraint, 3, {40, 5, 40},
                                rowsOf(kCells), rowsOf(answer::kTaskIV), rowsOf(answer::kTaskIVOptions)};

} // namespace

const MatchingCells kTask4Cells = rowsOf(kCells);

QWidget *buildTask4Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kPage);
}

void assignTask4Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kPage, letterChoices(int(std::size(answer::kTaskIVOptions))));
}

} // namespace form
