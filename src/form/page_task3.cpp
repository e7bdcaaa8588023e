// Task III: five French police expressions, their Ukrainian equivalents in another order,
// and a letter box between them.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRect>
#include <QWidget>

namespace form {

QWidget *buildTask3Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire3 = makePage(ui, "stacked_vocabulaire3");
    ui.vocabulaire3 = makePanel(ui.stacked_vocabulaire3, "vocabulaire3", 771);
    ui.label_22 = makeInstructionLine(ui.vocabulaire3, "label_22", QRect(20, 20, 711, 21), false);

    QGridLayout *grid = ui.gridLayout_3 =
        makeMatchingGrid(ui.vocabulaire3, "gridLayoutWidget_3", "gridLayout_3", QRect(20, 50, 721, 191));
    ui.gridLayoutWidget_3 = grid->parentWidget();

    // Creation order is the Tab order among the boxes, so it follows the form, not the rows.
    ui.label_3_5 = addItemLabel(grid, "label_3_5", 4, 0);
    ui.v3_5 = addChoiceCombo(grid, "v3_5", 4, 1);
    ui.label_3_4 = addItemLabel(grid, "label_3_4", 3, 0);
    ui.v3_2 = addChoiceCombo(grid, "v3_2", 1, 1);
    ui.label_3_1 = addItemLabel(grid, "label_3_1", 0, 0);
    ui.label_3_2 = addItemLabel(grid, "label_3_2", 1, 0);
    ui.label_3_3 = addItemLabel(grid, "label_3_3", 2, 0);
    ui.v3_3 = addChoiceCombo(grid, "v3_3", 2, 1);
    ui.v3_1 = addChoiceCombo(grid, "v3_1", 0, 1);
    ui.var3_3 = addItemLabel(grid, "var3_3", 2, 2);
    ui.var3_4 = addItemLabel(grid, "var3_4", 3, 2);
    ui.var3_5 = addItemLabel(grid, "var3_5", 4, 2);
    ui.var3_2 = addItemLabel(grid, "var3_2", 1, 2);
    ui.v3_4 = addChoiceCombo(grid, "v3_4", 3, 1);
    ui.var3_1 = addItemLabel(grid, "var3_1", 0, 2);

    grid->setColumnStretch(0, 47);
    grid->setColumnStretch(1, 6);
    grid->setColumnStretch(2, 47);
    return ui.stacked_vocabulaire3;
}

void assignTask3Texts(MainWindowUi &ui)
{
    const QStringList letters = letterChoices(5);
    ui.label_22->setText(tr(instructionHtml(QStringLiteral("III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"))));
    ui.label_3_5->setText(tr(boldHtml(QStringLiteral("5) la lutte contre la délinquance juvénile"))));
    fillChoices(ui.v3_5, letters);
    ui.label_3_4->setText(tr(boldHtml(QStringLiteral("4) la lutte contre les crimes économiques"))));
    fillChoices(ui.v3_2, letters);
    ui.v3_2->setCurrentText(QString());
    ui.label_3_1->setText(tr(boldHtml(QStringLiteral("1) la recherche criminelle"))));
    ui.label_3_2->setText(tr(boldHtml(QStringLiteral("2) la milice de la sécurité publique"))));
    ui.label_3_3->setText(tr(boldHtml(QStringLiteral("3) la lutte contre le trafic illicite des stupéfiants"))));
    fillChoices(ui.v3_3, letters);
    fillChoices(ui.v3_1, letters);
    ui.v3_1->setCurrentText(QString());
    ui.var3_3->setText(tr(letterHtml(QStringLiteral("c)"), QStringLiteral("боротьба з підлітковою злочинністю"))));
    ui.var3_4->setText(tr(letterHtml(QStringLiteral("d)"), QStringLiteral("міліція громадської безпеки"))));
    ui.var3_5->setText(tr(letterHtml(QStringLiteral("e)"), QStringLiteral("боротьба з незаконним обігом наркотиків"))));
    ui.var3_2->setText(tr(letterHtml(QStringLiteral("b)"), QStringLiteral("карний розшук"))));
    fillChoices(ui.v3_4, letters);
    ui.var3_1->setText(tr(letterHtml(QStringLiteral("a)"), QStringLiteral("боротьба з економічними злочинами"))));
}

} // namespace form
