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

using U = MainWindowUi;
using Label = QLabel *U::*;

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

// Fixed texts, or the exercise page's own labels, markup and all.
template <class Item, size_t N>
void writePrompts(MainWindowUi &ui, const Item (&items)[N])
{
    for (const Item &item : items) {
        const Prompt &prompt = item.prompt;
        (ui.*prompt.label.member)
            ->setText(prompt.text ? QString::fromUtf8(prompt.text) : (ui.*prompt.copiedFrom.member)->text());
    }
}

// ---- Task I

void fillTaskI(MainWindowUi &ui)
{
    ui.exl1_2->setText(QStringLiteral("I. Complétez les phrases en vous servant du texte:"));
    writePrompts(ui, kTaskI);
    for (const ChoiceItem &item : kTaskI) {
        QLabel *result = ui.*item.result.member;
        bool answered = false;
        for (const form::Named<QRadioButton> &named : item.buttons) {
            const QRadioButton *button = ui.*named.member;
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
void fillChoiceItems(MainWindowUi &ui, const ComboItem (&items)[Items], const Label (&options)[Options],
                     WriteOrder order)
{
    for (const ComboItem &item : items) {
        const int index = (ui.*item.box.member)->currentIndex();
        QLabel *result = ui.*item.result.member;
        if (index < 0 || index >= int(Options))
            writeResult(result, wrongResultStyle, QString::fromUtf8(kNoAnswer), order);
        else
            writeResult(result, resultStyle(isRight(ui, item)), (ui.*options[index])->text(), order);
    }
}

const Label kTaskIIOptions[] = {&U::label_15, &U::label_16, &U::label_17, &U::label_18,
                                &U::label_19, &U::label_20, &U::label_21};

void fillTaskII(MainWindowUi &ui)
{
    ui.exv_2->setText(QStringLiteral(
        "II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:"));
    writePrompts(ui, kTaskII);
    fillChoiceItems(ui, kTaskII, kTaskIIOptions, WriteOrder::StyleFirst);
}

const Label kTaskIIIOptions[] = {&U::var3_1, &U::var3_2, &U::var3_3, &U::var3_4, &U::var3_5};

void fillTaskIII(MainWindowUi &ui)
{
    ui.ex3->setText(QStringLiteral(
        "III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"));
    writePrompts(ui, kTaskIII);
    fillChoiceItems(ui, kTaskIII, kTaskIIIOptions, WriteOrder::TextFirst);
}

const Label kTaskIVOptions[] = {&U::var_4_1, &U::var_4_2, &U::var_4_3, &U::var_4_4,
                                &U::var_4_5, &U::var_4_6, &U::var_4_7};

void fillTaskIV(MainWindowUi &ui)
{
    ui.exv_4->setText(QStringLiteral(
        "IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:"));
    writePrompts(ui, kTaskIV);
    fillChoiceItems(ui, kTaskIV, kTaskIVOptions, WriteOrder::StyleFirst);
}

// ---- Task V: the answer is the box's own item text.

void fillTaskV(MainWindowUi &ui)
{
    ui.exv_5->setText(QStringLiteral("V. Faites correspondre les nombres suivants:"));
    writePrompts(ui, kTaskV);
    for (const ComboItem &item : kTaskV) {
        const QComboBox *box = ui.*item.box.member;
        QLabel *result = ui.*item.result.member;
        result->setText(box->currentText());
        result->setStyleSheet(QString::fromLatin1(wrongResultStyleV));
        if (box->currentIndex() == -1)
            result->setText(QString::fromUtf8(kNoAnswer));
        if (isRight(ui, item))
            result->setStyleSheet(QString::fromLatin1(rightResultStyle));
    }
}

// ---- Tasks VI and VII: "N. " and the typed text.

template <size_t N>
void fillTypedItems(MainWindowUi &ui, const TextItem (&items)[N])
{
    for (size_t k = 0; k < N; ++k) {
        const QString number = QString::number(k + 1) + QStringLiteral(". ");
        const QString typed = (ui.*items[k].edit.member)->toPlainText();
        QLabel *result = ui.*items[k].result.member;
        result->setText(number + typed);
        result->setStyleSheet(QString::fromLatin1(wrongResultStyle));
        if (isRight(ui, items[k]))
            result->setStyleSheet(QString::fromLatin1(rightResultStyle));
        if (typed.isEmpty())
            result->setText(number + QString::fromUtf8(kNoAnswer));
    }
}

void fillTaskVI(MainWindowUi &ui)
{
    ui.exg_6->setText(QStringLiteral("VI. Mettez au présent les verbes entre parenthèses:"));
    fillTypedItems(ui, kTaskVI);
}

void fillTaskVII(MainWindowUi &ui)
{
    ui.exg_7->setText(QStringLiteral("VII. Recomposez les phrases en rétablissant les “-”:"));
    fillTypedItems(ui, kTaskVII);
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
