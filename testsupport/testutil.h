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

QPushButton *button(const QObject *root, const char *name);

int currentPage(const QObject *root);

// A real mouse click in the middle of a visible button.
void click(QWidget *target);

void clickNext(const QObject *root);
void clickBack(const QObject *root);
void clickFinish(const QObject *root);

// Goes forward from the start page with Next until page `page` (0 to 7) is shown.
void goToPage(const QObject *root, int page);

// A shown window that has been laid out and exposed, ready for real input events.
struct ShownWindow {
    MainWindow window;
    ShownWindow();
};

} // namespace testutil

#endif
