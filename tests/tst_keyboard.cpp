// The whole test taken with the keyboard alone in a real window, as a student without a mouse
// takes it: Tab and Shift+Tab from control to control, arrows and Space in task I, letters in
// the boxes, typing and Ctrl+Tab in the edits, Return on Next and Finish. At every stop the
// focused control must look different from itself unfocused, a focused box by a frame of its
// own. A real wheel turn over a box without the focus must change nothing, and a second press
// after Finish must leave the results on the screen.
//
// It needs a display with a window manager and real pointer input: on Linux the xcb platform
// under Xvfb, the wheel turned by xdotool (tools/keyboard_check.sh sets it up); on Windows the
// windows platform, the wheel turned through SendInput.

#include "look.h"
#include "testutil.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtMath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <cmath>

using testutil::widget;

namespace {

// One step of the walk: the keys pressed, the control that has the focus afterwards and the
// page then shown.
// Keys are separated by blanks: Tab, Shift+Tab, Ctrl+Tab, Ctrl+Shift+Tab, Return, Enter (the
// keypad's), Space, Down, Backspace, a single letter, 'text' typed key by key, HoldReturn (held
// down until the keyboard repeats it), Wheel:<box> (one notch of the real wheel over that box)
// and Wheel3:<box> (three).
struct Step {
    const char *keys;
    const char *focus;
    int page;
};

const Step kWalk[] = {
    // The reading page: only Next takes the focus.
    {"Tab", "pushButton_2", 0},
    {"Return", "pushButton_2", 1},
    // Task I, one stop per item; the arrows walk an item's endings.
    {"Tab", "rb5_1", 1},
    {"Down Space", "rb5_2", 1},
    {"Tab", "rb2_1", 1},
    {"Shift+Tab", "rb5_2", 1},
    {"Tab", "rb2_1", 1},
    {"Down Down Space", "rb2_3", 1},
    {"Tab", "rb4_1", 1},
    {"Down Down Space", "rb4_3", 1},
    {"Tab", "rb1_1", 1},
    {"Down Space", "rb1_2", 1},
    {"Tab", "rb3_1", 1},
    {"Space", "rb3_1", 1},
    {"Tab", "pushButton_1", 1},
    {"Tab", "pushButton_2", 1},
    {"Return", "pushButton_2", 2},
    // Task II. The wheel over the first box, with the focus on Next, must leave both alone.
    {"Wheel:comboBox_2", "pushButton_2", 2},
    {"Tab", "comboBox_2", 2},
    {"d", "comboBox_2", 2},
    {"Tab", "comboBox_7", 2},
    {"Wheel3:comboBox_2", "comboBox_7", 2},
    {"f", "comboBox_7", 2},
    {"Tab", "comboBox_5", 2},
    {"a", "comboBox_5", 2},
    {"Tab", "comboBox_3", 2},
    {"b", "comboBox_3", 2},
    {"Shift+Tab", "comboBox_5", 2},
    {"Tab", "comboBox_3", 2},
    {"Tab", "comboBox_6", 2},
    {"c", "comboBox_6", 2},
    {"Tab", "comboBox_4", 2},
    {"e", "comboBox_4", 2},
    {"Tab", "comboBox_1", 2},
    {"g", "comboBox_1", 2},
    {"Tab", "pushButton_1", 2},
    {"Tab", "pushButton_2", 2},
    {"HoldReturn", "pushButton_2", 3},
    // Back by Return, and on again.
    {"Shift+Tab", "pushButton_1", 3},
    {"Return", "pushButton_1", 2},
    {"Tab", "pushButton_2", 2},
    {"Return", "pushButton_2", 3},
    // Task III.
    {"Tab", "v3_5", 3},
    {"c", "v3_5", 3},
    {"Tab", "v3_2", 3},
    {"d", "v3_2", 3},
    {"Tab", "v3_3", 3},
    {"e", "v3_3", 3},
    {"Tab", "v3_1", 3},
    {"b", "v3_1", 3},
    {"Tab", "v3_4", 3},
    {"a", "v3_4", 3},
    {"Tab", "pushButton_1", 3},
    {"Tab", "pushButton_2", 3},
    {"Enter", "pushButton_2", 4},
    // Task IV.
    {"Tab", "v4_2", 4},
    {"f", "v4_2", 4},
    {"Tab", "v4_7", 4},
    {"c", "v4_7", 4},
    {"Tab", "v4_5", 4},
    {"a", "v4_5", 4},
    {"Tab", "v4_3", 4},
    {"d", "v4_3", 4},
    {"Tab", "v4_6", 4},
    {"b", "v4_6", 4},
    {"Tab", "v4_4", 4},
    {"g", "v4_4", 4},
    {"Tab", "v4_1", 4},
    {"e", "v4_1", 4},
    {"Tab", "pushButton_1", 4},
    {"Tab", "pushButton_2", 4},
    {"Return", "pushButton_2", 5},
    // Task V.
    {"Tab", "v5_1", 5},
    {"f", "v5_1", 5},
    {"Tab", "v5_2", 5},
    {"k", "v5_2", 5},
    {"Tab", "v5_3", 5},
    {"i", "v5_3", 5},
    {"Tab", "v5_4", 5},
    {"c", "v5_4", 5},
    {"Tab", "v5_5", 5},
    {"l", "v5_5", 5},
    {"Tab", "v5_6", 5},
    {"a", "v5_6", 5},
    {"Tab", "v5_7", 5},
    {"d", "v5_7", 5},
    {"Tab", "v5_8", 5},
    {"h", "v5_8", 5},
    {"Tab", "v5_9", 5},
    {"b", "v5_9", 5},
    {"Tab", "v5_10", 5},
    {"e", "v5_10", 5},
    {"Tab", "pushButton_1", 5},
    {"Tab", "pushButton_2", 5},
    {"Return", "pushButton_2", 6},
    // Task VI: Tab is text in an edit, Ctrl+Tab and Ctrl+Shift+Tab leave it.
    {"Tab", "textEdit1", 6},
    {"'sommes' Ctrl+Tab", "textEdit_2", 6},
    {"'sais' Ctrl+Shift+Tab", "textEdit1", 6},
    {"Ctrl+Tab", "textEdit_2", 6},
    {"Ctrl+Tab", "textEdit_3", 6},
    {"'dit' Ctrl+Tab", "textEdit_4", 6},
    {"'attends' Ctrl+Tab", "textEdit_5", 6},
    {"'partez' Ctrl+Tab", "textEdit_6", 6},
    {"'remplissent' Ctrl+Tab", "textEdit_7", 6},
    {"'comprenons' Ctrl+Tab", "textEdit_8", 6},
    {"'nous adressons' Ctrl+Tab", "textEdit_9", 6},
    {"'fait' Ctrl+Tab", "textEdit_10", 6},
    {"'dois' Shift+Tab", "textEdit_9", 6},
    {"Ctrl+Tab", "textEdit_10", 6},
    {"Ctrl+Tab", "pushButton_1", 6},
    {"Tab", "pushButton_2", 6},
    // Next hides itself on the last page and hands the focus to its first edit.
    {"Return", "textEdit_11", 7},
    // Task VII.
    {"'elle me le donne' Ctrl+Tab", "textEdit_12", 7},
    {"'il veut me le donner' Ctrl+Tab", "textEdit_13", 7},
    {"'donne-le-moi' Ctrl+Tab", "textEdit_14", 7},
    {"'il ne me le donne pas' Tab Backspace Ctrl+Tab", "textEdit_15", 7},
    {"'donnez-le-lui' Ctrl+Tab", "textEdit_16", 7},
    {"'je le lui donne' Ctrl+Tab", "pushButton_3", 7},
    // Finish, then once more: the result page must stay.
    {"Return", "qt_tabwidget_tabbar", 8},
    {"Return", "qt_tabwidget_tabbar", 8},
    // The tabs keep their own Ctrl+Tab: to task II's.
    {"Ctrl+Tab", "qt_tabwidget_tabbar", 8},
    {"Tab", "close_button", 8},
};

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

class Walk
{
public:
    explicit Walk(MainWindow &window)
        : window(window)
    {
    }

