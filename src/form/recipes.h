#ifndef FRENCH_TEST_FORM_RECIPES_H
#define FRENCH_TEST_FORM_RECIPES_H

// Widget recipes that many pages share, so a style sheet or a font is written once.

#include "form.h"
#include "form/named.h"

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

namespace answer {
struct ComboItem;
struct Option;
} // namespace answer

namespace form {

extern const char kTransparentStyle[];

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
// The answer letters "a)", "b)", … of a matching task.
QStringList letterChoices(int count);
// A typed-answer edit: plain text only, so a formatted paste is judged by its characters
// alone, and `neutralStyle`, the look it keeps until its first change.
QTextEdit *makeAnswerEdit(MainWindowUi &ui, const Named<QTextEdit> &named, QWidget *parent,
                          const char *neutralStyle);

// Names an answer control for screen readers by its item's words, as plain text with the
// blanks the page shows. On Unix the toolkit reports a combo box's current text as its name
// once an answer is chosen; the item then comes only through the "labelled by" relation, so
// the item's label becomes the box's buddy, named by the same words rather than its markup.
void nameAnswerControl(QWidget *control, const QString &words, QLabel *itemLabel = nullptr);

// Rows of a table, walked in order.
template <class T>
struct Rows {
    const T *first;
    std::size_t count;
    const T *begin() const { return first; }
    const T *end() const { return first + count; }
    const T &operator[](std::size_t i) const { return first[i]; }
};

template <class T, std::size_t N>
constexpr Rows<T> rowsOf(const T (&rows)[N])
{
    return {rows, N};
}

// The few steps that set one cell apart from its neighbours when the texts are assigned.
enum class CellQuirk {
    None,
    SizedSpan, // an item label whose bold span also names the labels' 10 pt
    Cleared,   // a box whose current text is set empty right after it is filled
};

// One cell of a matching grid. Grid row r holds the item label and the choice box of the page's
// item row r and the option lettered by r, each in its own column.
struct MatchingCell {
    static constexpr int kItem = 0, kBox = 1, kOption = 2; // the columns
    int row;
    int column;
    CellQuirk quirk;
};

constexpr MatchingCell itemCell(int row, CellQuirk quirk = CellQuirk::None)
{
    return {row, MatchingCell::kItem, quirk};
}

constexpr MatchingCell boxCell(int row, CellQuirk quirk = CellQuirk::None)
{
    return {row, MatchingCell::kBox, quirk};
}

constexpr MatchingCell optionCell(int row)
{
    return {row, MatchingCell::kOption, CellQuirk::None};
}

// Pages II to V: a page, its panel and instruction line, and a grid of item labels, choice
// boxes and option labels in a widget whose 12 pt font the cells inherit. Row r holds item r
// and the option lettered by r.
struct MatchingPage {
    Named<QWidget> page;
    const char *accessibleName;
    Named<QWidget> panel;
    Named<QLabel> instruction;
    const char *instructionText;
    Named<QWidget> gridWidget;
    Named<QGridLayout> grid;
    QRect gridGeometry;
    int margin;
    QLayout::SizeConstraint sizeConstraint;
    int columns;
    int stretch[3];
    Rows<MatchingCell> cells; // in creation order
    Rows<answer::ComboItem> items;
    Rows<answer::Option> options; // none on task V, whose boxes hold the answers
};

// Builds a matching page with its cells in creation order, which is also their Tab order,
// and names every box by its item.
QWidget *buildMatchingPage(MainWindowUi &ui, const MatchingPage &page);
// Sets the instruction line, then every cell in creation order: an item label its words in
// bold, an option label its letter and text, a box `choices` and then `fit`, if given.
void assignMatchingTexts(MainWindowUi &ui, const MatchingPage &page, const QStringList &choices,
                         void (*fit)(QComboBox *) = nullptr);
// Leaves every box of the page with nothing chosen, in creation order.
void clearChoices(MainWindowUi &ui, const MatchingPage &page);

// The translation lookup every initial text goes through (context "MainWindow").
QString translated(const char *source);
QString translated(const QString &source);

// Rich texts in the toolkit's usual HTML wrapper, one paragraph each.
QString richText(const QString &paragraphs);
QString instructionHtml(const QString &text);
QString boldHtml(const QString &text);

} // namespace form

#endif
