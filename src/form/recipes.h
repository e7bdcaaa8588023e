#ifndef FRENCH_TEST_FORM_RECIPES_H
#define FRENCH_TEST_FORM_RECIPES_H

// Widget recipes that many pages share, so a style sheet or a font is written once.

#include <QString>
#include <QStringList>

struct MainWindowUi;
class QComboBox;
class QFont;
class QGridLayout;
class QLabel;
class QRect;
class QTextEdit;
class QWidget;

namespace form {

extern const char kPanelStyle[];
extern const char kTransparentStyle[];
extern const char kItemLabelStyle[];
extern const char kChoiceComboStyle[];

// Every object is named right after it is created, before any other property.
template <class T, class Parent>
T *create(Parent *parent, const char *name)
{
    T *object = new T(parent);
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A layout in `host` with `spacing` and no margins, as every container of the form has.
template <class Layout>
Layout *makeFlushLayout(QWidget *host, const char *name, int spacing)
{
    Layout *layout = create<Layout>(host, name);
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// A page: a plain widget, a child of the page stack from the start. Moving a finished page
// into the styled stack would resolve every style sheet inside it a second time.
QWidget *makePage(MainWindowUi &ui, const char *name);
// The grey-to-white panel at 15, 0 that carries a page's content.
QWidget *makePanel(QWidget *page, const char *name, int width);
// A page's transparent instruction line.
QLabel *makeInstructionLine(QWidget *panel, const char *name, const QRect &geometry, bool wordWrap);
// "Trebuchet MS" at a point size, the family the pages' own fonts name.
QFont trebuchetFont(int pointSize);
// An item label of an exercise page: "Trebuchet MS" 10 pt, transparent, padded, word wrap.
QLabel *makeItemLabel(QWidget *parent, const char *name);
// A not editable drop-down list of answer letters.
QComboBox *makeChoiceCombo(QWidget *parent, const char *name);
// The grid of a matching task: a widget at `geometry` whose 12 pt font the cells inherit,
// holding a grid layout with spacing 6 and no margins.
QGridLayout *makeMatchingGrid(QWidget *panel, const char *widgetName, const char *layoutName,
                              const QRect &geometry);
// An item label or a choice box, created in the grid's widget and placed in one cell.
QLabel *addItemLabel(QGridLayout *grid, const char *name, int row, int column);
QComboBox *addChoiceCombo(QGridLayout *grid, const char *name, int row, int column);
// The answer letters "a)", "b)", … of a matching task.
QStringList letterChoices(int count);
// A typed-answer edit: plain text only, so a formatted paste is judged by its characters
// alone, and `neutralStyle`, the look it keeps until its first change.
QTextEdit *makeAnswerEdit(QWidget *parent, const char *name, const char *neutralStyle);
// Clears the box and inserts the whole list at position 0, so there is no empty item.
void fillChoices(QComboBox *box, const QStringList &items);

// The translation lookup every initial text goes through (context "MainWindow").
QString tr(const char *source);
QString tr(const QString &source);

// Rich texts in the toolkit's usual HTML wrapper, one paragraph each.
QString richText(const QString &paragraphs);
QString spanParagraph(const QString &style, const QString &text);
QString instructionHtml(const QString &text);
QString boldHtml(const QString &text);
QString letterHtml(const QString &letter, const QString &text);

} // namespace form

#endif
