#ifndef FRENCH_TEST_ANSWER_KEY_H
#define FRENCH_TEST_ANSWER_KEY_H

// The fifty items, one row each: the answer widget and its key, what the item's page shows with
// it (task I's sentence and endings, the item label and words of tasks II to V, task VI's
// sentence around the gap with each part's place, task VII's word list) and the item's lines on
// the result page; and the options tasks II to IV letter. The pages make these widgets from the
// rows, and live marking, counting, the result page, the result tabs and the points header read
// them: outside the form's pointer table, the program names them here alone.
//
// A row's place in its table is its item's number. It decides the item's group box on task I
// and grid row on tasks II to V, the order pages VI and VII make their widgets in (and so the
// focus order there), and the order and numbers on the result tabs.

#include "form.h"
#include "form/named.h"

#include <QRect>

#include <iterator>

namespace answer {

// An item's line above its result on the result page: a fixed text, or on tasks III to V a
// copy of the exercise page's own item label, markup and all.
struct Prompt {
    form::Named<QLabel> label;
    const char *text = nullptr; // task II: only where it is not the question's words
};

// Task I: an ending of a sentence, its radio button and its text.
struct Ending {
    form::Named<QRadioButton> button;
    const char *text;
};

// Task I: a sentence's stem, its group box's title, the three endings a), b), c) and the index
// of the keyed one.
struct ChoiceItem {
    const char *stem;
    Ending endings[3];
    int keyed;
    Prompt prompt;
    form::Named<QLabel> result;
};

// Tasks II to V: the page's item label with its words as stored, the drop-down list beside
// it and the index that must be current.
struct ComboItem {
    form::Named<QLabel> label;
    const char *words;
    form::Named<QComboBox> box;
    int key;
    Prompt prompt;
    form::Named<QLabel> result;
};

// An option of tasks II to IV, in letter order from a): the page label that shows it after
// its letter, and what the result tab copies when its letter is chosen.
struct Option {
    form::Named<QLabel> label;
    const char *text;
};

// Tasks VI and VII: a text edit and the exact text it must hold. Their results have no prompt.
struct TextItem {
    form::Named<QTextEdit> edit;
    const char *key;
    form::Named<QLabel> result;
};

// A label at a fixed place on its page, and its words.
struct PlacedWords {
    form::Named<QLabel> label;
    QRect geometry;
    const char *words;
};

// Task VI: a sentence with a gap for the verb, each part at its place: the words before the
// gap with the verb's infinitive, the edit in the gap, the words after it.
struct GapItem : TextItem {
    PlacedWords before;
    const char *infinitive;
    QRect editGeometry;
    PlacedWords after;
};

// Task VII: a jumbled word list, and the edit beside it for the sentence it makes.
struct WordListItem : TextItem {
    form::Named<QLabel> label;
    const char *words;
};

inline const Prompt *promptOf(const ChoiceItem &item) { return &item.prompt; }
inline const Prompt *promptOf(const ComboItem &item) { return &item.prompt; }
inline const Prompt *promptOf(const TextItem &) { return nullptr; }

// The spacing, the apostrophes and the one ellipsis character are the test's own; the result
// page shows the chosen ending as it stands. Each prompt is written out rather than made from
// its stem: all lead with a space, and three differ further.
inline constexpr ChoiceItem kTaskI[] = {
    {"1. ENSP est le lieu de la formation ...",
     {{NAMED(rb1_1), "a) des cadres de la police française; "},
      {NAMED(rb1_2), "b) des cadres de police française et des cadres supérieurs de police de pays partenaires; "},
      {NAMED(rb1_3), "c) des cadres supérieurs de police de pays partenaires."}},
     1, {NAMED(exl1_2_1), " 1. ENSP est le lieu de la formation ..."}, // the leading space only
     NAMED(res)},
    {"2. ENSP est située ...",
     {{NAMED(rb2_1), "a) à Saint-Cyr-au-Mont-d'Or;"},
      {NAMED(rb2_2), "b) à Cannes-Ecluse;"},
      {NAMED(rb2_3), "c) à Cannes-Ecluse et à Saint-Cyr-au-Mont-d'Or. "}},
     2, {NAMED(exl1_2_2), " 2. ENSP est située ..."}, // the leading space only
     NAMED(res_2)},
    {"3. ENSP dépend ...",
     {{NAMED(rb3_1), "a) de la direction générale de  la Police nationale;"},
      {NAMED(rb3_2), "b) du Ministère de l’Intérieur;"},
      {NAMED(rb3_3), "c) des maires."}},
     0, {NAMED(exl1_2_3), " 3. ENSP dépend  ..."}, // and two spaces before the dots
     NAMED(res_3)},
    {"4. ENSP assure une formation …",
     {{NAMED(rb4_1), "a) à des professionnels qui n’appartiennent pas à la fonction publique d'État;"},
      {NAMED(rb4_2), "b) à des étudiants et à des professionnels qui appartiennent "
                     "à la fonction publique d'État;"},
      {NAMED(rb4_3), "c) à des étudiants et à des professionnels qui n’appartiennent pas "
                     "à la fonction publique d'État."}},
     2, {NAMED(exl1_2_4), " 4. ENSP assure une formation ..."}, // and three dots for the stem's ellipsis
     NAMED(res_4)},
    {"5. ENSP organise régulièrement des stages obligatoires ou facultatifs ... ",
     {{NAMED(rb5_1), "a) pour les commissaires de police;"},
      {NAMED(rb5_2), "b) pour les commissaires de police en activité;"},
      {NAMED(rb5_3), "c) pour  les officiers et les commissares de police."}},
     1, {NAMED(exl1_2_5), " 5. ENSP organise régulièrement des stages obligatoires ou facultatifs ..."},
     NAMED(res_5)}, // and no trailing blank
};

// The questions in row order; the answers a) to g) follow below.
inline constexpr ComboItem kTaskII[] = {
    {NAMED(label_10), "1. On dit que vous êtes étudiant. ", NAMED(comboBox_1), 6,
     {NAMED(exv2_1), "1. On dit que vous êtes étudiant."}, NAMED(res_6)}, // the prompt lacks the trailing blank
    {NAMED(label_9), "2. À quelle faculté?", NAMED(comboBox_2), 3, {NAMED(exv2_2)}, NAMED(res_7)},
    {NAMED(label_8), "3. Pourquoi avez-vous choisi le métier du policier?", NAMED(comboBox_3), 1,
     {NAMED(exv2_3)}, NAMED(res_8)},
    {NAMED(label_11), "4. Qu’est-ce que vous apprenez à la faculté?   ", NAMED(comboBox_4), 4,
     {NAMED(exv2_4), "4. Qu’est-ce que vous apprenez à la faculté?"}, NAMED(res_9)}, // the prompt lacks the three blanks
    {NAMED(label_14), "5. Est-ce que vous étudiez l’anglais?   ", NAMED(comboBox_5), 0,
     {NAMED(exv2_5), "5. Est-ce que vous étudiez l’anglais?"}, NAMED(res_10)}, // the prompt lacks the three blanks
    {NAMED(label_13), "6. Aimez- vous cette langue?", NAMED(comboBox_6), 2, {NAMED(exv2_6)}, NAMED(res_11)},
    {NAMED(label_12), "7. Quel sont vos hobbys?", NAMED(comboBox_7), 5, {NAMED(exv2_7)}, NAMED(res_12)},
};

inline constexpr Option kTaskIIOptions[] = {
    {NAMED(label_15), "Mais non, j’étudie le français."},
    {NAMED(label_16), "C’est un métier que je souhaite exercer depuis tout jeune."},
    {NAMED(label_17), "C’est une belle langue, mais elle n’est pas facile. "},
    {NAMED(label_18), "À la faculté de droit. "},
    {NAMED(label_19), "Beaucoup de matières: le droit civil, le droit pénal, le droit administratif etc."},
    {NAMED(label_20), "J’aime beaucoup la musique de tous genres (pop, rock…), l’informatique, les sports extrêmes. "},
    {NAMED(label_21), "C’est vrai. Je suis en première année."},
};

// The French expressions in row order; their prompts are copies of the page's labels.
inline constexpr ComboItem kTaskIII[] = {
    {NAMED(label_3_1), "1) la recherche criminelle", NAMED(v3_1), 1, {NAMED(exv3_1)}, NAMED(res_13)},
    {NAMED(label_3_2), "2) la milice de la sécurité publique", NAMED(v3_2), 3, {NAMED(exv3_2)}, NAMED(res_14)},
    {NAMED(label_3_3), "3) la lutte contre le trafic illicite des stupéfiants", NAMED(v3_3), 4, {NAMED(exv3_3)},
     NAMED(res_15)},
    {NAMED(label_3_4), "4) la lutte contre les crimes économiques", NAMED(v3_4), 0, {NAMED(exv3_4)}, NAMED(res_16)},
    {NAMED(label_3_5), "5) la lutte contre la délinquance juvénile", NAMED(v3_5), 2, {NAMED(exv3_5)}, NAMED(res_17)},
};

inline constexpr Option kTaskIIIOptions[] = {
    {NAMED(var3_1), "боротьба з економічними злочинами"},
    {NAMED(var3_2), "карний розшук"},
    {NAMED(var3_3), "боротьба з підлітковою злочинністю"},
    {NAMED(var3_4), "міліція громадської безпеки"},
    {NAMED(var3_5), "боротьба з незаконним обігом наркотиків"},
};

// The words in row order. The trailing spaces of the first are part of its stored text, and
// its prompt copies them.
inline constexpr ComboItem kTaskIV[] = {
    {NAMED(label_4_1), "1) participer   ", NAMED(v4_1), 4, {NAMED(exv4_1)}, NAMED(res_18)},
    {NAMED(label_4_2), "2) apprendre", NAMED(v4_2), 5, {NAMED(exv4_2)}, NAMED(res_19)},
    {NAMED(label_4_3), "3) se passionner", NAMED(v4_3), 3, {NAMED(exv4_3)}, NAMED(res_20)},
    {NAMED(label_4_4), "4) nécessaire", NAMED(v4_4), 6, {NAMED(exv4_4)}, NAMED(res_21)},
    {NAMED(label_4_5), "5) se trouver", NAMED(v4_5), 0, {NAMED(exv4_5)}, NAMED(res_22)},
    {NAMED(label_4_6), "6) actuellement", NAMED(v4_6), 1, {NAMED(exv4_6)}, NAMED(res_23)},
    {NAMED(label_4_7), "7) vivre", NAMED(v4_7), 2, {NAMED(exv4_7)}, NAMED(res_24)},
};

inline constexpr Option kTaskIVOptions[] = {
    {NAMED(var_4_1), "être situé"},   {NAMED(var_4_2), "à présent"},    {NAMED(var_4_3), "habiter"},
    {NAMED(var_4_4), "avoir l’hobby"}, {NAMED(var_4_5), "prendre part"}, {NAMED(var_4_6), "étudier"},
    {NAMED(var_4_7), "utile"},
};

static_assert(std::size(kTaskIIOptions) == std::size(kTaskII) && std::size(kTaskIIIOptions) == std::size(kTaskIII)
                  && std::size(kTaskIVOptions) == std::size(kTaskIV),
              "one option per item");

// The numbers in words, in row order. The letters of the boxes' items skip g and j, so
// "h) 551" stands at index 6.
inline constexpr ComboItem kTaskV[] = {
    {NAMED(label_5_1), "1) trente-sept", NAMED(v5_1), 5, {NAMED(exv5_1)}, NAMED(res_25)},
    {NAMED(label_5_2), "2) quarante-deux", NAMED(v5_2), 8, {NAMED(exv5_2)}, NAMED(res_26)},
    {NAMED(label_5_3), "3) quatre-vingts-quatre", NAMED(v5_3), 7, {NAMED(exv5_3)}, NAMED(res_27)},
    {NAMED(label_5_4), "4) quatre-vingt-dix-huit", NAMED(v5_4), 2, {NAMED(exv5_4)}, NAMED(res_28)},
    {NAMED(label_5_5), "5) cent-quinze", NAMED(v5_5), 9, {NAMED(exv5_5)}, NAMED(res_29)},
    {NAMED(label_5_6), "6) cent-soixante-quinze", NAMED(v5_6), 0, {NAMED(exv5_6)}, NAMED(res_30)},
    {NAMED(label_5_7), "7) trois cents-seize", NAMED(v5_7), 3, {NAMED(exv5_7)}, NAMED(res_31)},
    {NAMED(label_5_8), "8) cinq cents-cinquante-un", NAMED(v5_8), 6, {NAMED(exv5_8)}, NAMED(res_32)},
    {NAMED(label_5_9), "9) mille deux cent-trente-quatre", NAMED(v5_9), 1, {NAMED(exv5_9)}, NAMED(res_33)},
    {NAMED(label_5_10), "10) deux mille-quatorze", NAMED(v5_10), 4, {NAMED(exv5_10)}, NAMED(res_34)},
};

// The sentences in item order, which is also the page's creation order and so its edits'
// focus order.
inline constexpr GapItem kTaskVI[] = {
    {{NAMED(textEdit1), "sommes", NAMED(res_35)},
     {NAMED(label_58), {10, 45, 101, 20}, "1. Nous"}, "(être)", {120, 45, 141, 25},
     {NAMED(label_59), {260, 45, 141, 20}, "toujours à l’heure."}},
    {{NAMED(textEdit_2), "sais", NAMED(res_36)},
     {NAMED(label_61), {10, 80, 121, 20}, "2. Je ne"}, "(savoir)", {130, 80, 141, 25},
     {NAMED(label_60), {280, 80, 221, 20}, "pas pourquoi elle est absente."}},
    {{NAMED(textEdit_3), "dit", NAMED(res_37)},
     {NAMED(label_64), {10, 115, 101, 20}, "3. Il lui"}, "(dire)", {120, 115, 141, 25},
     {NAMED(label_62), {260, 115, 141, 20}, "son adresse."}},
    {{NAMED(textEdit_4), "attends", NAMED(res_38)},
     {NAMED(label_63), {10, 150, 211, 20}, "4. Qui est-ce que tu"}, "(attendre)", {220, 150, 141, 25},
     {NAMED(label_65), {360, 150, 141, 20}, "?"}},
    {{NAMED(textEdit_5), "partez", NAMED(res_39)},
     {NAMED(label_71), {10, 185, 121, 20}, "5. Quand"}, "(partir)", {140, 185, 141, 25},
     {NAMED(label_66), {280, 185, 141, 20}, "-vous pour la France?"}},
    {{NAMED(textEdit_6), "remplissent", NAMED(res_40)},
     {NAMED(label_70), {10, 220, 171, 20}, "6. Les étudiants"}, "(remplir)", {180, 220, 141, 25},
     {NAMED(label_72), {320, 220, 191, 20}, "la salle de conférence."}},
    {{NAMED(textEdit_7), "comprenons", NAMED(res_41)},
     {NAMED(label_75), {10, 255, 151, 20}, "7. Nous"}, "(comprendre)", {160, 255, 141, 25},
     {NAMED(label_73), {300, 255, 141, 20}, "bien cette règle."}},
    {{NAMED(textEdit_8), "nous adressons", NAMED(res_42)},
     {NAMED(label_74), {10, 290, 141, 20}, "8. Nous"}, "(s’adresser)", {150, 290, 141, 25},
     {NAMED(label_76), {290, 290, 141, 20}, "à notre professeur."}},
    {{NAMED(textEdit_9), "fait", NAMED(res_43)},
     {NAMED(label_79), {10, 325, 81, 20}, "9. Il"}, "(faire)", {100, 325, 141, 25},
     {NAMED(label_77), {250, 325, 91, 20}, "des progrès."}},
    {{NAMED(textEdit_10), "dois", NAMED(res_44)},
     {NAMED(label_78), {10, 360, 101, 20}, "10. Tu"}, "(devoir)", {120, 360, 141, 25},
     {NAMED(label_80), {260, 360, 141, 20}, "être plus attentif."}},
};

// The lists in item order, as the students know them, tabs and missing slashes included.
inline constexpr WordListItem kTaskVII[] = {
    {{NAMED(textEdit_11), "elle me le donne", NAMED(res_45)}, NAMED(label_82), "1)\telle / donne / le / me"},
    {{NAMED(textEdit_12), "il veut me le donner", NAMED(res_46)}, NAMED(label_83), "2)\til / donner/ le me"},
    {{NAMED(textEdit_13), "donne-le-moi", NAMED(res_47)}, NAMED(label_84), "3)\tmoi / le / donne"},
    {{NAMED(textEdit_14), "il ne me le donne pas", NAMED(res_48)}, NAMED(label_85),
     "4)\til / pas / ne / donne / le / me"},
    {{NAMED(textEdit_15), "donnez-le-lui", NAMED(res_49)}, NAMED(label_86), "5) lui / le / donnez"},
    {{NAMED(textEdit_16), "je le lui donne", NAMED(res_50)}, NAMED(label_87), "6)\tdonne / lui je / le"},
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
