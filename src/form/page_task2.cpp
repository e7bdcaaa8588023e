// Task II: seven questions, their answers in another order, and a letter box between them.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRect>
#include <QWidget>

namespace form {

QWidget *buildTask2Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire2 = makePage(ui, "stacked_vocabulaire2");
    ui.vocabulaire2 = makePanel(ui.stacked_vocabulaire2, "vocabulaire2", 771);
    ui.label_7 = makeInstructionLine(ui.vocabulaire2, "label_7", QRect(20, 20, 711, 21), false);

    QGridLayout *grid = ui.gridLayout =
        makeMatchingGrid(ui.vocabulaire2, "gridLayoutWidget", "gridLayout", QRect(20, 50, 721, 261));
    ui.gridLayoutWidget = grid->parentWidget();

    // Creation order is the Tab order among the boxes, so it follows the form, not the rows.
    ui.label_15 = addItemLabel(grid, "label_15", 0, 2);
    ui.comboBox_2 = addChoiceCombo(grid, "comboBox_2", 1, 1);
    ui.comboBox_7 = addChoiceCombo(grid, "comboBox_7", 6, 1);
    ui.comboBox_5 = addChoiceCombo(grid, "comboBox_5", 4, 1);
    ui.comboBox_3 = addChoiceCombo(grid, "comboBox_3", 2, 1);
    ui.comboBox_6 = addChoiceCombo(grid, "comboBox_6", 5, 1);
    ui.label_12 = addItemLabel(grid, "label_12", 6, 0);
    ui.label_13 = addItemLabel(grid, "label_13", 5, 0);
    ui.label_14 = addItemLabel(grid, "label_14", 4, 0);
    ui.label_11 = addItemLabel(grid, "label_11", 3, 0);
    ui.label_8 = addItemLabel(grid, "label_8", 2, 0);
    ui.label_10 = addItemLabel(grid, "label_10", 0, 0);
    ui.label_9 = addItemLabel(grid, "label_9", 1, 0);
    ui.comboBox_4 = addChoiceCombo(grid, "comboBox_4", 3, 1);
    ui.comboBox_1 = addChoiceCombo(grid, "comboBox_1", 0, 1);
    ui.label_16 = addItemLabel(grid, "label_16", 1, 2);
    ui.label_17 = addItemLabel(grid, "label_17", 2, 2);
    ui.label_18 = addItemLabel(grid, "label_18", 3, 2);
    ui.label_19 = addItemLabel(grid, "label_19", 4, 2);
    ui.label_20 = addItemLabel(grid, "label_20", 5, 2);
    ui.label_21 = addItemLabel(grid, "label_21", 6, 2);

    grid->setColumnStretch(0, 40);
    grid->setColumnStretch(1, 5);
    grid->setColumnStretch(2, 40);
    return ui.stacked_vocabulaire2;
}

void assignTask2Texts(MainWindowUi &ui)
{
    const QStringList letters = letterChoices(7);
    ui.label_7->setText(tr(instructionHtml(QStringLiteral("II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:"))));
    ui.label_15->setText(tr(letterHtml(QStringLiteral("a)"), QStringLiteral("Mais non, j’étudie le français."))));
    fillChoices(ui.comboBox_2, letters);
    ui.comboBox_2->setCurrentText(QString());
    fillChoices(ui.comboBox_7, letters);
    fillChoices(ui.comboBox_5, letters);
    fillChoices(ui.comboBox_3, letters);
    fillChoices(ui.comboBox_6, letters);
    // The last question's span also names the size; at the labels' 10 pt it looks the same.
    ui.label_12->setText(tr(richText(spanParagraph(QStringLiteral("font-size:10pt; font-weight:600;"),
                                                   QStringLiteral("7. Quel sont vos hobbys?")))));
    ui.label_13->setText(tr(boldHtml(QStringLiteral("6. Aimez- vous cette langue?"))));
    ui.label_14->setText(tr(boldHtml(QStringLiteral("5. Est-ce que vous étudiez l’anglais?   "))));
    ui.label_11->setText(tr(boldHtml(QStringLiteral("4. Qu’est-ce que vous apprenez à la faculté?   "))));
    ui.label_8->setText(tr(boldHtml(QStringLiteral("3. Pourquoi avez-vous choisi le métier du policier?"))));
    ui.label_10->setText(tr(boldHtml(QStringLiteral("1. On dit que vous êtes étudiant. "))));
    ui.label_9->setText(tr(boldHtml(QStringLiteral("2. À quelle faculté?"))));
    fillChoices(ui.comboBox_4, letters);
    fillChoices(ui.comboBox_1, letters);
    ui.comboBox_1->setCurrentText(QString());
    ui.label_16->setText(tr(letterHtml(QStringLiteral("b)"), QStringLiteral("C’est un métier que je souhaite exercer depuis tout jeune."))));
    ui.label_17->setText(tr(letterHtml(QStringLiteral("c)"), QStringLiteral("C’est une belle langue, mais elle n’est pas facile. "))));
    ui.label_18->setText(tr(letterHtml(QStringLiteral("d)"), QStringLiteral("À la faculté de droit. "))));
    ui.label_19->setText(tr(letterHtml(QStringLiteral("e)"), QStringLiteral("Beaucoup de matières: le droit civil, le droit pénal, le droit administratif etc."))));
    ui.label_20->setText(tr(letterHtml(QStringLiteral("f)"), QStringLiteral("J’aime beaucoup la musique de tous genres (pop, rock…), l’informatique, les sports extrêmes. "))));
    ui.label_21->setText(tr(letterHtml(QStringLiteral("g)"), QStringLiteral("C’est vrai. Je suis en première année."))));
}

} // namespace form
