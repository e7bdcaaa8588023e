// french-session: one whole session of the real program, for memory checkers. It links the
// real entry unchanged and, once its window is shown, plays a student through real input
// events: answers on every page (some right, some wrong, some left out), a step back, Finish,
// a look at every result tab, Close. The program then shuts down as it always does.
// Exit status 0 when the points shown are the ones the answers earn, 3 otherwise.

#include "student.h"
#include "testutil.h"
#include "window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

// Items in task order, in the pattern the result must reflect.
const char kPattern[] = "RRWR- RRRRWR- RRRWR RRR-RRR RRRRRRRWRR RRWRRRRR-R RWRRR-";

bool onShownPage(QWidget *window, QWidget *target)
{
    auto *stack = testutil::widget<QStackedWidget>(window, QStringLiteral("stackedWidget"));
    return stack->currentWidget()->isAncestorOf(target);
}

void answer(QWidget *window, const student::Item &item, char mark)
{
    const char *value = mark == 'R' ? item.right : item.wrong;
    switch (item.kind) {
    case student::Radio: {
        auto *button = testutil::widget<QRadioButton>(window, QString::fromLatin1(value));
        // The indicator, which is inside the button's click area whatever its text.
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(qMin(8, button->width() / 2), button->height() / 2));
        break;
    }
    case student::Combo: {
        auto *box = testutil::widget<QComboBox>(window, QString::fromLatin1(item.widget));
        if (item.number == 1) {
            // Open the list and dismiss it once per task, as a student looking first would.
            QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
            QTest::keyClick(box->view(), Qt::Key_Escape);
        }
        const int target = box->findText(QString::fromUtf8(value));
        box->setFocus();
        for (int i = box->currentIndex(); i < target; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        break;
    }
    case student::Typed: {
        auto *edit = testutil::widget<QTextEdit>(window, QString::fromLatin1(item.widget));
        testutil::click(edit);
        QTest::keyClicks(edit, QString::fromUtf8(value));
        break;
    }
    }
}

int failures = 0;

void check(bool condition, const char *what)
{
    if (!condition) {
        ++failures;
        std::fprintf(stderr, "session: %s\n", what);
    }
}

void play(QWidget *window)
{
    check(QTest::qWaitForWindowExposed(window), "window not exposed");
    const QByteArray marks = student::marks(kPattern);
    for (int page = 0; page <= 7; ++page) {
        for (int i = 0; i < 50; ++i) {
            const student::Item &item = student::kItems[i];
            QWidget *target = testutil::widget<QWidget>(
                window, QString::fromLatin1(item.kind == student::Radio ? item.right : item.widget));
            if (marks[i] != '-' && target && onShownPage(window, target))
                answer(window, item, marks[i]);
        }
        if (page == 4) {
            testutil::clickBack(window);
            testutil::clickNext(window);
        }
        if (page < 7)
            testutil::clickNext(window);
        QApplication::processEvents();
    }
    check(testutil::currentPage(window) == 7, "Next did not reach page 7");

    testutil::clickFinish(window);
    QApplication::processEvents();
    const int points = 2 * student::rightCount(marks);
    const auto *mark = testutil::widget<QLabel>(window, QStringLiteral("label_mark"));
    check(mark->text() == QString::number(points), "points shown differ from the answers given");

    const auto *tabs = testutil::widget<QTabWidget>(window, QStringLiteral("tabWidget"));
    QTabBar *bar = tabs->tabBar();
    for (int i = tabs->count() - 1; i >= 0; --i) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(i).center());
        QApplication::processEvents();
    }

    std::printf("session: %d points, %d failed checks\n", mark->text().toInt(), failures);
    std::fflush(stdout);
    if (failures)
        QCoreApplication::exit(3);
    else
        testutil::click(testutil::button(window, "close_button"));
}

void startSession()
{
    // Runs once the event loop turns: main has built and shown its window by then.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<MainWindow *>(widget)) {
                play(window);
                return;
            }
        }
        std::fprintf(stderr, "session: no main window\n");
        QCoreApplication::exit(3);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startSession)
