// Task II: seven questions, their answers in another order, and a letter box between them.

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
    labelCell(NAMED(label_15), 0, 2), boxCell(NAMED(comboBox_2), 1, 1),  boxCell(NAMED(comboBox_7), 6, 1),
    boxCell(NAMED(comboBox_5), 4, 1), boxCell(NAMED(comboBox_3), 2, 1),  boxCell(NAMED(comboBox_6), 5, 1),
    labelCell(NAMED(label_12), 6, 0), labelCell(NAMED(label_13), 5, 0), labelCell(NAMED(label_14), 4, 0),
    labelCell(NAMED(label_11), 3, 0), labelCell(NAMED(label_8), 2, 0),  labelCell(NAMED(label_10), 0, 0),
    labelCell(NAMED(label_9), 1, 0),  boxCell(NAMED(comboBox_4), 3, 1),  boxCell(NAMED(comboBox_1), 0, 1),
    labelCell(NAMED(label_16), 1, 2), labelCell(NAMED(label_17), 2, 2), labelCell(NAMED(label_18), 3, 2),
    labelCell(NAMED(label_19), 4, 2), labelCell(NAMED(label_20), 5, 2), labelCell(NAMED(label_21), 6, 2),
};

// The questions in row order: what each box answers, and the texts of their labels.
const MatchingItem kQuestions[] = {
    {NAMED(label_10), NAMED(comboBox_1), "1. On dit que vous êtes étudiant. "},
    {NAMED(label_9), NAMED(comboBox_2), sentence::kQuestion2},
    {NAMED(label_8), NAMED(comboBox_3), sentence::kQuestion3},
    {NAMED(label_11), NAMED(comboBox_4), "4. Qu’est-ce que vous apprenez à la faculté?   "},
    {NAMED(label_14), NAMED(comboBox_5), "5. Est-ce que vous étudiez l’anglais?   "},
    {NAMED(label_13), NAMED(comboBox_6), sentence::kQuestion6},
    {NAMED(label_12), NAMED(comboBox_7), sentence::kQuestion7},
};

QString question(int number)
{
    return QString::fromUtf8(kQuestions[number - 1].words);
}

} // namespace

const MatchingCells kTask2Cells = cellsOf(kCells);

QWidget *buildTask2Page(MainWindowUi &ui)
{
    const MatchingPage page = {NAMED(stacked_vocabulaire2), "VOCABULAIRE, II", NAMED(vocabulaire2), NAMED(label_7),
                               NAMED(gridLayoutWidget), NAMED(gridLayout), QRect(20, 50, 721, 261),
                               0, QLayout::SetDefaultConstraint, 3, {40, 5, 40}};
    return buildMatchingPage(ui, page, kTask2Cells, kQuestions);
}

void assignTask2Texts(MainWindowUi &ui)
{
    const QStringList letters = letterChoices(7);
    ui.label_7->setText(translated(instructionHtml(QString::fromUtf8(sentence::kTaskIIInstruction))));
    ui.label_15->setText(translated(letterHtml(QStringLiteral("a)"), QStringLiteral("Mais non, j’étudie le français."))));
    fillChoices(ui.comboBox_2, letters);
    ui.comboBox_2->setCurrentText(QString());
    fillChoices(ui.comboBox_7, letters);
    fillChoices(ui.comboBox_5, letters);
    fillChoices(ui.comboBox_3, letters);
    fillChoices(ui.comboBox_6, letters);
    // The last question's span also names the size; at the labels' 10 pt it looks the same.
    ui.label_12->setText(translated(richText(spanParagraph(QStringLiteral("font-size:10pt; font-weight:600;"),
                                                   question(7)))));
    ui.label_13->setText(translated(boldHtml(question(6))));
    ui.label_14->setText(translated(boldHtml(question(5))));
    ui.label_11->setText(translated(boldHtml(question(4))));
    ui.label_8->setText(translated(boldHtml(question(3))));
    ui.label_10->setText(translated(boldHtml(question(1))));
    ui.label_9->setText(translated(boldHtml(question(2))));
    fillChoices(ui.comboBox_4, letters);
    fillChoices(ui.comboBox_1, letters);
    ui.comboBox_1->setCurrentText(QString());
    ui.label_16->setText(translated(letterHtml(QStringLiteral("b)"), QStringLiteral("C’est un métier que je souhaite exercer depuis tout jeune."))));
    ui.label_17->setText(translated(letterHtml(QStringLiteral("c)"), QStringLiteral("C’est une belle langue, mais elle n’est pas facile. "))));
    ui.label_18->setText(translated(letterHtml(QStringLiteral("d)"), QStringLiteral("À la faculté de droit. "))));
    ui.label_19->setText(translated(letterHtml(QStringLiteral("e)"), QStringLiteral("Beaucoup de matières: le droit civil, le droit pénal, le droit administratif etc."))));
    ui.label_20->setText(translated(letterHtml(QStringLiteral("f)"), QStringLiteral("J’aime beaucoup la musique de tous genres (pop, rock…), l’informatique, les sports extrêmes. "))));
    ui.label_21->setText(translated(letterHtml(QStringLiteral("g)"), QStringLiteral("C’est vrai. Je suis en première année."))));
}

} // namespace form
