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

void missingWidget(const char *className, const QString &name)
{
    const QByteArray message = QByteArray("no ") + className + " named " + name.toUtf8();
    // Outside a test function (the tools, the benchmark) the exception alone says it.
    if (QTest::currentTestFunction())
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    throw MissingWidget(message.toStdString());
}

QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
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
    while (currentPage(root) < page)
        clickNext(root);
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
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("window not exposed");
}

} // namespace testutil
