#ifndef FRENCH_TEST_FORM_RECIPES_H
#define FRENCH_TEST_FORM_RECIPES_H

// Widget recipes that many pages share, so a style sheet or a font is written once.

#include "form.h"

#include <QLayout>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstddef>

class QComboBox;
class QFont;
class QGridLayout;
class QLabel;
class QTextEdit;
class QWidget;

namespace form {

extern const char kPanelStyle[];
extern const char kTransparentStyle[];
extern const char kItemLabelStyle[];
extern const char kChoiceComboStyle[];
extern const char kLeaveEditDescription[];

// An object of the form: the member of MainWindowUi that keeps it and the object name it
// carries. Write it with NAMED(member), so the name is the member's own, letter for letter.
template <class T>
struct Named {
    T *MainWindowUi::*member;
    const char *name;
};

template <class T>
constexpr Named<T> named(T *MainWindowUi::*member, const char *name)
{
    return {member, name};
}

#define NAMED(object) ::form::named(&MainWindowUi::object, #object)

// Creates the object, names it before any other property, and keeps it in the form.
template <class T, class Parent>
T *make(MainWindowUi &ui, const Named<T> &named, Parent *parent)
{
    T *object = new T(parent);
    object->setObjectName(QString::fromLatin1(named.name));
    ui.*named.member = object;
    return object;
}

// A layout in `host` with `spacing` and no margins, as every container of the form has.
template <class Layout>
Layout *makeFlushLayout(MainWindowUi &ui, const Named<Layout> &named, QWidget *host, int spacing)
{
    Layout *layout = make(ui, named, host);
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// A widget at a fixed place in `parent` with a style sheet of its own.
template <class T>
T *makePlaced(MainWindowUi &ui, const Named<T> &named, QWidget *parent, const QRect &geometry, const char *style)
{
    T *widget = make(ui, named, parent);
    widget->setGeometry(geometry);
    widget->setStyleSheet(QString::fromLatin1(style));
    return widget;
}

// A page: a plain widget, a child of the page stack from the start. Moving a finished page
// into the styled stack would resolve every style sheet inside it a second time. Screen
// readers know it by `accessibleName`, its section and task number.
QWidget *makePage(MainWindowUi &ui, const Named<QWidget> &named, const char *accessibleName);
// The grey-to-white panel at 15, 0 that carries a page's content.
QWidget *makePanel(MainWindowUi &ui, const Named<QWidget> &named, QWidget *page, int width);
// A page's transparent instruction line.
QLabel *makeInstructionLine(MainWindowUi &ui, const Named<QLabel> &named, QWidget *panel, const QRect &geometry,
                            bool wordWrap);
// "Trebuchet MS" at a point size, the family the pages' own fonts name.
QFont trebuchetFont(int pointSize);
// An item label of an exercise page: "Trebuchet MS" 10 pt, transparent, padded, word wrap.
QLabel *makeItemLabel(MainWindowUi &ui, const Named<QLabel> &named, QWidget *parent);
// A not editable drop-down list of answer letters.
QComboBox *makeChoiceCombo(MainWindowUi &ui, const Named<QComboBox> &named, QWidget *parent);
// The answer letters "a)", "b)", … of a matching task.
QStringList letterChoices(int count);
// A typed-answer edit: plain text only, so a formatted paste is judged by its characters
// alone, and `neutralStyle`, the look it keeps until its first change.
QTextEdit *makeAnswerEdit(MainWindowUi &ui, const Named<QTextEdit> &named, QWidget *parent,
                          const char *neutralStyle);
// Clears the box and inserts the whole list at position 0, so there is no empty item.
void fillChoices(QComboBox *box, const QStringList &items);

// Names an answer control for screen readers by its item's words, as plain text with the
// blanks the page shows. On Unix the toolkit reports a combo box's current text as its name
// once an answer is chosen; the item then comes only through the "labelled by" relation, so
// the item's label becomes the box's buddy, named by the same words rather than its markup.
void nameAnswerControl(QWidget *control, const QString &words, QLabel *itemLabel = nullptr);

// An item of a matching page: its label, its box, and its words as the labels' source has them.
struct MatchingItem {
    Named<QLabel> label;
    Named<QComboBox> box;
    const char *words;
};

// One cell of a matching grid: an item label or a choice box.
struct MatchingCell {
    Named<QLabel> label;
    Named<QComboBox> box;
    int row;
    int column;
};

constexpr MatchingCell labelCell(Named<QLabel> label, int row, int column)
{
    return {label, {}, row, column};
}

constexpr MatchingCell boxCell(Named<QComboBox> box, int row, int column)
{
    return {{}, box, row, column};
}

// A page's cells in creation order.
struct MatchingCells {
    const MatchingCell *first;
    std::size_t count;
    const MatchingCell *begin() const { return first; }
    const MatchingCell *end() const { return first + count; }
};

template <std::size_t N>
constexpr MatchingCells cellsOf(const MatchingCell (&cells)[N])
{
    return {cells, N};
}

// Pages II to V: a page, its panel and instruction line, and a grid of item labels and
// choice boxes in a widget whose 12 pt font the cells inherit.
struct MatchingPage {
    Named<QWidget> page;
    const char *accessibleName;
    Named<QWidget> panel;
    Named<QLabel> instruction;
    Named<QWidget> gridWidget;
    Named<QGridLayout> grid;
    QRect gridGeometry;
    int margin;
    QLayout::SizeConstraint sizeConstraint;
    int columns;
    int stretch[3];
};

// Builds a matching page with its cells in the order given, which is also their Tab order,
// and names every box by its item.
QWidget *buildMatchingPage(MainWindowUi &ui, const MatchingPage &page, const MatchingCells &cells,
                           const MatchingItem *items, std::size_t itemCount);

template <std::size_t M>
QWidget *buildMatchingPage(MainWindowUi &ui, const MatchingPage &page, const MatchingCells &cells,
                           const MatchingItem (&items)[M])
{
    return buildMatchingPage(ui, page, cells, items, M);
}

// The translation lookup every initial text goes through (context "MainWindow").
QString translated(const char *source);
QString translated(const QString &source);

// Rich texts in the toolkit's usual HTML wrapper, one paragraph each.
QString richText(const QString &paragraphs);
QString spanParagraph(const QString &style, const QString &text);
QString instructionHtml(const QString &text);
QString boldHtml(const QString &text);
QString letterHtml(const QString &letter, const QString &text);

} // namespace form

#endif
