#include "testutil.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace testutil {

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

ShownWindow::ShownWindow()
{
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("window not exposed");
}

} // namespace testutil
