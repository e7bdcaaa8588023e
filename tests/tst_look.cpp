// Guards the look: on every page and every result tab, with the fonts the program really
// uses, no text is cut off, no box is narrower than its longest item, no box writes its item
// in pale ink when it has the focus, and no typed-answer edit shows a scroll bar.
// Runs once as is and once at 150 % (QT_SCALE_FACTOR=1.5); a Windows build also runs it on the
// windows platform, whose default font only Windows itself gives.

#include "student.h"
#include "look.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>
#include <QTransform>

using testutil::widget;

namespace {

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 '%2' (%3x%4)")
        .arg(w->objectName())
        .arg(w->inherits("QLabel") ? static_cast<const QLabel *>(w)->text().left(60) : QString())
        .arg(w->width())
        .arg(w->height());
}

// The height of the inked glyphs of a one-line rich text, or -1 if it takes several lines.
int inkHeightOfOneLine(const QLabel *label)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    document.setTextWidth(label->contentsRect().width());
    document.size(); // lays the text out
    int lines = 0;
    int ink = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines += block.layout()->lineCount();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QFontMetrics metrics(fragment.charFormat().font());
            ink = qMax(ink, metrics.tightBoundingRect(fragment.text()).height());
        }
    }
    return lines == 1 ? ink : -1;
}

// A label shows all of its text when the text's laid-out height fits its box (word wrap)
// or its one line fits the width (no word wrap). A single line whose box is lower than
// the line's spacing still shows whole if its glyphs fit.
QString labelProblem(const QLabel *label)
{
    if (label->text().isEmpty())
        return QString();
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed <= label->height())
            return QString();
        const int ink = inkHeightOfOneLine(label);
        if (ink >= 0 && ink <= label->contentsRect().height())
            return QString();
        return QStringLiteral("needs %1 px of height").arg(needed);
    }
    const QSize hint = label->sizeHint();
    if (hint.width() > label->width())
        return QStringLiteral("needs %1 px of width").arg(hint.width());
    return QString();
}

QRect itemField(QComboBox *box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
}

// Whether the box shows its current item whole: drawn wider, the box must show the same
// pixels in its item field as at its own width, or part of the item was cut off.
QString comboProblem(QComboBox *box)
{
    if (box->currentIndex() < 0)
        return QString();
    const QRect field = itemField(box);
    const QRect geometry = box->geometry();
    const QImage shown = box->grab().toImage();
    box->resize(geometry.width() + 100, geometry.height());
    const QImage wide = box->grab().toImage();
    box->setGeometry(geometry);
    const QRect compared = field.adjusted(0, 0, -1, 0).intersected(shown.rect());
    for (int y = compared.top(); y <= compared.bottom(); ++y) {
        for (int x = compared.left(); x <= compared.right(); ++x) {
            if (shown.pixel(x, y) != wide.pixel(x, y))
                return QStringLiteral("cuts off its item \"%1\"").arg(box->currentText());
        }
    }
    return QString();
}

// The grey level of the darkest pixel in the box's item field, as drawn now.
int darkestInk(QComboBox *box)
{
    const QImage image = box->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect field = QTransform::fromScale(ratio, ratio).mapRect(itemField(box)).intersected(image.rect());
    int darkest = 255;
    for (int y = field.top(); y <= field.bottom(); ++y) {
        for (int x = field.left(); x <= field.right(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

// A box keeps the focus after a choice; its item must stay as dark as without the focus.
QString focusProblem(QComboBox *box)
{
    if (box->currentIndex() < 0)
        return QString();
    QWidget *focused = QApplication::focusWidget();
    const int plain = darkestInk(box);
    box->setFocus();
    if (!box->hasFocus())
        return QStringLiteral("cannot be given the focus");
    const int withFocus = darkestInk(box);
    if (focused)
        focused->setFocus();
    // Anti-aliasing may differ by a few levels; pale ink differs by far more.
    if (withFocus > plain + 32)
        return QStringLiteral("writes its item \"%1\" in pale ink when focused (grey %2 against %3)")
            .arg(box->currentText())
            .arg(withFocus)
            .arg(plain);
    return QString();
}

QString editProblem(const QTextEdit *edit)
{
    if (edit->verticalScrollBar()->isVisible() || edit->horizontalScrollBar()->isVisible())
        return QStringLiteral("shows a scroll bar");
    return QString();
}

// Every problem among the visible widgets under `root`.
QStringList problems(QWidget *root)
{
    QStringList found;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QStringList faults;
        if (auto *label = qobject_cast<QLabel *>(w))
            faults << labelProblem(label);
        else if (auto *box = qobject_cast<QComboBox *>(w))
            faults << comboProblem(box) << focusProblem(box);
        else if (auto *edit = qobject_cast<QTextEdit *>(w))
            faults << editProblem(edit);
        faults.removeAll(QString());
        if (!faults.isEmpty())
            found << describe(w) + QStringLiteral(": ") + faults.join(QStringLiteral("; "));
    }
    return found;
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

    QString styleBefore;

private slots:
    void initTestCase();
    void substituteStandsIn();
    void windowsKeepsItsOwnLook();
    void everyPageAndTabFits();
};

void TestLook::initTestCase()
{
    styleBefore = QApplication::style()->objectName();
    useDesignLook();
}

void TestLook::substituteStandsIn()
{
    if (QFontDatabase().hasFamily(QStringLiteral("Trebuchet MS")))
        QSKIP("the Windows fonts are installed; nothing is substituted");
    QVERIFY2(QFontDatabase().hasFamily(QString::fromLatin1(kSubstituteFamily)),
             "the substitute font (Debian package fonts-crosextra-carlito) is not installed");
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QCOMPARE(QFontInfo(QFont(QString::fromLatin1(family))).family(), QString::fromLatin1(kSubstituteFamily));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QString::fromLatin1(kSubstituteFamily));
}

void TestLook::windowsKeepsItsOwnLook()
{
#ifdef Q_OS_WIN
    // Drawn for Windows: the real fonts and the platform's own style, nothing standing in;
    // the keyboard's additions come through a proxy over that style.
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QVERIFY(QFont::substitutes(QString::fromLatin1(family)).isEmpty());
    auto *proxy = qobject_cast<QProxyStyle *>(QApplication::style());
    QVERIFY2(proxy, "no proxy over the platform's style");
    QCOMPARE(proxy->baseStyle()->objectName(), styleBefore);
#else
    QSKIP("only Windows keeps its own look");
#endif
}

void TestLook::everyPageAndTabFits()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    // Right answers fill every result label; the untouched edits keep their neutral look.
    QByteArray all(50, 'R');
    QVERIFY(student::giveAll(&w, all));

    QStringList found;
    for (int page = 0; page <= 7; ++page) {
        if (page > 0)
            testutil::clickNext(&w);
        QCOMPARE(testutil::currentPage(&w), page);
        for (const QString &problem : problems(&w))
            found << QStringLiteral("page %1: ").arg(page) + problem;
    }
    testutil::clickFinish(&w);
    auto *tabs = widget<QTabWidget>(&w, "tabWidget");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        for (const QString &problem : problems(&w))
            found << QStringLiteral("result tab %1: ").arg(tab + 1) + problem;
    }
    found.removeDuplicates();
    for (const QString &problem : found)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(found.isEmpty(), "texts are cut off or unreadable; see the warnings above");
}

FRENCH_TEST_MAIN(TestLook)
#include "tst_look.moc"
