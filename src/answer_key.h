#ifndef FRENCH_TEST_ANSWER_KEY_H
#define FRENCH_TEST_ANSWER_KEY_H

// The answer keys and marking styles: the one table that live marking, counting and the
// result tabs all read, so they can never disagree.

#include "form.h"

namespace answer {

// Task I: the three endings of one sentence and the index of the keyed one.
struct ChoiceItem {
    QRadioButton *MainWindowUi::*buttons[3];
    int keyed;
};

// Tasks II to V: a drop-down list and the index that must be current.
struct ComboItem {
    QComboBox *MainWindowUi::*box;
    int key;
};

// Tasks VI and VII: a text edit and the exact text it must hold.
struct TextItem {
    QTextEdit *MainWindowUi::*edit;
    const char *key;
};

using U = MainWindowUi;

inline constexpr ChoiceItem kTaskI[] = {
    {{&U::rb1_1, &U::rb1_2, &U::rb1_3}, 1},
    {{&U::rb2_1, &U::rb2_2, &U::rb2_3}, 2},
    {{&U::rb3_1, &U::rb3_2, &U::rb3_3}, 0},
    {{&U::rb4_1, &U::rb4_2, &U::rb4_3}, 2},
    {{&U::rb5_1, &U::rb5_2, &U::rb5_3}, 1},
};

inline constexpr ComboItem kTaskII[] = {
    {&U::comboBox_1, 6}, {&U::comboBox_2, 3}, {&U::comboBox_3, 1}, {&U::comboBox_4, 4},
    {&U::comboBox_5, 0}, {&U::comboBox_6, 2}, {&U::comboBox_7, 5},
};

inline constexpr ComboItem kTaskIII[] = {
    {&U::v3_1, 1}, {&U::v3_2, 3}, {&U::v3_3, 4}, {&U::v3_4, 0}, {&U::v3_5, 2},
};

inline constexpr ComboItem kTaskIV[] = {
    {&U::v4_1, 4}, {&U::v4_2, 5}, {&U::v4_3, 3}, {&U::v4_4, 6},
    {&U::v4_5, 0}, {&U::v4_6, 1}, {&U::v4_7, 2},
};

// The letters skip g and j, so "h) 551" stands at index 6.
inline constexpr ComboItem kTaskV[] = {
    {&U::v5_1, 5}, {&U::v5_2, 8}, {&U::v5_3, 7}, {&U::v5_4, 2}, {&U::v5_5, 9},
    {&U::v5_6, 0}, {&U::v5_7, 3}, {&U::v5_8, 6}, {&U::v5_9, 1}, {&U::v5_10, 4},
};

inline constexpr TextItem kTaskVI[] = {
    {&U::textEdit1, "sommes"},     {&U::textEdit_2, "sais"},           {&U::textEdit_3, "dit"},
    {&U::textEdit_4, "attends"},   {&U::textEdit_5, "partez"},         {&U::textEdit_6, "remplissent"},
    {&U::textEdit_7, "comprenons"}, {&U::textEdit_8, "nous adressons"}, {&U::textEdit_9, "fait"},
    {&U::textEdit_10, "dois"},
};

inline constexpr TextItem kTaskVII[] = {
    {&U::textEdit_11, "elle me le donne"},      {&U::textEdit_12, "il veut me le donner"},
    {&U::textEdit_13, "donne-le-moi"},          {&U::textEdit_14, "il ne me le donne pas"},
    {&U::textEdit_15, "donnez-le-lui"},         {&U::textEdit_16, "je le lui donne"},
};

// Live marking of the text edits.
inline constexpr char rightAnswerStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 64, 0, 255), "
    "stop:1 rgba(91, 227, 68, 255)); border: 1px solid #000; color: #fff;";
inline constexpr char wrongAnswerStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(117, 0, 0, 255), "
    "stop:1 rgba(255, 0, 0, 255)); border: 1px solid #000; color: #fff;";

// Result labels on the result page. Task V's red sheet has no blank after "color:".
inline constexpr char rightResultStyle[] = "border: 1px solid #000; background: #fff; color: green;";
inline constexpr char wrongResultStyle[] = "border: 1px solid #000; background: #fff; color: red;";
inline constexpr char wrongResultStyleV[] = "border: 1px solid #000; background: #fff; color:red;";

inline constexpr int kItemCount = 50;

} // namespace answer

#endif
