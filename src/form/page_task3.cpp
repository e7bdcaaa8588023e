// Task III: five French police expressions, their Ukrainian equivalents in another order,
// and a letter box between them.

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
    labelCell(NAMED(label_3_5), 4, 0), boxCell(NAMED(v3_5), 4, 1),        labelCell(NAMED(label_3_4), 3, 0),
    boxCell(NAMED(v3_2), 1, 1),        labelCell(NAMED(label_3_1), 0, 0), labelCell(NAMED(label_3_2), 1, 0),
    labelCell(NAMED(label_3_3), 2, 0), boxCell(NAMED(v3_3), 2, 1),        boxCell(NAMED(v3_1), 0, 1),
    labelCell(NAMED(var3_3), 2, 2),    labelCell(NAMED(var3_4), 3, 2),    labelCell(NAMED(var3_5), 4, 2),
    labelCell(NAMED(var3_2), 1, 2),    boxCell(NAMED(v3_4), 3, 1),        labelCell(NAMED(var3_1), 0, 2),
};

// The French expressions in row order: what each box answers, and the texts of their labels.
const MatchingItem kExpressions[] = {
    {NAMED(label_3_1), NAMED(v3_1), "1) la recherche criminelle"},
    {NAMED(label_3_2), NAMED(v3_2), "2) la milice de la sécurité publique"},
    {NAMED(label_3_3), NAMED(v3_3), "3) la lutte contre le trafic illicite des stupéfiants"},
    {NAMED(label_3_4), NAMED(v3_4), "4) la lutte contre les crimes économiques"},
    {NAMED(label_3_5), NAMED(v3_5), "5) la lutte contre la délinquance juvénile"},
};

QString expression(int number)
{
    return QString::fromUtf8(kExpressions[number - 1].words);
}

} // namespace

const MatchingCells kTask3Cells = cellsOf(kCells);

QWidget *buildTask3Page(MainWindowUi &ui)
{
    const MatchingPage page = {NAMED(stacked_vocabulaire3), "VOCABULAIRE, III", NAMED(vocabulaire3), NAMED(label_22),
                               NAMED(gridLayoutWidget_3), NAMED(gridLayout_3), QRect(20, 50, 721, 191),
                               0, QLayout::SetDefaultConstraint, 3, {47, 6, 47}};
    return buildMatchingPage(ui, page, kTask3Cells, kExpressions);
}

void assignTask3Texts(MainWindowUi &ui)
{
    const QStringList letters = letterChoices(5);
    ui.label_22->setText(translated(instructionHtml(QString::fromUtf8(sentence::kTaskIIIInstruction))));
    ui.label_3_5->setText(translated(boldHtml(expression(5))));
    fillChoices(ui.v3_5, letters);
    ui.label_3_4->setText(translated(boldHtml(expression(4))));
    fillChoices(ui.v3_2, letters);
    ui.v3_2->setCurrentText(QString());
    ui.label_3_1->setText(translated(boldHtml(expression(1))));
    ui.label_3_2->setText(translated(boldHtml(expression(2))));
    ui.label_3_3->setText(translated(boldHtml(expression(3))));
    fillChoices(ui.v3_3, letters);
    fillChoices(ui.v3_1, letters);
    ui.v3_1->setCurrentText(QString());
    ui.var3_3->setText(translated(letterHtml(QStringLiteral("c)"), QStringLiteral("боротьба з підлітковою злочинністю"))));
    ui.var3_4->setText(translated(letterHtml(QStringLiteral("d)"), QStringLiteral("міліція громадської безпеки"))));
    ui.var3_5->setText(translated(letterHtml(QStringLiteral("e)"), QStringLiteral("боротьба з незаконним обігом наркотиків"))));
    ui.var3_2->setText(translated(letterHtml(QStringLiteral("b)"), QStringLiteral("карний розшук"))));
    fillChoices(ui.v3_4, letters);
    ui.var3_1->setText(translated(letterHtml(QStringLiteral("a)"), QStringLiteral("боротьба з економічними злочинами"))));
}

} // namespace form
