#ifndef FRENCH_TEST_TESTSUPPORT_STUDENT_H
#define FRENCH_TEST_TESTSUPPORT_STUDENT_H

// The fifty items as a student sees them: the button to check, the letter or number to pick
// by its shown text, the words to type. Kept apart from the program's key table, so that the
// scenarios built from them check that table instead of reading it back.
//
// A scenario is a pattern of fifty marks in task order, one per item: R right, W wrong,
// - left untouched. Blanks and '|' only group the tasks for the eye.

#include "testutil.h"

#include <QByteArray>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>

namespace student {

enum Kind { Radio, Combo, Typed };

struct Item {
    int task;            // 1 to 7
    int number;          // item number within its task, from 1
    Kind kind;
    const char *widget;  // the box or the edit (radio items: none)
    const char *right;   // radio: the button to check; combo: the item text to pick; typed: the text
    const char *wrong;
};

// Wrong texts vary the ways a typed answer can miss: case, blanks, line breaks, spelling.
inline const Item kItems[50] = {
    {1, 1, Radio, nullptr, "rb1_2", "rb1_1"},
    {1, 2, Radio, nullptr, "rb2_3", "rb2_1"},
    {1, 3, Radio, nullptr, "rb3_1", "rb3_2"},
    {1, 4, Radio, nullptr, "rb4_3", "rb4_1"},
    {1, 5, Radio, nullptr, "rb5_2", "rb5_3"},

    {2, 1, Combo, "comboBox_1", "g)", "a)"},
    {2, 2, Combo, "comboBox_2", "d)", "a)"},
    {2, 3, Combo, "comboBox_3", "b)", "a)"},
    {2, 4, Combo, "comboBox_4", "e)", "a)"},
    {2, 5, Combo, "comboBox_5", "a)", "b)"},
    {2, 6, Combo, "comboBox_6", "c)", "g)"},
    {2, 7, Combo, "comboBox_7", "f)", "a)"},

    {3, 1, Combo, "v3_1", "b)", "a)"},
    {3, 2, Combo, "v3_2", "d)", "a)"},
    {3, 3, Combo, "v3_3", "e)", "a)"},
    {3, 4, Combo, "v3_4", "a)", "e)"},
    {3, 5, Combo, "v3_5", "c)", "a)"},

    {4, 1, Combo, "v4_1", "e)", "a)"},
    {4, 2, Combo, "v4_2", "f)", "a)"},
    {4, 3, Combo, "v4_3", "d)", "a)"},
    {4, 4, Combo, "v4_4", "g)", "a)"},
    {4, 5, Combo, "v4_5", "a)", "g)"},
    {4, 6, Combo, "v4_6", "b)", "a)"},
    {4, 7, Combo, "v4_7", "c)", "a)"},

    {5, 1, Combo, "v5_1", "f) 37", "a) 175"},
    {5, 2, Combo, "v5_2", "k) 42", "a) 175"},
    {5, 3, Combo, "v5_3", "i) 84", "a) 175"},
    {5, 4, Combo, "v5_4", "c) 98", "a) 175"},
    {5, 5, Combo, "v5_5", "l) 115", "a) 175"},
    {5, 6, Combo, "v5_6", "a) 175", "l) 115"},
    {5, 7, Combo, "v5_7", "d) 316", "a) 175"},
    {5, 8, Combo, "v5_8", "h) 551", "i) 84"},
    {5, 9, Combo, "v5_9", "b) 1234", "a) 175"},
    {5, 10, Combo, "v5_10", "e) 2014", "a) 175"},

    {6, 1, Typed, "textEdit1", "sommes", "Sommes"},
    {6, 2, Typed, "textEdit_2", "sais", "sais "},
    {6, 3, Typed, "textEdit_3", "dit", " dit"},
    {6, 4, Typed, "textEdit_4", "attends", "attend"},
    {6, 5, Typed, "textEdit_5", "partez", "partez\n"},
    {6, 6, Typed, "textEdit_6", "remplissent", "remplisent"},
    {6, 7, Typed, "textEdit_7", "comprenons", "comprenons."},
    {6, 8, Typed, "textEdit_8", "nous adressons", "nous  adressons"},
    {6, 9, Typed, "textEdit_9", "fait", "Fait"},
    {6, 10, Typed, "textEdit_10", "dois", " "},

    {7, 1, Typed, "textEdit_11", "elle me le donne", "Elle me le donne"},
    {7, 2, Typed, "textEdit_12", "il veut me le donner", "il me le donner"},
    {7, 3, Typed, "textEdit_13", "donne-le-moi", "donne - le - moi"},
    {7, 4, Typed, "textEdit_14", "il ne me le donne pas", "il ne me le donne pas\t"},
    {7, 5, Typed, "textEdit_15", "donnez-le-lui", "donnez le lui"},
    {7, 6, Typed, "textEdit_16", "je le lui donne", "je le lui donne."},
};

inline const char kGreen[] = "border: 1px solid #000; background: #fff; color: green;";
inline const char kRed[] = "border: 1px solid #000; background: #fff; color: red;";
inline const char kRedTaskV[] = "border: 1px solid #000; background: #fff; color:red;";
inline const char kNoAnswer[] = "Відповіді нема";

// Result labels: "res" for the first item, then "res_2" to "res_50".
inline QString resultName(int item)
{
    return item == 0 ? QStringLiteral("res") : QStringLiteral("res_%1").arg(item + 1);
}

// The fifty marks of a written pattern, or an empty array if it does not hold fifty.
inline QByteArray marks(const char *pattern)
{
    QByteArray result;
    for (const char *c = pattern; *c; ++c) {
        if (*c == 'R' || *c == 'W' || *c == '-')
            result += *c;
        else if (*c != ' ' && *c != '|')
            return QByteArray();
    }
    return result.size() == 50 ? result : QByteArray();
}

inline int rightCount(const QByteArray &marks)
{
    return int(marks.count('R'));
}

// Enters one answer through the widget's own interface; false if the box has no such choice.
inline bool give(QWidget *window, const Item &item, char mark)
{
    if (mark == '-')
        return true;
    const char *value = mark == 'R' ? item.right : item.wrong;
    switch (item.kind) {
    case Radio:
        testutil::widget<QRadioButton>(window, QString::fromLatin1(value))->setChecked(true);
        return true;
    case Combo: {
        auto *box = testutil::widget<QComboBox>(window, QString::fromLatin1(item.widget));
        const int index = box->findText(QString::fromUtf8(value));
        box->setCurrentIndex(index);
        return index >= 0;
    }
    case Typed:
        testutil::widget<QTextEdit>(window, QString::fromLatin1(item.widget))->setPlainText(QString::fromUtf8(value));
        return true;
    }
    return false;
}

inline bool giveAll(QWidget *window, const QByteArray &marks)
{
    if (marks.size() != 50)
        return false;
    for (int i = 0; i < 50; ++i) {
        if (!give(window, kItems[i], marks[i]))
            return false;
    }
    return true;
}

// The page label that shows the option at `index` of a task II to IV box.
inline QLabel *optionLabel(QWidget *window, int task, int index)
{
    const QString name = task == 2   ? QStringLiteral("label_%1").arg(15 + index)
                         : task == 3 ? QStringLiteral("var3_%1").arg(index + 1)
                                     : QStringLiteral("var_4_%1").arg(index + 1);
    return testutil::widget<QLabel>(window, name);
}

// What the result label of an item must read after Finish, from what its page shows.
inline QString expectedText(QWidget *window, const Item &item, char mark)
{
    const QString number = QString::number(item.number) + QStringLiteral(". ");
    const QString none = QString::fromUtf8(kNoAnswer);
    const char *value = mark == 'R' ? item.right : item.wrong;
    switch (item.kind) {
    case Radio:
        if (mark == '-')
            return QLatin1Char(' ') + none;
        return QLatin1Char(' ') + testutil::widget<QRadioButton>(window, QString::fromLatin1(value))->text();
    case Combo:
        if (mark == '-')
            return none;
        if (item.task == 5)
            return QString::fromUtf8(value);
        return optionLabel(window, item.task,
                           testutil::widget<QComboBox>(window, QString::fromLatin1(item.widget))
                               ->findText(QString::fromUtf8(value)))
            ->text();
    case Typed:
        return number + (mark == '-' ? none : QString::fromUtf8(value));
    }
    return QString();
}

inline QString expectedStyle(const Item &item, char mark)
{
    if (mark == 'R')
        return QString::fromLatin1(kGreen);
    return QString::fromLatin1(item.task == 5 ? kRedTaskV : kRed);
}

// Points and grade for a number of right items, by the thresholds in items.
inline const char *gradeForItems(int right)
{
    return right >= 48 ? "Trés bien!" : right >= 38 ? "Bien!" : right >= 25 ? "Passable!" : "Mal!";
}

} // namespace student

#endif
