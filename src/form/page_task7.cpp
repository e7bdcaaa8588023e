// Task VII: six jumbled word lists on the left, an edit for each recomposed sentence on
// the right, two equal columns in one row.

#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QRect>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace form {

namespace {

// The look of an edit that has never changed; the first change replaces it for good.
const char kNeutralEditStyle[] = "border: 1px solid #000000;";

} // namespace

QWidget *buildTask7Page(MainWindowUi &ui)
{
    QWidget *page = makePage(ui, NAMED(stacked_grammaire7), "GRAMMAIRE, VII");
    QWidget *panel = makePanel(ui, NAMED(grammaire7), page, 771);
    makeInstructionLine(ui, NAMED(label_81), panel, QRect(20, 20, 711, 21), false);

    QWidget *columns = make(ui, NAMED(layoutWidget), panel);
    columns->setGeometry(QRect(20, 50, 541, 231));
    QHBoxLayout *row = makeFlushLayout(ui, NAMED(horizontalLayout_2), columns, 6);
    row->setSizeConstraint(QLayout::SetNoConstraint);

    QVBoxLayout *words = make(ui, NAMED(verticalLayout), static_cast<QWidget *>(nullptr));
    words->setSpacing(6);
    for (const answer::WordListItem &item : answer::kTaskVII)
        words->addWidget(makeItemLabel(ui, item.label, columns));
    row->addLayout(words);

    QVBoxLayout *edits = make(ui, NAMED(verticalLayout_2), static_cast<QWidget *>(nullptr));
    edits->setSpacing(10);
    edits->setContentsMargins(5, 5, 5, 5);
    // Row order is creation order, and so the edits' focus order.
    for (const answer::WordListItem &item : answer::kTaskVII) {
        QTextEdit *edit = makeAnswerEdit(ui, item.edit, columns, kNeutralEditStyle);
        nameAnswerControl(edit, QString::fromUtf8(item.words));
        edits->addWidget(edit);
    }
    row->addLayout(edits);

    row->setStretch(0, 50);
    row->setStretch(1, 50);
    return page;
}

void assignTask7Texts(MainWindowUi &ui)
{
    ui.label_81->setText(
        translated(instructionHtml(QString::fromUtf8(sentence::kTaskVIIInstruction))));
    for (const answer::WordListItem &item : answer::kTaskVII)
        (ui.*item.label.member)->setText(translated(boldHtml(QString::fromUtf8(item.words))));
}

} // namespace form