    // Presses the keys of one step; false with `failure` set when a step cannot be taken.
    bool press(const QString &keys)
    {
        for (const QString &key : split(keys)) {
            if (!pressOne(key))
                return false;
        }
        return true;
    }

    QString failure;
    double lowestContrast = 1e9;

    // The control and `margin` px around it, as the window draws it now.
    QImage picture(QWidget *control, int margin) const
    {
        const QRect area(control->mapTo(&window, QPoint(0, 0)) - QPoint(margin, margin),
                         control->size() + QSize(2 * margin, 2 * margin));
        return window.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Whether the focused control looks different from itself without the focus; a box by a
    // frame inside it that stands out from the box and the panel.
    QString focusShownProblem(QWidget *control)
    {
        const int margin = 4;
        const QImage focused = picture(control, margin);
        control->clearFocus();
        const QImage unfocused = picture(control, margin);
        control->setFocus(Qt::TabFocusReason);
        if (!control->hasFocus())
            return QStringLiteral("does not take the focus back");
        if (focused.size() != unfocused.size())
            return QStringLiteral("changes its size with the focus");
        int differing = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x)
                differing += focused.pixel(x, y) != unfocused.pixel(x, y);
        }
        // A caret, the thinnest focus sign here, is a whole text line high.
        if (differing < 12)
            return QStringLiteral("looks the same with and without the focus (%1 pixels differ)").arg(differing);
        if (qobject_cast<QComboBox *>(control))
            return frameProblem(focused, unfocused, qRound(margin * focused.devicePixelRatio()));
        return QString();
    }

private:
    MainWindow &window;

