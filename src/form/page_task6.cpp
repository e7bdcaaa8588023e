// Task VI: ten sentences with a gap for a verb in the present tense, typed into small
// edits that live marking colours. The items sit at fixed places, without a layout.

#include "answer_key.h"
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

QString beforeHtml(const answer::GapItem &item)
{
    return richText(QStringLiteral("<p><span style=\" font-weight:600;\">") + QString::fromUtf8(item.before.words)
                    + QStringLiteral(" </span><span style=\" font-weight:600; font-style:italic;\">")
                    + QString::fromUtf8(item.infinitive) + QStringLiteral("</span></p>"));
}

// The sentence as a screen reader gives it: the words before and after the edit, the gap
// between them.
QString gapWords(const answer::GapItem &item)
{
    return QString::fromUtf8(item.before.words) + QLatin1Char(' ') + QString::fromUtf8(item.infinitive)
           + QStringLiteral(" … ") + QString::fromUtf8(item.after.words);
}

} // namespace

QWidget *buildTask6Page(MainWindowUi &ui)
{
    QWidget *page = makePage(ui, NAMED(stacked_grammaire6), "GRAMMAIRE, VI");
    QWidget *panel = makePanel(ui, NAMED(grammaire6), page, 770);
    makeInstructionLine(ui, NAMED(label_50), panel, QRect(20, 10, 771, 21), true);

    for (const answer::GapItem &item : answer::kTaskVI) {
        makeItemLabel(ui, item.before.label, panel)->setGeometry(item.before.geometry);
        QTextEdit *edit = makeAnswerEdit(ui, item.edit, panel, kNeutralEditStyle);
        edit->setGeometry(item.editGeometry);
        nameAnswerControl(edit, gapWords(item));
        makeItemLabel(ui, item.after.label, panel)->setGeometry(item.after.geometry);
    }
    return page;
}

void assignTask6Texts(MainWindowUi &ui)
{
    ui.label_50->setText(translated(instructionHtml(QString::fromUtf8(sentence::kTaskVIInstruction))));
    for (const answer::GapItem &item : answer::kTaskVI) {
        (ui.*item.before.label.member)->setText(translated(beforeHtml(item)));
        (ui.*item.after.label.member)->setText(translated(boldHtml(QString::fromUtf8(item.after.words))));
    }
}

} // namespace form
