// Task VII: six jumbled word lists on the left, an edit for each recomposed sentence on
// the right, two equal columns in one row.

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

#include <iterator>

namespace form {

namespace {

// The look of an edit that has never changed; the first change replaces it for good.
const char kNeutralEditStyle[] = "border: 1px solid #000000;";

struct WordList {
    Named<QLabel> label;
    const char *words;
};

// The lists as the students know them, tabs and missing slashes included.
const WordList kWordLists[] = {
    {NAMED(label_82), "1)\telle / donne / le / me"},
    {NAMED(label_83), "2)\til / donner/ le me"},
    {NAMED(label_84), "3)\tmoi / le / donne"},
    {NAMED(label_85), "4)\til / pas / ne / donne / le / me"},
    {NAMED(label_86), "5) lui / le / donnez"},
    {NAMED(label_87), "6)\tdonne / lui je / le"},
};

// Creation order is focus order; each edit answers the word list in the same place.
const Named<QTextEdit> kEdits[] = {
    NAMED(textEdit_11), NAMED(textEdit_12), NAMED(textEdit_13),
    NAMED(textEdit_14), NAMED(textEdit_15), NAMED(textEdit_16),
};
static_assert(std::size(kEdits) == std::size(kWordLists), "one edit per word list");

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
    for (const WordList &list : kWordLists)
        words->addWidget(makeItemLabel(ui, list.label, columns));
    row->addLayout(words);

    QVBoxLayout *edits = make(ui, NAMED(verticalLayout_2), static_cast<QWidget *>(nullptr));
    edits->setSpacing(10);
    edits->setContentsMargins(5, 5, 5, 5);
    for (int k = 0; k < int(std::size(kEdits)); ++k) {
        QTextEdit *edit = makeAnswerEdit(ui, kEdits[k], columns, kNeutralEditStyle);
        nameAnswerControl(edit, QString::fromUtf8(kWordLists[k].words));
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
    for (const WordList &list : kWordLists)
        (ui.*list.label.member)->setText(translated(boldHtml(QString::fromUtf8(list.words))));
}

} // namespace form