    static QStringList split(const QString &keys)
    {
        QStringList parts;
        QString current;
        bool quoted = false;
        for (QChar c : keys) {
            if (c == QLatin1Char('\''))
                quoted = !quoted;
            if (c == QLatin1Char(' ') && !quoted) {
                if (!current.isEmpty())
                    parts << current;
                current.clear();
            } else {
                current += c;
            }
        }
        if (!current.isEmpty())
            parts << current;
        return parts;
    }

    // Keys go where a keyboard's go: to the focused widget.
    static void key(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
    {
        QTest::sendKeyEvent(QTest::Click, static_cast<QWidget *>(nullptr), code, text, modifiers);
    }

    static void sendRaw(QEvent::Type type, Qt::Key code, bool autoRepeat)
    {
        QKeyEvent event(type, code, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    bool pressOne(const QString &name)
    {
        if (!QApplication::focusWidget()) {
            failure = QStringLiteral("no widget has the focus before %1").arg(name);
            return false;
        }
        if (name == QLatin1String("Tab"))
            key(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        else if (name == QLatin1String("Shift+Tab"))
            key(Qt::Key_Backtab, Qt::ShiftModifier);
        else if (name == QLatin1String("Ctrl+Tab"))
            key(Qt::Key_Tab, Qt::ControlModifier);
        else if (name == QLatin1String("Ctrl+Shift+Tab"))
            key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        else if (name == QLatin1String("Return"))
            key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        else if (name == QLatin1String("Enter"))
            key(Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
        else if (name == QLatin1String("Space"))
            key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        else if (name == QLatin1String("Down"))
            key(Qt::Key_Down);
        else if (name == QLatin1String("Backspace"))
            key(Qt::Key_Backspace);
        else if (name == QLatin1String("HoldReturn")) {
            // As a held key arrives: one press, repeated releases and presses, one release.
            sendRaw(QEvent::KeyPress, Qt::Key_Return, false);
            for (int i = 0; i < 5; ++i) {
                sendRaw(QEvent::KeyRelease, Qt::Key_Return, true);
                sendRaw(QEvent::KeyPress, Qt::Key_Return, true);
            }
            sendRaw(QEvent::KeyRelease, Qt::Key_Return, false);
        } else if (name.startsWith(QLatin1String("Wheel"))) {
            return turnWheel(name);
        } else if (name.size() > 1 && name.startsWith(QLatin1Char('\''))) {
            QTest::keyClicks(static_cast<QWidget *>(nullptr), name.mid(1, name.size() - 2));
        } else if (name.size() == 1 && name.at(0).isLower()) {
            key(Qt::Key(Qt::Key_A + (name.at(0).unicode() - 'a')), Qt::NoModifier, name);
        } else {
            failure = QStringLiteral("unknown key %1 in the walk").arg(name);
            return false;
        }
        QApplication::processEvents();
        return true;
    }

    // Wheel:<box> or Wheel3:<box>: notches of the real wheel, away from the user, over the box.
    bool turnWheel(const QString &name)
    {
        const int notches = name.startsWith(QLatin1String("Wheel3")) ? 3 : 1;
        auto *box = widget<QComboBox>(&window, name.section(QLatin1Char(':'), 1));
        const int indexBefore = box->currentIndex();
        QWidget *focusBefore = QApplication::focusWidget();
        WheelCounter counter;
        box->installEventFilter(&counter);
        const QPoint at = box->mapToGlobal(box->rect().center());
        const bool sent = sendWheel(at, notches);
        QElapsedTimer waited;
        waited.start();
        while (sent && counter.count < notches && waited.elapsed() < 10000)
            QTest::qWait(20);
        // Late notches would land in the next step.
        QTest::qWait(100);
        box->removeEventFilter(&counter);
        if (!sent)
            return false;
        if (counter.count < notches) {
            failure = QStringLiteral("%1 of %2 wheel notches over %3 reached it within 10 s")
                          .arg(counter.count)
                          .arg(notches)
                          .arg(box->objectName());
            return false;
        }
        if (QApplication::focusWidget() != focusBefore) {
            failure = QStringLiteral("the wheel over %1 took the focus").arg(box->objectName());
            return false;
        }
        if (box->currentIndex() != indexBefore) {
            failure = QStringLiteral("the wheel over %1, which did not have the focus, changed its answer from %2 to %3")
                          .arg(box->objectName())
                          .arg(indexBefore < 0 ? QStringLiteral("none") : box->itemText(indexBefore))
                          .arg(box->currentText());
            return false;
        }
        return true;
    }

    struct WheelCounter : QObject {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Wheel;
            return false;
        }
    };

    bool sendWheel(const QPoint &at, int notches)
    {
#ifdef Q_OS_WIN
        // Through the system's input queue, as a mouse's wheel arrives.
        const QPoint device = at * window.devicePixelRatioF();
        SetCursorPos(device.x(), device.y());
        for (int i = 0; i < notches; ++i) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = MOUSEEVENTF_WHEEL;
            input.mi.mouseData = DWORD(-WHEEL_DELTA);
            if (SendInput(1, &input, sizeof input) != 1) {
                failure = QStringLiteral("SendInput did not take the wheel turn");
                return false;
            }
        }
        return true;
#else
        // An X server event, through the X test extension. The pointer then leaves the window, so
        // the next turn moves it again (a move to where it is would never be reported).
        QProcess xdotool;
        const QPoint device = at * window.devicePixelRatioF();
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(device.x()),
                       QString::number(device.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                       QString::number(notches), QStringLiteral("--delay"), QStringLiteral("50"),
                       QStringLiteral("5"), QStringLiteral("mousemove"), QStringLiteral("1023"),
                       QStringLiteral("767")});
        if (!xdotool.waitForFinished(10000) || xdotool.exitStatus() != QProcess::NormalExit
            || xdotool.exitCode() != 0) {
            failure = QStringLiteral("xdotool did not turn the wheel: %1 %2")
                          .arg(xdotool.errorString(), QString::fromLocal8Bit(xdotool.readAllStandardError()));
            xdotool.kill();
            xdotool.waitForFinished(1000);
            return false;
        }
        return true;
#endif
    }

    // The frame: inside the box, at least 2 px wide on every side, and of at least 3 : 1
    // against the box inside it and the panel outside it.
    QString frameProblem(const QImage &focused, const QImage &unfocused, int margin)
    {
        const QRect box = focused.rect().adjusted(margin, margin, -margin, -margin);
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (!box.contains(x, y) && focused.pixel(x, y) != unfocused.pixel(x, y))
                    return QStringLiteral("changes pixels outside itself with the focus (at %1, %2)").arg(x).arg(y);
            }
        }
        const int least = qFloor(2 * focused.devicePixelRatio());
        const QPoint middle = box.center();
        // From the middle of each side inwards: the outer point, the step inwards.
        const struct {
            QPoint edge;
            QPoint inward;
        } sides[] = {
            {{box.left(), middle.y()}, {1, 0}},
            {{box.right(), middle.y()}, {-1, 0}},
            {{middle.x(), box.top()}, {0, 1}},
            {{middle.x(), box.bottom()}, {0, -1}},
        };
        for (const auto &side : sides) {
            QPoint p = side.edge;
            int steps = 0;
            while (box.contains(p) && focused.pixel(p) == unfocused.pixel(p) && steps < 4) {
                p += side.inward;
                ++steps;
            }
            const QPoint start = p;
            int width = 0;
            while (box.contains(p) && focused.pixel(p) != unfocused.pixel(p)) {
                p += side.inward;
                ++width;
            }
            if (width < least)
                return QStringLiteral("shows no focus frame %1 px wide at its side through %2, %3 (%4 px)")
                    .arg(least)
                    .arg(side.edge.x())
                    .arg(side.edge.y())
                    .arg(width);
            const QRgb frame = focused.pixel(start);
            const QRgb inside = focused.pixel(p);
            const QRgb outside = focused.pixel(side.edge - side.inward * (margin / 2 + 1));
            const double ratio = qMin(contrast(frame, inside), contrast(frame, outside));
            lowestContrast = qMin(lowestContrast, ratio);
            if (ratio < 3.0)
                return QStringLiteral("has a focus frame of contrast %1 : 1 only (frame %2, box %3, panel %4)")
                    .arg(ratio, 0, 'f', 2)
                    .arg(QColor(frame).name(), QColor(inside).name(), QColor(outside).name());
        }
        return QString();
    }
};

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeTestByKeys();
};

