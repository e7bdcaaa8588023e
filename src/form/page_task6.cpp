// Task VI: ten sentences with a gap for a verb in the present tense, typed into small
// edits that live marking colours. The items sit at fixed places, without a layout.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QLabel>
#include <QRect>
#include <QTextEdit>
#include <QWidget>

namespace form {

namespace {

using U = MainWindowUi;

// The look of an edit that has never changed; the first change replaces it for good.
const char kNeutralEditStyle[] = "border: 1px solid #000;";

struct GapItem {
    QLabel *U::*before;
    const char *beforeName;
    QRect beforeGeometry;
    const char *beforeText;
    const char *infinitive;
    QTextEdit *U::*edit;
    const char *editName;
    QRect editGeometry;
    QLabel *U::*after;
    const char *afterName;
    QRect afterGeometry;
    const char *afterText;
};

// One row per sentence, in creation order; the edits' order is also their focus order.
const GapItem kItems[] = {
    {&U::label_58, "label_58", {10, 45, 101, 20}, "1. Nous", "(être)",
     &U::textEdit1, "textEdit1", {120, 45, 141, 25},
     &U::label_59, "label_59", {260, 45, 141, 20}, "toujours à l’heure."},
    {&U::label_61, "label_61", {10, 80, 121, 20}, "2. Je ne", "(savoir)",
     &U::textEdit_2, "textEdit_2", {130, 80, 141, 25},
     &U::label_60, "label_60", {280, 80, 221, 20}, "pas pourquoi elle est absente."},
    {&U::label_64, "label_64", {10, 115, 101, 20}, "3. Il lui", "(dire)",
     &U::textEdit_3, "textEdit_3", {120, 115, 141, 25},
     &U::label_62, "label_62", {260, 115, 141, 20}, "son adresse."},
    {&U::label_63, "label_63", {10, 150, 211, 20}, "4. Qui est-ce que tu", "(attendre)",
     &U::textEdit_4, "textEdit_4", {220, 150, 141, 25},
     &U::label_65, "label_65", {360, 150, 141, 20}, "?"},
    {&U::label_71, "label_71", {10, 185, 121, 20}, "5. Quand", "(partir)",
     &U::textEdit_5, "textEdit_5", {140, 185, 141, 25},
     &U::label_66, "label_66", {280, 185, 141, 20}, "-vous pour la France?"},
    {&U::label_70, "label_70", {10, 220, 171, 20}, "6. Les étudiants", "(remplir)",
     &U::textEdit_6, "textEdit_6", {180, 220, 141, 25},
     &U::label_72, "label_72", {320, 220, 191, 20}, "la salle de conférence."},
    {&U::label_75, "label_75", {10, 255, 151, 20}, "7. Nous", "(comprendre)",
     &U::textEdit_7, "textEdit_7", {160, 255, 141, 25},
     &U::label_73, "label_73", {300, 255, 141, 20}, "bien cette règle."},
    {&U::label_74, "label_74", {10, 290, 141, 20}, "8. Nous", "(s’adresser)",
     &U::textEdit_8, "textEdit_8", {150, 290, 141, 25},
     &U::label_76, "label_76", {290, 290, 141, 20}, "à notre professeur."},
    {&U::label_79, "label_79", {10, 325, 81, 20}, "9. Il", "(faire)",
     &U::textEdit_9, "textEdit_9", {100, 325, 141, 25},
     &U::label_77, "label_77", {250, 325, 91, 20}, "des progrès."},
    {&U::label_78, "label_78", {10, 360, 101, 20}, "10. Tu", "(devoir)",
     &U::textEdit_10, "textEdit_10", {120, 360, 141, 25},
     &U::label_80, "label_80", {260, 360, 141, 20}, "être plus attentif."},
};

QString beforeHtml(const GapItem &item)
{
    return richText(QStringLiteral("<p><span style=\" font-weight:600;\">") + QString::fromUtf8(item.beforeText)
                    + QStringLiteral(" </span><span style=\" font-weight:600; font-style:italic;\">")
                    + QString::fromUtf8(item.infinitive) + QStringLiteral("</span></p>"));
}

} // namespace

QWidget *buildTask6Page(MainWindowUi &ui)
{
    ui.stacked_grammaire6 = makePage(ui, "stacked_grammaire6");
    ui.grammaire6 = makePanel(ui.stacked_grammaire6, "grammaire6", 770);
    ui.label_50 = makeInstructionLine(ui.grammaire6, "label_50", QRect(20, 10, 771, 21), true);

    for (const GapItem &item : kItems) {
        QLabel *before = makeItemLabel(ui.grammaire6, item.beforeName);
        before->setGeometry(item.beforeGeometry);
        ui.*item.before = before;

        QTextEdit *edit = makeAnswerEdit(ui.grammaire6, item.editName, kNeutralEditStyle);
        edit->setGeometry(item.editGeometry);
        ui.*item.edit = edit;

        QLabel *after = makeItemLabel(ui.grammaire6, item.afterName);
        after->setGeometry(item.afterGeometry);
        ui.*item.after = after;
    }
    return ui.stacked_grammaire6;
}

void assignTask6Texts(MainWindowUi &ui)
{
    ui.label_50->setText(tr(instructionHtml(QStringLiteral("VI. Mettez au présent les verbes entre parenthèses:"))));
    for (const GapItem &item : kItems) {
        (ui.*item.before)->setText(tr(beforeHtml(item)));
        (ui.*item.after)->setText(tr(boldHtml(QString::fromUtf8(item.afterText))));
    }
}

} // namespace form
