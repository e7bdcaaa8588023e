// Task VII: six jumbled word lists on the left, an edit for each recomposed sentence on
// the right, two equal columns in one row.

#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QRect>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace form {

namespace {

using U = MainWindowUi;

// The look of an edit that has never changed; the first change replaces it for good.
const char kNeutralEditStyle[] = "border: 1px solid #000000;";

struct WordList {
    QLabel *U::*label;
    const char *name;
    const char *words;
};

// The lists as the students know them, tabs and missing slashes included.
const WordList kWordLists[] = {
    {&U::label_82, "label_82", "1)\telle / donne / le / me"},
    {&U::label_83, "label_83", "2)\til / donner/ le me"},
    {&U::label_84, "label_84", "3)\tmoi / le / donne"},
    {&U::label_85, "label_85", "4)\til / pas / ne / donne / le / me"},
    {&U::label_86, "label_86", "5) lui / le / donnez"},
    {&U::label_87, "label_87", "6)\tdonne / lui je / le"},
};

struct AnswerEdit {
    QTextEdit *U::*edit;
    const char *name;
};

// Creation order is focus order.
const AnswerEdit kEdits[] = {
    {&U::textEdit_11, "textEdit_11"}, {&U::textEdit_12, "textEdit_12"}, {&U::textEdit_13, "textEdit_13"},
    {&U::textEdit_14, "textEdit_14"}, {&U::textEdit_15, "textEdit_15"}, {&U::textEdit_16, "textEdit_16"},
};

} // namespace

QWidget *buildTask7Page(MainWindowUi &ui)
{
    ui.stacked_grammaire7 = makePage(ui, "stacked_grammaire7");
    ui.grammaire7 = makePanel(ui.stacked_grammaire7, "grammaire7", 771);
    ui.label_81 = makeInstructionLine(ui.grammaire7, "label_81", QRect(20, 20, 711, 21), false);

    ui.layoutWidget = create<QWidget>(ui.grammaire7, "layoutWidget");
    ui.layoutWidget->setGeometry(QRect(20, 50, 541, 231));
    ui.horizontalLayout_2 = makeFlushLayout<QHBoxLayout>(ui.layoutWidget, "horizontalLayout_2", 6);
    ui.horizontalLayout_2->setSizeConstraint(QLayout::SetNoConstraint);

    ui.verticalLayout = create<QVBoxLayout>(static_cast<QWidget *>(nullptr), "verticalLayout");
    ui.verticalLayout->setSpacing(6);
    for (const WordList &list : kWordLists) {
        QLabel *label = makeItemLabel(ui.layoutWidget, list.name);
        ui.verticalLayout->addWidget(label);
        ui.*list.label = label;
    }
    ui.horizontalLayout_2->addLayout(ui.verticalLayout);

    ui.verticalLayout_2 = create<QVBoxLayout>(static_cast<QWidget *>(nullptr), "verticalLayout_2");
    ui.verticalLayout_2->setSpacing(10);
    ui.verticalLayout_2->setContentsMargins(5, 5, 5, 5);
    for (const AnswerEdit &item : kEdits) {
        QTextEdit *edit = makeAnswerEdit(ui.layoutWidget, item.name, kNeutralEditStyle);
        ui.verticalLayout_2->addWidget(edit);
        ui.*item.edit = edit;
    }
    ui.horizontalLayout_2->addLayout(ui.verticalLayout_2);

    ui.horizontalLayout_2->setStretch(0, 50);
    ui.horizontalLayout_2->setStretch(1, 50);
    return ui.stacked_grammaire7;
}

void assignTask7Texts(MainWindowUi &ui)
{
    ui.label_81->setText(
        tr(instructionHtml(QStringLiteral("VII. Recomposez les phrases en rétablissant les “-”:"))));
    for (const WordList &list : kWordLists)
        (ui.*list.label)->setText(tr(boldHtml(QString::fromUtf8(list.words))));
}

} // namespace form