void KeyboardTest::initTestCase()
{
    useDesignLook();
    // A caret that blinks would be there in one picture and not in the next.
    QApplication::setCursorFlashTime(0);
}

void KeyboardTest::wholeTestByKeys()
{
    testutil::ShownWindow shown;
    MainWindow &window = shown.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Walk walk(window);
    QStringList unseen;
    int row = 0;
    for (const Step &step : kWalk) {
        ++row;
        const QString where = QStringLiteral("step %1 (%2)").arg(row).arg(QString::fromUtf8(step.keys));
        QVERIFY2(walk.press(QString::fromUtf8(step.keys)), qPrintable(where + QStringLiteral(": ") + walk.failure));
        QVERIFY2(testutil::currentPage(&window) == step.page,
                 qPrintable(where + QStringLiteral(": page %1 is shown, not page %2")
                                        .arg(testutil::currentPage(&window))
                                        .arg(step.page)));
        QVERIFY2(window.isVisible(), qPrintable(where + QStringLiteral(": the window was closed")));
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(focused, qPrintable(where + QStringLiteral(": nothing has the focus")));
        QVERIFY2(focused->objectName() == QLatin1String(step.focus),
                 qPrintable(where + QStringLiteral(": the focus is on %1, not on %2")
                                        .arg(focused->objectName(), QString::fromUtf8(step.focus))));
        const QString problem = walk.focusShownProblem(focused);
        if (!problem.isEmpty())
            unseen << where + QStringLiteral(": ") + focused->objectName() + QLatin1Char(' ') + problem;
        if (auto *edit = qobject_cast<QTextEdit *>(focused)) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit);
            QVERIFY(iface);
            QVERIFY2(iface->text(QAccessible::Description).contains(QLatin1String("Ctrl+Tab")),
                     qPrintable(where + QStringLiteral(": a screen reader is not told how to leave ")
                                + edit->objectName()));
        }
    }
    for (const QString &problem : unseen)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(unseen.isEmpty(), "the focus cannot be seen at some stops; see the warnings above");
    qInfo("lowest contrast of a focus frame: %.2f : 1", walk.lowestContrast);

    QCOMPARE(widget<QLabel>(&window, QStringLiteral("label_mark"))->text(), QStringLiteral("100"));
    QCOMPARE(widget<QTabWidget>(&window, QStringLiteral("tabWidget"))->currentIndex(), 1);
    // Every edit kept what was typed into it before it was left.
    QCOMPARE(widget<QTextEdit>(&window, QStringLiteral("textEdit_2"))->toPlainText(), QStringLiteral("sais"));
    // Close is pressed only deliberately, and then it closes.
    QVERIFY(walk.press(QStringLiteral("Return")));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 10000);
}

FRENCH_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
