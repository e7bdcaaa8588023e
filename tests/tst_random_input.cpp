// A bounded, seeded stream of random user input: clicks on buttons, radio buttons and
// boxes, keys in the boxes, typing and pasting of all kinds of text, back and forth, and
// Finish at the end. After every event the window must be in a state the rules allow.
// A failure names its seed and event, so the run can be replayed:
//     tst_random_input "session:seed 7"

#include "student.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTextEdit>

using testutil::widget;

namespace {

constexpr int kEvents = 10000;
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kTimeLimitMs = 480000; // the sanitizers slow every event several times over
#else
constexpr qint64 kTimeLimitMs = 240000;
#endif

const char *const kNeutralStyles[] = {testutil::kNeutralEditStyleVI, testutil::kNeutralEditStyleVII};

// Text of every kind a student might type or paste.
const QStringList kSnippets = {
    QStringLiteral("sommes"), QStringLiteral("nous adressons"), QStringLiteral("donne-le-moi"),
    QStringLiteral("abc XYZ 123"), QStringLiteral("été à l’École, ça où"), QStringLiteral("Відповіді нема"),
    QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral(" "),
    QStringLiteral("😀👍🏽"), QStringLiteral("שלום עולם"), QStringLiteral("مرحبا"),
    QStringLiteral("\u00a0"), QStringLiteral("<b>bold</b> &amp;"),
};

struct Session {
    explicit Session(quint32 seed)
        : seed(seed)
        , random(seed)
    {
    }

    quint32 seed;
    QRandomGenerator random;
    testutil::ShownWindow shown;
    QList<QTextEdit *> edits;
    QList<QString> keys;
    QList<bool> touched;
    int event = 0;

    MainWindow &window() { return shown.window; }

    QString where() const { return QStringLiteral("seed %1, event %2").arg(seed).arg(event); }

    void setUp()
    {
        for (const student::Item &item : student::kItems) {
            if (item.kind != student::Typed)
                continue;
            QTextEdit *edit = widget<QTextEdit>(&window(), QString::fromLatin1(item.widget));
            const int index = edits.size();
            edits << edit;
            keys << QString::fromUtf8(item.right);
            touched << false;
            QObject::connect(edit, &QTextEdit::textChanged, &window(), [this, index] { touched[index] = true; });
        }
    }

    template <class T>
    QList<T *> visibleOnPage()
    {
        QList<T *> found;
        QWidget *page = widget<QStackedWidget>(&window(), "stackedWidget")->currentWidget();
        for (T *w : page->findChildren<T *>()) {
            if (w->isVisible())
                found << w;
        }
        return found;
    }

    QString snippet()
    {
        return kSnippets.at(random.bounded(kSnippets.size()));
    }

    // Types each code point as one key press carrying its text, as a keyboard would.
    static void type(QWidget *target, const QString &text)
    {
        for (int i = 0; i < text.size(); ++i) {
            QString unit(text.at(i));
            if (text.at(i).isHighSurrogate() && i + 1 < text.size())
                unit += text.at(++i);
            if (unit == QLatin1String("\n"))
                QTest::keyClick(target, Qt::Key_Return);
            else if (unit == QLatin1String("\t"))
                QTest::keyClick(target, Qt::Key_Tab);
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, unit, Qt::NoModifier);
        }
    }

