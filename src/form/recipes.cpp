#include "form/recipes.h"

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

const char kPanelStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
    "stop:1 rgba(255, 255, 255, 255));\nborder-radius: 5px;";
const char kTransparentStyle[] = "background: rgba(255, 255, 255, 0);";
const char kItemLabelStyle[] =
    "font: 10pt \"Trebuchet MS\";\nbackground: rgba(255, 255, 255, 0);\npadding-left: 5px; ";
const char kChoiceComboStyle[] = "font: 10pt \"Trebuchet MS\";\nborder-radius: 0;\n";

QWidget *makePage(MainWindowUi &ui, const char *name)
{
    return create<QWidget>(static_cast<QWidget *>(ui.stackedWidget), name);
}

QWidget *makePanel(QWidget *page, const char *name, int width)
{
    QWidget *panel = create<QWidget>(page, name);
    panel->setGeometry(QRect(15, 0, width, 461));
    panel->setStyleSheet(QString::fromLatin1(kPanelStyle));
    return panel;
}

QLabel *makeInstructionLine(QWidget *panel, const char *name, const QRect &geometry, bool wordWrap)
{
    QLabel *label = create<QLabel>(panel, name);
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

QLabel *makeItemLabel(QWidget *parent, const char *name)
{
    QLabel *label = create<QLabel>(parent, name);
    QFont font = trebuchetFont(10);
    font.setBold(false);
    font.setItalic(false);
    label->setFont(font);
    label->setStyleSheet(QString::fromLatin1(kItemLabelStyle));
    label->setWordWrap(true);
    return label;
}

QComboBox *makeChoiceCombo(QWidget *parent, const char *name)
{
    QComboBox *box = create<QComboBox>(parent, name);
    // The icon size creates the box's popup list; made before the box's own style sheet, the
    // list is styled once instead of twice.
    box->setIconSize(QSize(20, 20));
    box->setStyleSheet(QString::fromLatin1(kChoiceComboStyle));
    box->setEditable(false);
    box->setInsertPolicy(QComboBox::InsertAtBottom);
    return box;
}

QGridLayout *makeMatchingGrid(QWidget *panel, const char *widgetName, const char *layoutName,
                              const QRect &geometry)
{
    QWidget *cells = create<QWidget>(panel, widgetName);
    cells->setGeometry(geometry);
    QFont font;
    font.setPointSize(12);
    cells->setFont(font);
    return makeFlushLayout<QGridLayout>(cells, layoutName, 6);
}

QLabel *addItemLabel(QGridLayout *grid, const char *name, int row, int column)
{
    QLabel *label = makeItemLabel(grid->parentWidget(), name);
    grid->addWidget(label, row, column, 1, 1);
    return label;
}

QComboBox *addChoiceCombo(QGridLayout *grid, const char *name, int row, int column)
{
    QComboBox *box = makeChoiceCombo(grid->parentWidget(), name);
    grid->addWidget(box, row, column, 1, 1);
    return box;
}

QStringList letterChoices(int count)
{
    QStringList letters;
    for (int i = 0; i < count; ++i)
        letters << tr(QString(QLatin1Char(char('a' + i))) + QLatin1Char(')'));
    return letters;
}

QTextEdit *makeAnswerEdit(QWidget *parent, const char *name, const char *neutralStyle)
{
    QTextEdit *edit = create<QTextEdit>(parent, name);
    edit->setStyleSheet(QString::fromLatin1(neutralStyle));
    edit->setAcceptRichText(false);
    return edit;
}

void fillChoices(QComboBox *box, const QStringList &items)
{
    box->clear();
    box->insertItems(0, items);
}

QString tr(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

QString tr(const QString &source)
{
    return tr(source.toUtf8().constData());
}

QString richText(const QString &paragraphs)
{
    return QStringLiteral("<html><head/><body>") + paragraphs + QStringLiteral("</body></html>");
}

QString spanParagraph(const QString &style, const QString &text)
{
    return QStringLiteral("<p><span style=\" ") + style + QStringLiteral("\">") + text
           + QStringLiteral("</span></p>");
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

QString letterHtml(const QString &letter, const QString &text)
{
    return richText(QStringLiteral("<p><span style=\" font-weight:600; font-style:italic;\">") + letter
                    + QStringLiteral("</span> ") + text + QStringLiteral("</p>"));
}

} // namespace form
