// Task VI: ten sentences with a gap for a verb in the present tense, typed into small
// edits that live marking colours. The items sit at fixed places, without a layout.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <QLabel>
#include <QRect>
#include <QTextEdit>
#include <QWidget>

namespace form {

namespace {

// The look of an edit that has never changed; the first change replaces it for good.
const char kNeutralEditStyle[] = "border: 1px solid #000;";

struct GapItem {
    Named<QLabel> before;
    QRect beforeGeometry;
    const char *beforeText;
    const char *infinitive;
    Named<QTextEdit> edit;
    QRect editGeometry;
    Named<QLabel> after;
    QRect afterGeometry;
    const char *afterText;
};

// One row per sentence, in creation order; the edits' order is also their focus order.
const GapItem kItems[] = {
    {NAMED(label_58), {10, 45, 101, 20}, "1. Nous", "(être)",
     NAMED(textEdit1), {120, 45, 141, 25},
     NAMED(label_59), {260, 45, 141, 20}, "toujours à l’heure."},
    {NAMED(label_61), {10, 80, 121, 20}, "2. Je ne", "(savoir)",
     NAMED(textEdit_2), {130, 80, 141, 25},
     NAMED(label_60), {280, 80, 221, 20}, "pas pourquoi elle est absente."},
    {NAMED(label_64), {10, 115, 101, 20}, "3. Il lui", "(dire)",
     NAMED(textEdit_3), {120, 115, 141, 25},
     NAMED(label_62), {260, 115, 141, 20}, "son adresse."},
    {NAMED(label_63), {10, 150, 211, 20}, "4. Qui est-ce que tu", "(attendre)",
     NAMED(textEdit_4), {220, 150, 141, 25},
     NAMED(label_65), {360, 150, 141, 20}, "?"},
    {NAMED(label_71), {10, 185, 121, 20}, "5. Quand", "(partir)",
     NAMED(textEdit_5), {140, 185, 141, 25},
     NAMED(label_66), {280, 185, 141, 20}, "-vous pour la France?"},
    {NAMED(label_70), {10, 220, 171, 20}, "6. Les étudiants", "(remplir)",
     NAMED(textEdit_6), {180, 220, 141, 25},
     NAMED(label_72), {320, 220, 191, 20}, "la salle de conférence."},
    {NAMED(label_75), {10, 255, 151, 20}, "7. Nous", "(comprendre)",
     NAMED(textEdit_7), {160, 255, 141, 25},
     NAMED(label_73), {300, 255, 141, 20}, "bien cette règle."},
    {NAMED(label_74), {10, 290, 141, 20}, "8. Nous", "(s’adresser)",
     NAMED(textEdit_8), {150, 290, 141, 25},
     NAMED(label_76), {290, 290, 141, 20}, "à notre professeur."},
    {NAMED(label_79), {10, 325, 81, 20}, "9. Il", "(faire)",
     NAMED(textEdit_9), {100, 325, 141, 25},
     NAMED(label_77), {250, 325, 91, 20}, "des progrès."},
    {NAMED(label_78), {10, 360, 101, 20}, "10. Tu", "(devoir)",
     NAMED(textEdit_10), {120, 360, 141, 25},
     NAMED(label_80), {260, 360, 141, 20}, "être plus attentif."},
};

QString beforeHtml(const GapItem &item)
{
    return richText(QStringLiteral("<p><span style=\" font-weight:600;\">") + QString::fromUtf8(item.beforeText)
                    + QStringLiteral(" </span><span style=\" font-weight:600; font-style:italic;\">")
                    + QString::fromUtf8(item.infinitive) + QStringLiteral("</span></p>"));
}

// The sentence as a screen reader gives it: the words before and after the edit, the gap
// between them.
QString gapWords(const GapItem &item)
{
    return QString::fromUtf8(item.beforeText) + QLatin1Char(' ') + QString::fromUtf8(item.infinitive)
           + QStringLiteral(" … ") + QString::fromUtf8(item.afterText);
}

} // namespace

QWidget *buildTask6Page(MainWindowUi &ui)
{
    QWidget *page = makePage(ui, NAMED(stacked_grammaire6), "GRAMMAIRE, VI");
    QWidget *panel = makePanel(ui, NAMED(grammaire6), page, 770);
    makeInstructionLine(ui, NAMED(label_50), panel, QRect(20, 10, 771, 21), true);

    for (const GapItem &item : kItems) {
        makeItemLabel(ui, item.before, panel)->setGeometry(item.beforeGeometry);
        QTextEdit *edit = makeAnswerEdit(ui, item.edit, panel, kNeutralEditStyle);
        edit->setGeometry(item.editGeometry);
        nameAnswerControl(edit, gapWords(item));
        makeItemLabel(ui, item.after, panel)->setGeometry(item.afterGeometry);
    }
    return page;
}

void assignTask6Texts(MainWindowUi &ui)
{
    ui.label_50->setText(translated(instructionHtml(QString::fromUtf8(sentence::kTaskVIInstruction))));
    for (const GapItem &item : kItems) {
        (ui.*item.before.member)->setText(translated(beforeHtml(item)));
        (ui.*item.after.member)->setText(translated(boldHtml(QString::fromUtf8(item.afterText))));
    }
}

} // namespace form
