// Task IV: seven French words, their synonyms in another order, and a letter box between them.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <QComboBox>
#include <QLabel>

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

// The words in row order: what each box answers, and the texts of their labels. The trailing
// spaces are part of the stored text; the result page copies it as it is.
const MatchingItem kWords[] = {
    {NAMED(label_4_1), NAMED(v4_1), "1) participer   "},
    {NAMED(label_4_2), NAMED(v4_2), "2) apprendre"},
    {NAMED(label_4_3), NAMED(v4_3), "3) se passionner"},
    {NAMED(label_4_4), NAMED(v4_4), "4) nécessaire"},
    {NAMED(label_4_5), NAMED(v4_5), "5) se trouver"},
    {NAMED(label_4_6), NAMED(v4_6), "6) actuellement"},
    {NAMED(label_4_7), NAMED(v4_7), "7) vivre"},
};

QString word(int number)
{
    return QString::fromUtf8(kWords[number - 1].words);
}

} // namespace

const MatchingCells kTask4Cells = cellsOf(kCells);

QWidget *buildTask4Page(MainWindowUi &ui)
{
    const MatchingPage page = {NAMED(stacked_vocabulaire4), "VOCABULAIRE, IV", NAMED(vocabulaire4), NAMED(label_25),
                               NAMED(gridLayoutWidget_4), NAMED(gridLayout_4), QRect(20, 50, 721, 241),
                               0, QLayout::SetDefaultConstraint, 3, {40, 5, 40}};
    return buildMatchingPage(ui, page, kTask4Cells, kWords);
}

void assignTask4Texts(MainWindowUi &ui)
{
    const QStringList letters = letterChoices(7);
    ui.label_25->setText(translated(instructionHtml(QString::fromUtf8(sentence::kTaskIVInstruction))));
    ui.var_4_1->setText(translated(letterHtml(QStringLiteral("a)"), QStringLiteral("être situé"))));
    fillChoices(ui.v4_2, letters);
    fillChoices(ui.v4_7, letters);
    fillChoices(ui.v4_5, letters);
    fillChoices(ui.v4_3, letters);
    fillChoices(ui.v4_6, letters);
    ui.label_4_7->setText(translated(boldHtml(word(7))));
    ui.label_4_6->setText(translated(boldHtml(word(6))));
    ui.label_4_5->setText(translated(boldHtml(word(5))));
    ui.label_4_4->setText(translated(boldHtml(word(4))));
    ui.label_4_3->setText(translated(boldHtml(word(3))));
    ui.label_4_1->setText(translated(boldHtml(word(1))));
    ui.label_4_2->setText(translated(boldHtml(word(2))));
    fillChoices(ui.v4_4, letters);
    fillChoices(ui.v4_1, letters);
    ui.var_4_2->setText(translated(letterHtml(QStringLiteral("b)"), QStringLiteral("à présent"))));
    ui.var_4_3->setText(translated(letterHtml(QStringLiteral("c)"), QStringLiteral("habiter"))));
    ui.var_4_4->setText(translated(letterHtml(QStringLiteral("d)"), QStringLiteral("avoir l’hobby"))));
    ui.var_4_5->setText(translated(letterHtml(QStringLiteral("e)"), QStringLiteral("prendre part"))));
    ui.var_4_6->setText(translated(letterHtml(QStringLiteral("f)"), QStringLiteral("étudier"))));
    ui.var_4_7->setText(translated(letterHtml(QStringLiteral("g)"), QStringLiteral("utile"))));
}

} // namespace form
