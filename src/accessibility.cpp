#include "accessibility.h"

#include "answer_key.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextEdit>

namespace accessibility {

const char kRight[] = "правильно";
const char kWrong[] = "неправильно";

namespace {

const char kNoAnswer[] = "Відповіді нема";

// A label's text as it is shown, without markup.
QString shownText(const QLabel *label)
{
    if (!Qt::mightBeRichText(label->text()))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

QString plainText(const QLabel *label)
{
    return shownText(label).simplified();
}

bool isPage(const QWidget *widget)
{
    return widget->parentWidget() && qobject_cast<QStackedWidget *>(widget->parentWidget())
           && widget->parentWidget()->objectName() == QLatin1String("stackedWidget");
}

#ifndef Q_OS_WIN
// A page of the result's tab widget (only AT-SPI needs them told apart).
bool isResultTab(const QWidget *widget)
{
    const QWidget *stack = widget->parentWidget();
    return stack && qobject_cast<const QStackedWidget *>(stack) && stack->parentWidget()
           && stack->parentWidget()->objectName() == QLatin1String("tabWidget");
}
#endif

// The result page's top row, "Nombre de points: 2 Votre note: Mal!", as it stands.
QString resultLine(const QWidget *page)
{
    QStringList parts;
    for (const char *name : {"label_88", "label_mark", "label_89", "label_mark_2"}) {
        if (const QLabel *label = page->findChild<QLabel *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            parts << plainText(label);
    }
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

// A page: a panel named by its section and task (screen readers pass over unnamed fillers),
// described by its instruction line, the first label it holds; the result page by its points
// and grade.
class PageInterface : public QAccessibleWidget
{
public:
    explicit PageInterface(QWidget *page) : QAccessibleWidget(page, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        const bool result = widget()->objectName() == QLatin1String("result");
        // Once scored, the result page is spoken with its points and grade as the focus arrives.
        if (t == QAccessible::Name && result) {
            const QString line = resultLine(widget());
            const QString name = QAccessibleWidget::text(t);
            return line.contains(QLatin1Char(' ')) && !line.endsWith(QLatin1Char(':')) ? name + QLatin1Char(' ') + line : name;
        }
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        if (result)
            return resultLine(widget());
        const QLabel *instruction = widget()->findChild<QLabel *>();
        return instruction ? plainText(instruction) : QString();
    }
};

// Task I's item: the widget inside a group box that holds its three endings. The toolkit
// names it by the box's title, so the box itself reads as a mere wrapper of a namesake and is
// skipped; as a panel the inner widget carries the sentence stem to the endings.
class ItemGroupInterface : public QAccessibleWidget
{
public:
    explicit ItemGroupInterface(QWidget *inner) : QAccessibleWidget(inner, QAccessible::Grouping) {}
};

// A label of the result tabs. Review keys read names only, so an answer's verdict, kept in its
// description, follows it in the name: " b) pour … activité; — правильно".
class ResultLabelInterface : public QAccessibleWidget
{
public:
    explicit ResultLabelInterface(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *label = static_cast<const QLabel *>(widget());
        QString shown = shownText(label);
        const QString verdict = label->accessibleDescription();
        if (verdict.isEmpty())
            return shown;
        while (shown.endsWith(QLatin1Char(' ')))
            shown.chop(1);
        return shown + QStringLiteral(" — ") + verdict;
    }
};

bool onResultTabs(const QWidget *widget)
{
    for (const QWidget *above = widget->parentWidget(); above; above = above->parentWidget()) {
        if (above->objectName() == QLatin1String("tabWidget"))
            return true;
    }
    return false;
}

// A drop-down box of a matching page: named by its item, its value the answer and its meaning.
// The toolkit's own combo box interface names the box by its current letter on Unix and cannot
// be derived from; the popup list keeps its own interfaces.
class ChoiceInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ChoiceInterface(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return spokenAnswer(box());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList() << showMenuAction() << pressAction();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
    }

    // The answer as read-only text: Orca takes a closed box's value from it.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return spokenAnswer(box()).mid(start, end - start); }
    int characterCount() const override { return spokenAnswer(box()).size(); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return QString();
    }
};

// A spoken message with no widget of its own: shown, it is read out at once by screen readers
// that present notifications.
class Announcement : public QAccessibleInterface
{
public:
    QPointer<QWidget> source;
    QString message;

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return source ? QAccessible::queryAccessibleInterface(source.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? message : QString(); }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return parent() ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return QAccessible::State(); }
};

void announce(QWidget *source, const QString &message)
{
    static QAccessible::Id id = 0;
    if (!id)
        id = QAccessible::registerAccessibleInterface(new Announcement);
    auto *announcement = static_cast<Announcement *>(QAccessible::accessibleInterface(id));
    announcement->source = source;
    announcement->message = message;
#ifdef Q_OS_WIN
    // UI Automation raises a notification for a value change with text and forwards no show.
    QAccessibleValueChangeEvent event(announcement, message);
#else
    QAccessibleEvent event(announcement, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (isPage(widget))
        return new PageInterface(widget);
    if (className == QLatin1String("QWidget") && qobject_cast<QGroupBox *>(widget->parentWidget()))
        return new ItemGroupInterface(widget);
    if (auto *label = qobject_cast<QLabel *>(widget); label && onResultTabs(label))
        return new ResultLabelInterface(label);
    if (auto *box = qobject_cast<QComboBox *>(widget); box && !box->isEditable())
        return new ChoiceInterface(box);
    return nullptr;
}

// Watches the application's events for what changes without the focus moving: a typed
// answer's marking (its style sheet), the focused box's answer (seen when it is repainted)
// and the window's first coming to the front on the reading page.
class Watcher : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *object, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::StyleChange:
            if (auto *edit = qobject_cast<QTextEdit *>(object))
                verdictMayHaveChanged(edit);
            break;
        case QEvent::Paint:
            if (auto *box = qobject_cast<QComboBox *>(object))
                answerMayHaveChanged(box);
            break;
        case QEvent::Show:
            if (object->isWidgetType())
                renewIdentities(static_cast<QWidget *>(object));
            break;
        case QEvent::WindowActivate:
            if (!greeted && object->isWidgetType())
                greet(static_cast<QWidget *>(object));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void verdictMayHaveChanged(QTextEdit *edit)
    {
        const QString style = edit->styleSheet();
        const char *verdict = style == QLatin1String(answer::rightAnswerStyle)   ? kRight
                              : style == QLatin1String(answer::wrongAnswerStyle) ? kWrong
                                                                         : nullptr;
        if (!verdict || verdicts.value(edit) == verdict)
            return;
        verdicts.insert(edit, verdict);
        announce(edit, QString::fromUtf8(verdict));
    }

    void answerMayHaveChanged(QComboBox *box)
    {
        const int index = box->currentIndex();
        const auto known = indexes.constFind(box);
        const int before = known == indexes.constEnd() ? -1 : known.value();
        if (index == before)
            return;
        indexes.insert(box, index);
        if (box->hasFocus())
            announce(box, spokenAnswer(box));
    }

    // Screen readers on AT-SPI keep the states they once read, and the toolkit reports a page
    // shown only as "showing", never as "visible": a page first read while hidden would stay
    // invisible to review keys. Shown, it and everything on it get new identities, whose states
    // are read afresh.
    static void renewIdentities(QWidget *shown)
    {
#ifndef Q_OS_WIN
        if (!QAccessible::isActive() || (!isPage(shown) && !isResultTab(shown)))
            return;
        QList<QWidget *> widgets = shown->findChildren<QWidget *>();
        widgets.prepend(shown);
        for (QWidget *widget : qAsConst(widgets)) {
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        }
#else
        Q_UNUSED(shown)
#endif
    }

    // The reading page has nothing to focus: the first time the window comes to the front
    // showing it, its name and heading are announced.
    void greet(QWidget *window)
    {
        auto *stack = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        if (!stack || stack->currentIndex() != 0)
            return;
        greeted = true;
        QAccessibleInterface *page = QAccessible::queryAccessibleInterface(stack->currentWidget());
        announce(stack->currentWidget(),
                 page->text(QAccessible::Name) + QStringLiteral(". ") + page->text(QAccessible::Description));
    }

    QHash<const QObject *, const char *> verdicts;
    QHash<const QObject *, int> indexes;
    bool greeted = false;
};

// The options a box's letters stand for: the option labels of tasks II to IV, by box.
const answer::Option *optionsOf(const QComboBox *box)
{
    struct Page {
        const answer::ComboItem *items;
        std::size_t count;
        const answer::Option *options;
    };
    const Page pages[] = {{answer::kTaskII, std::size(answer::kTaskII), answer::kTaskIIOptions},
                          {answer::kTaskIII, std::size(answer::kTaskIII), answer::kTaskIIIOptions},
                          {answer::kTaskIV, std::size(answer::kTaskIV), answer::kTaskIVOptions}};
    for (const Page &page : pages) {
        for (std::size_t i = 0; i < page.count; ++i) {
            if (box->objectName() == QLatin1String(page.items[i].box.name))
                return page.options;
        }
    }
    return nullptr;
}

} // namespace

QString spokenAnswer(const QComboBox *box)
{
    const int index = box->currentIndex();
    if (index < 0)
        return QString::fromUtf8(kNoAnswer);
    const QString letter = box->itemText(index);
    const answer::Option *options = optionsOf(box);
    // Task V's items are the answers themselves.
    if (!options)
        return letter;
    return letter + QLatin1Char(' ') + QString::fromUtf8(options[index].text).simplified();
}

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
    qApp->installEventFilter(new Watcher(qApp));
}

} // namespace accessibility
