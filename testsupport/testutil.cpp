#include "testutil.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextDocument>

namespace testutil {

const char kPanelStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
    "stop:1 rgba(255, 255, 255, 255));\nborder-radius: 5px;";
const char kTransparentStyle[] = "background: rgba(255, 255, 255, 0);";
const char kRightAnswerStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 64, 0, 255), "
    "stop:1 rgba(91, 227, 68, 255)); border: 1px solid #000; color: #fff;";
const char kWrongAnswerStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(117, 0, 0, 255), "
    "stop:1 rgba(255, 0, 0, 255)); border: 1px solid #000; color: #fff;";
const char kNeutralEditStyleVI[] = "border: 1px solid #000;";
const char kNeutralEditStyleVII[] = "border: 1px solid #000000;";
const char kResultBoxStyle[] = "border: 1px solid #000;\nbackground: #fff;\n";

namespace {

// How long a shown window may take to be exposed: twice the toolkit's default, for slow
// virtual displays such as the Windows run's under Wine.
constexpr int kExposeTimeoutMs = 10000;

template <class Failure = HelperFailure>
[[noreturn]] void fail(const QByteArray &message)
{
    // Outside a test function (the tools, the benchmark) the exception alone says it.
    if (QTest::currentTestFunction())
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    throw Failure(message.toStdString());
}

} // namespace

void missingWidget(const char *className, const QString &name)
{
    fail<MissingWidget>(QByteArray("no ") + className + " named " + name.toUtf8());
}

QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

int differingPixels(const QImage &first, const QImage &second)
{
    if (first.size() != second.size())
        return -1;
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            differing += lineA[x] != lineB[x]; // RGB32 is always opaque
    }
    return differing;
}

QPushButton *button(const QObject *root, const char *name)
{
    return widget<QPushButton>(root, QString::fromLatin1(name));
}

int currentPage(const QObject *root)
{
    return widget<QStackedWidget>(root, QStringLiteral("stackedWidget"))->currentIndex();
}

void click(QWidget *target)
{
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

void clickNext(const QObject *root) { click(button(root, "pushButton_2")); }
void clickBack(const QObject *root) { click(button(root, "pushButton_1")); }
void clickFinish(const QObject *root) { click(button(root, "pushButton_3")); }

void goToPage(const QObject *root, int page)
{
    for (int from = currentPage(root); from != page; from = currentPage(root)) {
        const bool forward = from < page;
        if (forward)
            clickNext(root);
        else
            clickBack(root);
        const int to = currentPage(root);
        if (to != (forward ? from + 1 : from - 1))
            fail(QByteArray(forward ? "Next" : "Back") + " took page " + QByteArray::number(from) + " to page "
                 + QByteArray::number(to) + " on the way to page " + QByteArray::number(page));
    }
}

QString RecordingTranslator::translate(const char *context, const char *source, const char *disambiguation,
                                       int n) const
{
    // The toolkit's own lookups (contexts such as "QGuiApplication") are not the program's.
    if (context[0] != 'Q')
        lookups.append({QString::fromUtf8(context), QString::fromUtf8(source), QString::fromUtf8(disambiguation), n});
    return QString();
}

ShownWindow::ShownWindow()
{
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window, kExposeTimeoutMs))
        fail("window " + window.objectName().toUtf8() + " not exposed within "
             + QByteArray::number(kExposeTimeoutMs / 1000) + " s of being shown");
}

} // namespace testutil
