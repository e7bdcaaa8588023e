#ifndef FRENCH_TEST_TESTUTIL_H
#define FRENCH_TEST_TESTUTIL_H

// Shared helpers for the window tests: find widgets by their object names, as a user
// of the form would, and drive the window through its own buttons.

#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace testutil {

// The named widget, or a test failure (returned as nullptr) naming what is missing.
template <class T>
T *widget(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

inline QPushButton *button(const QObject *root, const char *name)
{
    return widget<QPushButton>(root, QString::fromLatin1(name));
}

inline int currentPage(const QObject *root)
{
    return widget<QStackedWidget>(root, QStringLiteral("stackedWidget"))->currentIndex();
}

// A real mouse click in the middle of a visible button.
inline void click(QWidget *target)
{
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

inline void clickNext(const QObject *root) { click(button(root, "pushButton_2")); }
inline void clickBack(const QObject *root) { click(button(root, "pushButton_1")); }
inline void clickFinish(const QObject *root) { click(button(root, "pushButton_3")); }

// Goes forward from the start page with Next until page `page` (0 to 7) is shown.
inline void goToPage(const QObject *root, int page)
{
    while (currentPage(root) < page)
        clickNext(root);
}

// A shown window that has been laid out and exposed, ready for real input events.
struct ShownWindow {
    MainWindow window;
    ShownWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("window not exposed");
    }
};

} // namespace testutil

#endif
