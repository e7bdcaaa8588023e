#include "form/recipes.h"

#include "answer_key.h"
#include "form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QRect>
#include <QStackedWidget>
#include <QTextEdit>
#include <QWidget>

namespace form {

const char kTransparentStyle[] = "background: rgba(255, 255, 255, 0);";

namespace {

const char kPanelStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
    "stop:1 rgba(255, 255, 255, 255));\nborder-radius: 5px;";
const char kItemLabelStyle[] =
    "font: 10pt \"Trebuchet MS\";\nbackground: rgba(255, 255, 255, 0);\npadding-left: 5px; ";
const char kChoiceComboStyle[] = "font: 10pt \"Trebuchet MS\";\nborder-radius: 0;\n";
const char kLeaveEditDescription[] = "Ctrl+Tab — наступне поле, Ctrl+Shift+Tab — попереднє поле";

} // namespace

QWidget *makePage(MainWindowUi &ui, const Named<QWidget> &named, const char *accessibleName)
{
    QWidget *page = make(ui, named, static_cast<QWidget *>(ui.stackedWidget));
    page->setAccessibleName(QString::fromUtf8(accessibleName));
    return page;
}

QWidget *makePanel(MainWindowUi &ui, const Named<QWidget> &named, QWidget *page, int width)
{
    QWidget *panel = make(ui, named, page);
    panel->setGeometry(QRect(15, 0, width, 461));
    panel->setStyleSheet(QString::fromLatin1(kPanelStyle));
    return panel;
}

QLabel *makeInstructionLine(MainWindowUi &ui, const Named<QLabel> &named, QWidget *panel, const QRect &geometry,
                            bool wordWrap)
{
    QLabel *label = make(ui, named, panel);
    label->setGeometry(geometry);
    label->setStyleSheet(QString::fromLatin1(kTransparentStyle));
    label->setWordWrap(wordWrap);
    return label;
}

QFont trebuchetFont(int pointSize)
{
    QFont font;
    font.setFamily(QStringLiteral("Trebuchet MS"));
    font.setPointSize(pointSize);
    return font;
}

QLabel *makeItemLabel(MainWindowUi &ui, const Named<QLabel> &named, QWidget *parent)
{
    QLabel *label = make(ui, named, parent);
    QFont font = trebuchetFont(10);
    font.setBold(false);
    font.setItalic(false);
    label->setFont(font);
    label->setStyleSheet(QString::fromLatin1(kItemLabelStyle));
    label->setWordWrap(true);
    return label;
}

namespace {

// A not editable drop-down list of answer letters.
QComboBox *makeChoiceCombo(MainWindowUi &ui, const Named<QComboBox> &named, QWidget *parent)
{
    QComboBox *box = make(ui, named, parent);
    // The icon size creates the box's popup list; made before the box's own style sheet, the
    // list is styled once instead of twice.
    box->setIconSize(QSize(20, 20));
    box->setStyleSheet(QString::fromLatin1(kChoiceComboStyle));
    box->setEditable(false);
    box->setInsertPolicy(QComboBox::InsertAtBottom);
    return box;
}

// The label of a label cell: the item's own or the option's.
const Named<QLabel> &labelOf(const MatchingPage &page, const MatchingCell &cell)
{
    if (cell.column == MatchingCell::kOption)
        return page.options[std::size_t(cell.row)].label;
    return page.items[std::size_t(cell.row)].label;
}

const Named<QComboBox> &boxOf(const MatchingPage &page, const MatchingCell &cell)
{
    return page.items[std::size_t(cell.row)].box;
}

} // namespace

QWidget *buildMatchingPage(MainWindowUi &ui, const MatchingPage &matching)
{
    QWidget *page = makePage(ui, matching.page, matching.accessibleName);
    QWidget *panel = makePanel(ui, matching.panel, page, 771);
    makeInstructionLine(ui, matching.instruction, panel, QRect(20, 20, 711, 21), false);

    QWidget *gridWidget = make(ui, matching.gridWidget, panel);
    gridWidget->setGeometry(matching.gridGeometry);
    QFont font;
    font.setPointSize(12);
    gridWidget->setFont(font);
    QGridLayout *grid = makeFlushLayout(ui, matching.grid, gridWidget, 6);
    // Both are no-ops where they repeat the defaults, as on every page but task V's.
    grid->setContentsMargins(matching.margin, matching.margin, matching.margin, matching.margin);
    grid->setSizeConstraint(matching.sizeConstraint);

    for (const MatchingCell &cell : matching.cells) {
        QWidget *widget = nullptr;
        if (cell.column == MatchingCell::kBox)
            widget = makeChoiceCombo(ui, boxOf(matching, cell), gridWidget);
        else
            widget = makeItemLabel(ui, labelOf(matching, cell), gridWidget);
        grid->addWidget(widget, cell.row, cell.column, 1, 1);
    }

    for (int column = 0; column < matching.columns; ++column)
        grid->setColumnStretch(column, matching.stretch[column]);

    for (const answer::ComboItem &item : matching.items)
        nameAnswerControl(ui.*item.box.member, QString::fromUtf8(item.words), ui.*item.label.member);
    return page;
}

namespace {

QString spanParagraph(const QString &style, const QString &text)
{
    return QStringLiteral("<p><span style=\" ") + style + QStringLiteral("\">") + text
           + QStringLiteral("</span></p>");
}

QString letterHtml(const QString &letter, const QString &text)
{
    return richText(QStringLiteral("<p><span style=\" font-weight:600; font-style:italic;\">") + letter
                    + QStringLiteral("</span> ") + text + QStringLiteral("</p>"));
}

// Clears the box and inserts the whole list at position 0, so there is no empty item.
void fillChoices(QComboBox *box, const QStringList &items)
{
    box->clear();
    box->insertItems(0, items);
}

// "a)" for index 0, "b)" for 1, …
QString letterOf(int index)
{
    return QString(QLatin1Char(char('a' + index))) + QLatin1Char(')');
}

QString cellText(const MatchingPage &page, const MatchingCell &cell)
{
    if (cell.column == MatchingCell::kOption)
        return letterHtml(letterOf(cell.row), QString::fromUtf8(page.options[std::size_t(cell.row)].text));
    const QString words = QString::fromUtf8(page.items[std::size_t(cell.row)].words);
    if (cell.quirk == CellQuirk::SizedSpan)
        return richText(spanParagraph(QStringLiteral("font-size:10pt; font-weight:600;"), words));
    return boldHtml(words);
}

} // namespace

void assignMatchingTexts(MainWindowUi &ui, const MatchingPage &page, const QStringList &choices,
                         void (*fit)(QComboBox *))
{
    (ui.*page.instruction.member)->setText(translated(instructionHtml(QString::fromUtf8(page.instructionText))));
    for (const MatchingCell &cell : page.cells) {
        if (cell.column != MatchingCell::kBox) {
            (ui.*labelOf(page, cell).member)->setText(translated(cellText(page, cell)));
            continue;
        }
        QComboBox *box = ui.*boxOf(page, cell).member;
        fillChoices(box, choices);
        if (cell.quirk == CellQuirk::Cleared)
            box->setCurrentText(QString());
        if (fit)
            fit(box);
    }
}

void clearChoices(MainWindowUi &ui, const MatchingPage &page)
{
    for (const MatchingCell &cell : page.cells) {
        if (cell.column == MatchingCell::kBox)
            (ui.*boxOf(page, cell).member)->setCurrentIndex(-1);
    }
}

QStringList letterChoices(int count)
{
    QStringList letters;
    for (int i = 0; i < count; ++i)
        letters << translated(letterOf(i));
    return letters;
}

QTextEdit *makeAnswerEdit(MainWindowUi &ui, const Named<QTextEdit> &named, QWidget *parent,
                          const char *neutralStyle)
{
    QTextEdit *edit = make(ui, named, parent);
    edit->setStyleSheet(QString::fromLatin1(neutralStyle));
    edit->setAcceptRichText(false);
    return edit;
}

void nameAnswerControl(QWidget *control, const QString &words, QLabel *itemLabel)
{
    const QString name = words.simplified();
    control->setAccessibleName(name);
    // Tab is text in a typed answer; the way out is not the usual one.
    if (qobject_cast<QTextEdit *>(control))
        control->setAccessibleDescription(QString::fromUtf8(kLeaveEditDescription));
    if (itemLabel) {
        itemLabel->setAccessibleName(name);
        itemLabel->setBuddy(control);
    }
}

QString translated(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

QString translated(const QString &source)
{
    return translated(source.toUtf8().constData());
}

QString richText(const QString &paragraphs)
{
    return QStringLiteral("<html><head/><body>") + paragraphs + QStringLiteral("</body></html>");
}

QString instructionHtml(const QString &text)
{
    return richText(spanParagraph(
        QStringLiteral("font-size:12pt; font-weight:600; font-style:italic; color:#00557f;"), text));
}

QString boldHtml(const QString &text)
{
    return richText(spanParagraph(QStringLiteral("font-weight:600;"), text));
}

} // namespace form
