// Task IV: seven French words, their synonyms in another order, and a letter box between them.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRect>
#include <QWidget>

namespace form {

QWidget *buildTask4Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire4 = makePage(ui, "stacked_vocabulaire4");
    ui.vocabulaire4 = makePanel(ui.stacked_vocabulaire4, "vocabulaire4", 771);
    ui.label_25 = makeInstructionLine(ui.vocabulaire4, "label_25", QRect(20, 20, 711, 21), false);

    QGridLayout *grid = ui.gridLayout_4 =
        makeMatchingGrid(ui.vocabulaire4, "gridLayoutWidget_4", "gridLayout_4", QRect(20, 50, 721, 241));
    ui.gridLayoutWidget_4 = grid->parentWidget();

    // Creation order is the Tab order among the boxes, so it follows the form, not the rows.
    ui.var_4_1 = addItemLabel(grid, "var_4_1", 0, 2);
    ui.v4_2 = addChoiceCombo(grid, "v4_2", 1, 1);
    ui.v4_7 = addChoiceCombo(grid, "v4_7", 6, 1);
    ui.v4_5 = addChoiceCombo(grid, "v4_5", 4, 1);
    ui.v4_3 = addChoiceCombo(grid, "v4_3", 2, 1);
    ui.v4_6 = addChoiceCombo(grid, "v4_6", 5, 1);
    ui.label_4_7 = addItemLabel(grid, "label_4_7", 6, 0);
    ui.label_4_6 = addItemLabel(grid, "label_4_6", 5, 0);
    ui.label_4_5 = addItemLabel(grid, "label_4_5", 4, 0);
    ui.label_4_4 = addItemLabel(grid, "label_4_4", 3, 0);
    ui.label_4_3 = addItemLabel(grid, "label_4_3", 2, 0);
    ui.label_4_1 = addItemLabel(grid, "label_4_1", 0, 0);
    ui.label_4_2 = addItemLabel(grid, "label_4_2", 1, 0);
    ui.v4_4 = addChoiceCombo(grid, "v4_4", 3, 1);
    ui.v4_1 = addChoiceCombo(grid, "v4_1", 0, 1);
    ui.var_4_2 = addItemLabel(grid, "var_4_2", 1, 2);
    ui.var_4_3 = addItemLabel(grid, "var_4_3", 2, 2);
    ui.var_4_4 = addItemLabel(grid, "var_4_4", 3, 2);
    ui.var_4_5 = addItemLabel(grid, "var_4_5", 4, 2);
    ui.var_4_6 = addItemLabel(grid, "var_4_6", 5, 2);
    ui.var_4_7 = addItemLabel(grid, "var_4_7", 6, 2);

    grid->setColumnStretch(0, 40);
    grid->setColumnStretch(1, 5);
    grid->setColumnStretch(2, 40);
    return ui.stacked_vocabulaire4;
}

void assignTask4Texts(MainWindowUi &ui)
{
    const QStringList letters = letterChoices(7);
    ui.label_25->setText(tr(instructionHtml(QStringLiteral("IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:"))));
    ui.var_4_1->setText(tr(letterHtml(QStringLiteral("a)"), QStringLiteral("être situé"))));
    fillChoices(ui.v4_2, letters);
    fillChoices(ui.v4_7, letters);
    fillChoices(ui.v4_5, letters);
    fillChoices(ui.v4_3, letters);
    fillChoices(ui.v4_6, letters);
    ui.label_4_7->setText(tr(boldHtml(QStringLiteral("7) vivre"))));
    ui.label_4_6->setText(tr(boldHtml(QStringLiteral("6) actuellement"))));
    ui.label_4_5->setText(tr(boldHtml(QStringLiteral("5) se trouver"))));
    ui.label_4_4->setText(tr(boldHtml(QStringLiteral("4) nécessaire"))));
    ui.label_4_3->setText(tr(boldHtml(QStringLiteral("3) se passionner"))));
    // The trailing spaces are part of the stored text; the result page copies it as it is.
    ui.label_4_1->setText(tr(boldHtml(QStringLiteral("1) participer   "))));
    ui.label_4_2->setText(tr(boldHtml(QStringLiteral("2) apprendre"))));
    fillChoices(ui.v4_4, letters);
    fillChoices(ui.v4_1, letters);
    ui.var_4_2->setText(tr(letterHtml(QStringLiteral("b)"), QStringLiteral("à présent"))));
    ui.var_4_3->setText(tr(letterHtml(QStringLiteral("c)"), QStringLiteral("habiter"))));
    ui.var_4_4->setText(tr(letterHtml(QStringLiteral("d)"), QStringLiteral("avoir l’hobby"))));
    ui.var_4_5->setText(tr(letterHtml(QStringLiteral("e)"), QStringLiteral("prendre part"))));
    ui.var_4_6->setText(tr(letterHtml(QStringLiteral("f)"), QStringLiteral("étudier"))));
    ui.var_4_7->setText(tr(letterHtml(QStringLiteral("g)"), QStringLiteral("utile"))));
}

} // namespace form