    void paste(QTextEdit *edit, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

    // One random user action on the page shown.
    void act(bool allowHugePaste)
    {
        const int kind = int(random.bounded(100));
        if (kind < 12) {
            testutil::clickNext(&window());
            return;
        }
        if (kind < 20) {
            if (testutil::button(&window(), "pushButton_1")->isVisible())
                testutil::clickBack(&window());
            return;
        }
        if (kind < 35) {
            const auto buttons = visibleOnPage<QRadioButton>();
            if (!buttons.isEmpty()) {
                QRadioButton *button = buttons.at(random.bounded(buttons.size()));
                QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
            }
            return;
        }
        if (kind < 55) {
            const auto boxes = visibleOnPage<QComboBox>();
            if (boxes.isEmpty())
                return;
            QComboBox *box = boxes.at(random.bounded(boxes.size()));
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
            box->setFocus();
            if (random.bounded(4) == 0) // a letter jumps to the item that starts with it
                type(box, QString(QLatin1Char(char('a' + random.bounded(12)))));
            else
                QTest::keyClick(box, keys[random.bounded(5)]);
            return;
        }
        const auto shownEdits = visibleOnPage<QTextEdit>();
        if (shownEdits.isEmpty())
            return;
        QTextEdit *edit = shownEdits.at(random.bounded(shownEdits.size()));
        edit->setFocus();
        const int what = int(random.bounded(100));
        if (what < 45) {
            type(edit, snippet());
        } else if (what < 60) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else if (what < 70) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Delete);
        } else if (what < 80) {
            // The key itself, so some answers end up right.
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            type(edit, keys.at(edits.indexOf(edit)));
        } else if (what < 95) {
            paste(edit, snippet() + snippet());
        } else if (allowHugePaste) {
            // A megabyte in lines, the way a pasted document arrives.
            QString huge;
            while (huge.size() < 1 << 20)
                huge += snippet() + QLatin1Char('\n');
            paste(edit, huge);
        } else {
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        }
    }

    // The navigation rules and the live marking, checked against the window's state.
    QString broken()
    {
        const int page = testutil::currentPage(&window());
        if (page < 0 || page > 7 || page != pageIndex)
            return QStringLiteral("page %1 shown with counter %2").arg(page).arg(pageIndex);
        const bool back = testutil::button(&window(), "pushButton_1")->isVisible();
        const bool next = testutil::button(&window(), "pushButton_2")->isVisible();
        const bool finish = testutil::button(&window(), "pushButton_3")->isVisible();
        const bool close = testutil::button(&window(), "close_button")->isVisible();
        if (back != (page > 0) || next != (page < 7) || finish != (page == 7) || close)
            return QStringLiteral("page %1 with buttons back %2 next %3 finish %4 close %5")
                .arg(page).arg(back).arg(next).arg(finish).arg(close);
        for (int i = 0; i < edits.size(); ++i) {
            const QString style = edits.at(i)->styleSheet();
            if (!touched.at(i)) {
                if (style != QLatin1String(kNeutralStyles[0]) && style != QLatin1String(kNeutralStyles[1]))
                    return edits.at(i)->objectName() + QStringLiteral(" changed its look untouched");
                continue;
            }
            const bool right = edits.at(i)->toPlainText() == keys.at(i);
            const char *expected = right ? testutil::kRightAnswerStyle : testutil::kWrongAnswerStyle;
            if (style != QLatin1String(expected))
                return edits.at(i)->objectName() + (right ? QStringLiteral(" holds its key but is not green")
                                                          : QStringLiteral(" is wrong but not red"));
        }
        return QString();
    }

    // The right items, counted from the answer widgets without the program's key table.
    int rightItems()
    {
        int count = 0;
        for (const student::Item &item : student::kItems) {
            const QString right = QString::fromUtf8(item.right);
            switch (item.kind) {
            case student::Radio:
                count += widget<QRadioButton>(&window(), right)->isChecked();
                break;
            case student::Combo:
                count += widget<QComboBox>(&window(), QString::fromLatin1(item.widget))->currentText() == right;
                break;
            case student::Typed:
                count += widget<QTextEdit>(&window(), QString::fromLatin1(item.widget))->toPlainText() == right;
                break;
            }
        }
        return count;
    }
};

} // namespace

class TestRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void session_data();
    void session();
};

void TestRandomInput::session_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 2026u, 90210u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestRandomInput::session()
{
    QFETCH(quint32, seed);
    Session s(seed);
    s.setUp();
    QElapsedTimer clock;
    clock.start();
    const int hugePasteAt = int(s.random.bounded(kEvents));
    for (s.event = 0; s.event < kEvents; ++s.event) {
        s.act(s.event >= hugePasteAt && s.event < hugePasteAt + 200);
        const QString problem = s.broken();
        QVERIFY2(problem.isEmpty(), qPrintable(s.where() + QStringLiteral(": ") + problem));
        QVERIFY2(clock.elapsed() < kTimeLimitMs, qPrintable(s.where() + QStringLiteral(": out of time")));
    }

    testutil::goToPage(&s.window(), 7);
    const int expected = s.rightItems();
    testutil::clickFinish(&s.window());
    qInfo("seed %u: %d items right after %d events", seed, expected, kEvents);

    QCOMPARE(testutil::currentPage(&s.window()), 8);
    for (const char *name : {"pushButton_1", "pushButton_2", "pushButton_3"})
        QVERIFY(!testutil::button(&s.window(), name)->isVisible());
    QVERIFY(testutil::button(&s.window(), "close_button")->isVisible());
    const int points = widget<QLabel>(&s.window(), "label_mark")->text().toInt();
    int green = 0;
    for (int i = 0; i < 50; ++i)
        green += widget<QLabel>(&s.window(), student::resultName(i))->styleSheet() == QLatin1String(student::kGreen);
    QVERIFY2(green * 2 == points, qPrintable(s.where()));
    QVERIFY2(green == expected, qPrintable(s.where()));
    QCOMPARE(correctCount, expected);
    QCOMPARE(widget<QLabel>(&s.window(), "label_mark_2")->text(),
             QString::fromUtf8(student::gradeForItems(expected)));
}

FRENCH_TEST_MAIN(TestRandomInput)
#include "tst_random_input.moc"
