#ifndef FRENCH_TEST_TESTUTIL_H
#define FRENCH_TEST_TESTUTIL_H

// Shared helpers for the window tests: find widgets by their object names, as a user
// of the form would, and drive the window through its own buttons.

#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTranslator>

#include <stdexcept>

namespace testutil {

// What a helper throws when it cannot do its part, after failing the running test with the
// same words ("no QLabel named res_6"). Callers may then use what they get unchecked.
class HelperFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What a lookup throws for a widget that is not there.
class MissingWidget : public HelperFailure
{
public:
    using HelperFailure::HelperFailure;
};

[[noreturn]] void missingWidget(const char *className, const QString &name);

// The named widget; never null.
template <class T>
T *widget(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        missingWidget(T::staticMetaObject.className(), name);
    return found;
}

// QTEST_MAIN, for tests that use the helpers: QtTest records the failure of a test function
// that a helper ended, then throws the exception on, which ends the process here as a failed
// run instead of through std::terminate.
#define FRENCH_TEST_MAIN(TestObject)                                                                     \
    int main(int argc, char *argv[])                                                                    \
    {                                                                                                   \
        try {                                                                                           \
            QTEST_MAIN_IMPL(TestObject)                                                                 \
        } catch (const ::testutil::HelperFailure &) {                                                   \
            return 1;                                                                                   \
        }                                                                                               \
    }

QPushButton *button(const QObject *root, const char *name);

int currentPage(const QObject *root);

// A real mouse click in the middle of a visible button.
void click(QWidget *target);

void clickNext(const QObject *root);
void clickBack(const QObject *root);
void clickFinish(const QObject *root);

// Goes with Next or Back until page `page` (0 to 7) is shown. Every press must move one page
// that way, or the test fails there, naming the page it stayed on.
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

// The pixels whose colour differs between two pictures, or -1 when their sizes do.
int differingPixels(const QImage &first, const QImage &second);

// Records every lookup of the program's texts and translates none, so a test sees which texts
// went through the translation lookup, and in which order.
class RecordingTranslator : public QTranslator
{
public:
    struct Lookup {
        QString context;
        QString source;
        QString disambiguation; // null when none was given
        int n;
    };
    mutable QList<Lookup> lookups;

    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override;
    bool isEmpty() const override { return false; }
};

// A shown window that has been laid out and exposed, ready for real input events; the test
// fails if it is not exposed within ten seconds.
struct ShownWindow {
    MainWindow window;
    ShownWindow();
};

} // namespace testutil

#endif
