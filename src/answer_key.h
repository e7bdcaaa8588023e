#ifndef FRENCH_TEST_ANSWER_KEY_H
#define FRENCH_TEST_ANSWER_KEY_H

// The fifty items, one row each: the answer widget, its key, and its lines on the result
// page. Live marking, counting, the result page, the result tabs and the points header all
// read these rows, so nothing is lined up by position.

#include "form.h"
#include "form/recipes.h"
#include "form/sentences.h"

#include <iterator>

namespace answer {

// An item's line above its result on the result page: a fixed text (tasks I and II) or the
// exercise page's own item label, copied markup and all (tasks III to V).
struct Prompt {
    form::Named<QLabel> label;
    const char *text = nullptr;
    form::Named<QLabel> copiedFrom = {};
};

// Task I: the three endings of one sentence and the index of the keyed one.
struct ChoiceItem {
    form::Named<QRadioButton> buttons[3];
    int keyed;
    Prompt prompt;
    form::Named<QLabel> result;
};

// Tasks II to V: a drop-down list and the index that must be current.
struct ComboItem {
    form::Named<QComboBox> box;
    int key;
    Prompt prompt;
    form::Named<QLabel> result;
};

// Tasks VI and VII: a text edit and the exact text it must hold. Their results have no prompt.
struct TextItem {
    form::Named<QTextEdit> edit;
    const char *key;
    form::Named<QLabel> result;
};

inline const Prompt *promptOf(const ChoiceItem &item) { return &item.prompt; }
inline const Prompt *promptOf(const ComboItem &item) { return &item.prompt; }
inline const Prompt *promptOf(const TextItem &) { return nullptr; }

// Each prompt is its sentence's stem after a space, but 3 has two spaces before the dots, 4 three
// dots for the page's ellipsis and 5 no trailing blank: so they are written out, not copied.
inline constexpr ChoiceItem kTaskI[] = {
    {{NAMED(rb1_1), NAMED(rb1_2), NAMED(rb1_3)}, 1,
     {NAMED(exl1_2_1), " 1. ENSP est le lieu de la formation ..."}, NAMED(res)},
    {{NAMED(rb2_1), NAMED(rb2_2), NAMED(rb2_3)}, 2,
     {NAMED(exl1_2_2), " 2. ENSP est située ..."}, NAMED(res_2)},
    {{NAMED(rb3_1), NAMED(rb3_2), NAMED(rb3_3)}, 0,
     {NAMED(exl1_2_3), " 3. ENSP dépend  ..."}, NAMED(res_3)},
    {{NAMED(rb4_1), NAMED(rb4_2), NAMED(rb4_3)}, 2,
     {NAMED(exl1_2_4), " 4. ENSP assure une formation ..."}, NAMED(res_4)},
    {{NAMED(rb5_1), NAMED(rb5_2), NAMED(rb5_3)}, 1,
     {NAMED(exl1_2_5), " 5. ENSP organise régulièrement des stages obligatoires ou facultatifs ..."}, NAMED(res_5)},
};

inline constexpr ComboItem kTaskII[] = {
    {NAMED(comboBox_1), 6, {NAMED(exv2_1), "1. On dit que vous êtes étudiant."}, NAMED(res_6)},
    {NAMED(comboBox_2), 3, {NAMED(exv2_2), sentence::kQuestion2}, NAMED(res_7)},
    {NAMED(comboBox_3), 1, {NAMED(exv2_3), sentence::kQuestion3}, NAMED(res_8)},
    {NAMED(comboBox_4), 4, {NAMED(exv2_4), "4. Qu’est-ce que vous apprenez à la faculté?"}, NAMED(res_9)},
    {NAMED(comboBox_5), 0, {NAMED(exv2_5), "5. Est-ce que vous étudiez l’anglais?"}, NAMED(res_10)},
    {NAMED(comboBox_6), 2, {NAMED(exv2_6), sentence::kQuestion6}, NAMED(res_11)},
    {NAMED(comboBox_7), 5, {NAMED(exv2_7), sentence::kQuestion7}, NAMED(res_12)},
};

inline constexpr ComboItem kTaskIII[] = {
    {NAMED(v3_1), 1, {NAMED(exv3_1), nullptr, NAMED(label_3_1)}, NAMED(res_13)},
    {NAMED(v3_2), 3, {NAMED(exv3_2), nullptr, NAMED(label_3_2)}, NAMED(res_14)},
    {NAMED(v3_3), 4, {NAMED(exv3_3), nullptr, NAMED(label_3_3)}, NAMED(res_15)},
    {NAMED(v3_4), 0, {NAMED(exv3_4), nullptr, NAMED(label_3_4)}, NAMED(res_16)},
    {NAMED(v3_5), 2, {NAMED(exv3_5), nullptr, NAMED(label_3_5)}, NAMED(res_17)},
};

inline constexpr ComboItem kTaskIV[] = {
    {NAMED(v4_1), 4, {NAMED(exv4_1), nullptr, NAMED(label_4_1)}, NAMED(res_18)},
    {NAMED(v4_2), 5, {NAMED(exv4_2), nullptr, NAMED(label_4_2)}, NAMED(res_19)},
    {NAMED(v4_3), 3, {NAMED(exv4_3), nullptr, NAMED(label_4_3)}, NAMED(res_20)},
    {NAMED(v4_4), 6, {NAMED(exv4_4), nullptr, NAMED(label_4_4)}, NAMED(res_21)},
    {NAMED(v4_5), 0, {NAMED(exv4_5), nullptr, NAMED(label_4_5)}, NAMED(res_22)},
    {NAMED(v4_6), 1, {NAMED(exv4_6), nullptr, NAMED(label_4_6)}, NAMED(res_23)},
    {NAMED(v4_7), 2, {NAMED(exv4_7), nullptr, NAMED(label_4_7)}, NAMED(res_24)},
};

// The letters skip g and j, so "h) 551" stands at index 6.
inline constexpr ComboItem kTaskV[] = {
    {NAMED(v5_1), 5, {NAMED(exv5_1), nullptr, NAMED(label_5_1)}, NAMED(res_25)},
    {NAMED(v5_2), 8, {NAMED(exv5_2), nullptr, NAMED(label_5_2)}, NAMED(res_26)},
    {NAMED(v5_3), 7, {NAMED(exv5_3), nullptr, NAMED(label_5_3)}, NAMED(res_27)},
    {NAMED(v5_4), 2, {NAMED(exv5_4), nullptr, NAMED(label_5_4)}, NAMED(res_28)},
    {NAMED(v5_5), 9, {NAMED(exv5_5), nullptr, NAMED(label_5_5)}, NAMED(res_29)},
    {NAMED(v5_6), 0, {NAMED(exv5_6), nullptr, NAMED(label_5_6)}, NAMED(res_30)},
    {NAMED(v5_7), 3, {NAMED(exv5_7), nullptr, NAMED(label_5_7)}, NAMED(res_31)},
    {NAMED(v5_8), 6, {NAMED(exv5_8), nullptr, NAMED(label_5_8)}, NAMED(res_32)},
    {NAMED(v5_9), 1, {NAMED(exv5_9), nullptr, NAMED(label_5_9)}, NAMED(res_33)},
    {NAMED(v5_10), 4, {NAMED(exv5_10), nullptr, NAMED(label_5_10)}, NAMED(res_34)},
};

inline constexpr TextItem kTaskVI[] = {
    {NAMED(textEdit1), "sommes", NAMED(res_35)},
    {NAMED(textEdit_2), "sais", NAMED(res_36)},
    {NAMED(textEdit_3), "dit", NAMED(res_37)},
    {NAMED(textEdit_4), "attends", NAMED(res_38)},
    {NAMED(textEdit_5), "partez", NAMED(res_39)},
    {NAMED(textEdit_6), "remplissent", NAMED(res_40)},
    {NAMED(textEdit_7), "comprenons", NAMED(res_41)},
    {NAMED(textEdit_8), "nous adressons", NAMED(res_42)},
    {NAMED(textEdit_9), "fait", NAMED(res_43)},
    {NAMED(textEdit_10), "dois", NAMED(res_44)},
};

inline constexpr TextItem kTaskVII[] = {
    {NAMED(textEdit_11), "elle me le donne", NAMED(res_45)},
    {NAMED(textEdit_12), "il veut me le donner", NAMED(res_46)},
    {NAMED(textEdit_13), "donne-le-moi", NAMED(res_47)},
    {NAMED(textEdit_14), "il ne me le donne pas", NAMED(res_48)},
    {NAMED(textEdit_15), "donnez-le-lui", NAMED(res_49)},
    {NAMED(textEdit_16), "je le lui donne", NAMED(res_50)},
};

static_assert(std::size(kTaskI) + std::size(kTaskII) + std::size(kTaskIII) + std::size(kTaskIV)
                      + std::size(kTaskV) + std::size(kTaskVI) + std::size(kTaskVII)
                  == 50,
              "the test has fifty items");

inline constexpr int kPointsPerItem = 2;

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

} // namespace answer

#endif
