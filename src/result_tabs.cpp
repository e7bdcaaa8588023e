// The finish slot's second half: every result tab shows the student's answers, green when the
// key table says right and red otherwise, so the green labels always number correctCount.

#include "scoring.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QTextEdit>

#include <iterator>

namespace answer {

namespace {

using Label = QLabel *MainWindowUi::*;

const char kNoAnswer[] = "Відповіді нема";

// Task III writes each item's text before its style, the other tasks the other way round.
enum class WriteOrder { StyleFirst, TextFirst };

void writeResult(QLabel *result, const char *style, const QString &text, WriteOrder order)
{
    if (order == WriteOrder::TextFirst)
        result->setText(text);
    result->setStyleSheet(QString::fromLatin1(style));
    if (order == WriteOrder::StyleFirst)
        result->setText(text);
}

const char *resultStyle(bool right)
{
    return right ? rightResultStyle : wrongResultStyle;
}

template <size_t N>
void setFixedTexts(MainWindowUi &ui, const Label (&labels)[N], const char *const (&texts)[N])
{
    for (size_t i = 0; i < N; ++i)
        (ui.*labels[i])->setText(QString::fromUtf8(texts[i]));
}

// The prompts repeat the exercise page's own labels, markup and all.
template <size_t N>
void copyTexts(MainWindowUi &ui, const Label (&to)[N], const Label (&from)[N])
{
    for (size_t i = 0; i < N; ++i)
        (ui.*to[i])->setText((ui.*from[i])->text());
}

// ---- Task I

const Label kTaskIPrompts[] = {&U::exl1_2_1, &U::exl1_2_2, &U::exl1_2_3, &U::exl1_2_4, &U::exl1_2_5};
const char *const kTaskIPromptTexts[] = {
    " 1. ENSP est le lieu de la formation ...",
    " 2. ENSP est située ...",
    " 3. ENSP dépend  ...",
    " 4. ENSP assure une formation ...",
    " 5. ENSP organise régulièrement des stages obligatoires ou facultatifs ...",
};
const Label kTaskIResults[] = {&U::res, &U::res_2, &U::res_3, &U::res_4, &U::res_5};

void fillTaskI(MainWindowUi &ui)
{
    ui.exl1_2->setText(QStringLiteral("I. Complétez les phrases en vous servant du texte:"));
    setFixedTexts(ui, kTaskIPrompts, kTaskIPromptTexts);
    for (size_t k = 0; k < std::size(kTaskI); ++k) {
        const ChoiceItem &item = kTaskI[k];
        QLabel *result = ui.*kTaskIResults[k];
        bool answered = false;
        for (QRadioButton *MainWindowUi::*member : item.buttons) {
            const QRadioButton *button = ui.*member;
            if (!button->isChecked())
                continue;
            answered = true;
            writeResult(result, resultStyle(isRight(ui, item)), QLatin1Char(' ') + button->text(),
                        WriteOrder::StyleFirst);
        }
        if (!answered)
            writeResult(result, wrongResultStyle, QLatin1Char(' ') + QString::fromUtf8(kNoAnswer),
                        WriteOrder::StyleFirst);
    }
}

// ---- Tasks II to IV: the chosen letter shows the page label that carries it.

template <size_t Items, size_t Options>
void fillChoiceItems(MainWindowUi &ui, const ComboItem (&items)[Items], const Label (&results)[Items],
                     const Label (&options)[Options], WriteOrder order)
{
    for (size_t k = 0; k < Items; ++k) {
        const int index = (ui.*items[k].box)->currentIndex();
        QLabel *result = ui.*results[k];
        if (index < 0 || index >= int(Options))
            writeResult(result, wrongResultStyle, QString::fromUtf8(kNoAnswer), order);
        else
            writeResult(result, resultStyle(isRight(ui, items[k])), (ui.*options[index])->text(), order);
    }
}

const Label kTaskIIPrompts[] = {&U::exv2_1, &U::exv2_2, &U::exv2_3, &U::exv2_4,
                                &U::exv2_5, &U::exv2_6, &U::exv2_7};
const char *const kTaskIIPromptTexts[] = {
    "1. On dit que vous êtes étudiant.",
    "2. À quelle faculté?",
    "3. Pourquoi avez-vous choisi le métier du policier?",
    "4. Qu’est-ce que vous apprenez à la faculté?",
    "5. Est-ce que vous étudiez l’anglais?",
    "6. Aimez- vous cette langue?",
    "7. Quel sont vos hobbys?",
};
const Label kTaskIIResults[] = {&U::res_6, &U::res_7, &U::res_8, &U::res_9, &U::res_10, &U::res_11, &U::res_12};
const Label kTaskIIOptions[] = {&U::label_15, &U::label_16, &U::label_17, &U::label_18,
                                &U::label_19, &U::label_20, &U::label_21};

void fillTaskII(MainWindowUi &ui)
{
    ui.exv_2->setText(QStringLiteral(
        "II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:"));
    setFixedTexts(ui, kTaskIIPrompts, kTaskIIPromptTexts);
    fillChoiceItems(ui, kTaskII, kTaskIIResults, kTaskIIOptions, WriteOrder::StyleFirst);
}

const Label kTaskIIIPrompts[] = {&U::exv3_1, &U::exv3_2, &U::exv3_3, &U::exv3_4, &U::exv3_5};
const Label kTaskIIIPageLabels[] = {&U::label_3_1, &U::label_3_2, &U::label_3_3, &U::label_3_4, &U::label_3_5};
const Label kTaskIIIResults[] = {&U::res_13, &U::res_14, &U::res_15, &U::res_16, &U::res_17};
const Label kTaskIIIOptions[] = {&U::var3_1, &U::var3_2, &U::var3_3, &U::var3_4, &U::var3_5};

void fillTaskIII(MainWindowUi &ui)
{
    ui.ex3->setText(QStringLiteral(
        "III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"));
    copyTexts(ui, kTaskIIIPrompts, kTaskIIIPageLabels);
    fillChoiceItems(ui, kTaskIII, kTaskIIIResults, kTaskIIIOptions, WriteOrder::TextFirst);
}

const Label kTaskIVPrompts[] = {&U::exv4_1, &U::exv4_2, &U::exv4_3, &U::exv4_4,
                                &U::exv4_5, &U::exv4_6, &U::exv4_7};
const Label kTaskIVPageLabels[] = {&U::label_4_1, &U::label_4_2, &U::label_4_3, &U::label_4_4,
                                   &U::label_4_5, &U::label_4_6, &U::label_4_7};
const Label kTaskIVResults[] = {&U::res_18, &U::res_19, &U::res_20, &U::res_21, &U::res_22, &U::res_23, &U::res_24};
const Label kTaskIVOptions[] = {&U::var_4_1, &U::var_4_2, &U::var_4_3, &U::var_4_4,
                                &U::var_4_5, &U::var_4_6, &U::var_4_7};

void fillTaskIV(MainWindowUi &ui)
{
    ui.exv_4->setText(QStringLiteral(
        "IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:"));
    copyTexts(ui, kTaskIVPrompts, kTaskIVPageLabels);
    fillChoiceItems(ui, kTaskIV, kTaskIVResults, kTaskIVOptions, WriteOrder::StyleFirst);
}

// ---- Task V: the answer is the box's own item text.

const Label kTaskVPrompts[] = {&U::exv5_1, &U::exv5_2, &U::exv5_3, &U::exv5_4, &U::exv5_5,
                               &U::exv5_6, &U::exv5_7, &U::exv5_8, &U::exv5_9, &U::exv5_10};
const Label kTaskVPageLabels[] = {&U::label_5_1, &U::label_5_2, &U::label_5_3, &U::label_5_4, &U::label_5_5,
                                  &U::label_5_6, &U::label_5_7, &U::label_5_8, &U::label_5_9, &U::label_5_10};
const Label kTaskVResults[] = {&U::res_25, &U::res_26, &U::res_27, &U::res_28, &U::res_29,
                               &U::res_30, &U::res_31, &U::res_32, &U::res_33, &U::res_34};

void fillTaskV(MainWindowUi &ui)
{
    ui.exv_5->setText(QStringLiteral("V. Faites correspondre les nombres suivants:"));
    copyTexts(ui, kTaskVPrompts, kTaskVPageLabels);
    for (size_t k = 0; k < std::size(kTaskV); ++k) {
        const QComboBox *box = ui.*kTaskV[k].box;
        QLabel *result = ui.*kTaskVResults[k];
        result->setText(box->currentText());
        result->setStyleSheet(QString::fromLatin1(wrongResultStyleV));
        if (box->currentIndex() == -1)
            result->setText(QString::fromUtf8(kNoAnswer));
        if (isRight(ui, kTaskV[k]))
            result->setStyleSheet(QString::fromLatin1(rightResultStyle));
    }
}

// ---- Tasks VI and VII: "N. " and the typed text.

template <size_t N>
void fillTypedItems(MainWindowUi &ui, const TextItem (&items)[N], const Label (&results)[N])
{
    for (size_t k = 0; k < N; ++k) {
        const QString number = QString::number(k + 1) + QStringLiteral(". ");
        const QString typed = (ui.*items[k].edit)->toPlainText();
        QLabel *result = ui.*results[k];
        result->setText(number + typed);
        result->setStyleSheet(QString::fromLatin1(wrongResultStyle));
        if (isRight(ui, items[k]))
            result->setStyleSheet(QString::fromLatin1(rightResultStyle));
        if (typed.isEmpty())
            result->setText(number + QString::fromUtf8(kNoAnswer));
    }
}

const Label kTaskVIResults[] = {&U::res_35, &U::res_36, &U::res_37, &U::res_38, &U::res_39,
                                &U::res_40, &U::res_41, &U::res_42, &U::res_43, &U::res_44};
const Label kTaskVIIResults[] = {&U::res_45, &U::res_46, &U::res_47, &U::res_48, &U::res_49, &U::res_50};

void fillTaskVI(MainWindowUi &ui)
{
    ui.exg_6->setText(QStringLiteral("VI. Mettez au présent les verbes entre parenthèses:"));
    fillTypedItems(ui, kTaskVI, kTaskVIResults);
}

void fillTaskVII(MainWindowUi &ui)
{
    ui.exg_7->setText(QStringLiteral("VII. Recomposez les phrases en rétablissant les “-”:"));
    fillTypedItems(ui, kTaskVII, kTaskVIIResults);
}

} // namespace

void fillResultTabs(MainWindowUi &ui)
{
    fillTaskI(ui);
    fillTaskII(ui);
    fillTaskIII(ui);
    fillTaskIV(ui);
    fillTaskV(ui);
    fillTaskVI(ui);
    fillTaskVII(ui);
}

} // namespace answer
