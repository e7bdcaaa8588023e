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

// The looks the tests expect, written out apart from the program's own sheets so that a
// slip in either shows up.
extern const char kPanelStyle[];        // a page's grey-to-white panel
extern const char kTransparentStyle[];  // instruction lines, task I's item boxes
extern const char kRightAnswerStyle[];  // a typed answer marked right ...
extern const char kWrongAnswerStyle[];  // ... or wrong
extern const char kNeutralEditStyleVI[];  // a typed-answer edit never changed, task VI ...
extern const char kNeutralEditStyleVII[]; // ... and task VII
extern const char kResultBoxStyle[];    // the result page's headings and prompts

// The words a rich text shows, without its markup.
QString plainText(const QString &html);

// A shown window that has been laid out and exposed, ready for real input events.
struct ShownWindow {
    MainWindow window;
    ShownWindow();
};

} // namespace testutil

#endif
