// Task II: seven questions, their answers in another order, and a letter box between them.

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
    labelCell(NAMED(label_15), 0, 2), boxCell(NAMED(comboBox_2), 1, 1, CellQuirk::Cleared), boxCell(NAMED(comboBox_7), 6, 1),
    boxCell(NAMED(comboBox_5), 4, 1), boxCell(NAMED(comboBox_3), 2, 1), boxCell(NAMED(comboBox_6), 5, 1),
    labelCell(NAMED(label_12), 6, 0, CellQuirk::SizedSpan), labelCell(NAMED(label_13), 5, 0), labelCell(NAMED(label_14), 4, 0),
    labelCell(NAMED(label_11), 3, 0), labelCell(NAMED(label_8), 2, 0), labelCell(NAMED(label_10), 0, 0),
    labelCell(NAMED(label_9), 1, 0), boxCell(NAMED(comboBox_4), 3, 1), boxCell(NAMED(comboBox_1), 0, 1, CellQuirk::Cleared),
    labelCell(NAMED(label_16), 1, 2), labelCell(NAMED(label_17), 2, 2), labelCell(NAMED(label_18), 3, 2),
    labelCell(NAMED(label_19), 4, 2), labelCell(NAMED(label_20), 5, 2), labelCell(NAMED(label_21), 6, 2),
};

constexpr MatchingPage kPage = {NAMED(stacked_vocabulaire2), "VOCABULAIRE, II", NAMED(vocabulaire2), NAMED(label_7),
                                sentence::kTaskIIInstruction, NAMED(gridLayoutWidget), NAMED(gridLayout),
                                QRect(20, 50, 721, 261), 0, QLayout::SetDefaultConstraint, 3, {40, 5, 40},
                                rowsOf(kCells), rowsOf(answer::kTaskII), rowsOf(answer::kTaskIIOptions)};

} // namespace

const MatchingCells kTask2Cells = rowsOf(kCells);

QWidget *buildTask2Page(MainWindowUi &ui)
{
    return buildMatchingPage(ui, kPage);
}

void assignTask2Texts(MainWindowUi &ui)
{
    assignMatchingTexts(ui, kPage, letterChoices(int(std::size(answer::kTaskIIOptions))));
}

} // namespace form
