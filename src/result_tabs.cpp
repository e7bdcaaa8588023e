// The finish slot's second half: every result tab shows the student's answers, green when the
// item rows say right and red otherwise, so the green labels always number correctCount.

#include "result_tabs.h"

#include "form/sentences.h"
#include "scoring.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QTextEdit>

#include <iterator>

namespace answer {

namespace {

const char kNoAnswer[] = "Відповіді нема";

// What one result label shows, and in which colour.
struct Verdict {
    QString text;
    const char *style;
    bool right;
};

Verdict judged(const QString &text, bool right, const char *wrongStyle = wrongResultStyle)
{
    return {text, right ? rightResultStyle : wrongStyle, right};
}

// Task I: a space, then the checked ending.
Verdict endingVerdict(const MainWindowUi &ui, const ChoiceItem &item, int)
{
    for (const Ending &ending : item.endings) {
        const QRadioButton *button = ui.*ending.button.member;
        if (button->isChecked())
            return judged(QLatin1Char(' ') + button->text(), isRight(ui, item));
    }
    return judged(QLatin1Char(' ') + QString::fromUtf8(kNoAnswer), false);
}

// Tasks II to IV: the page label that carries the chosen letter.
template <const auto &options>
Verdict letterVerdict(const MainWindowUi &ui, const ComboItem &item, int)
{
    const int index = (ui.*item.box.member)->currentIndex();
    if (index < 0 || index >= int(std::size(options)))
        return judged(QString::fromUtf8(kNoAnswer), false);
    return judged((ui.*options[index].label.member)->text(), isRight(ui, item));
}

// Task V: the box's own item text; its red sheet is task V's own.
Verdict numberVerdict(const MainWindowUi &ui, const ComboItem &item, int)
{
    const QComboBox *box = ui.*item.box.member;
    const QString text = box->currentIndex() == -1 ? QString::fromUtf8(kNoAnswer) : box->currentText();
    return judged(text, isRight(ui, item), wrongResultStyleV);
}

// Tasks VI and VII: "N. " and the typed text. Only an empty text counts as no answer.
template <class Item>
Verdict typedVerdict(const MainWindowUi &ui, const Item &item, int number)
{
    const QString typed = (ui.*item.edit.member)->toPlainText();
    const QString answer = typed.isEmpty() ? QString::fromUtf8(kNoAnswer) : typed;
    return judged(QString::number(number) + QStringLiteral(". ") + answer, matchesKey(typed, item.key));
}

// Task I: the prompt's own text.
QString writtenPrompt(const MainWindowUi &, const ChoiceItem &item)
{
    return QString::fromUtf8(item.prompt.text);
}

// Task II: the question's words, or the prompt's own text where the two differ.
QString questionPrompt(const MainWindowUi &, const ComboItem &item)
{
    return QString::fromUtf8(item.prompt.text ? item.prompt.text : item.words);
}

// Tasks III to V: the exercise page's own item label, markup and all.
QString copiedPrompt(const MainWindowUi &ui, const ComboItem &item)
{
    return (ui.*item.label.member)->text();
}

// The heading, every prompt, then every item's result: the text, then its colour.
template <class Item, size_t N>
void fillTab(MainWindowUi &ui, QLabel *heading, const char *headingText, const Item (&items)[N],
             Verdict (*verdictOf)(const MainWindowUi &, const Item &, int),
             QString (*promptText)(const MainWindowUi &, const Item &) = nullptr)
{
    heading->setText(QString::fromUtf8(headingText));
    for (const Item &item : items) {
        if (const Prompt *prompt = promptOf(item))
            (ui.*prompt->label.member)->setText(promptText(ui, item));
    }
    for (size_t k = 0; k < N; ++k) {
        const Verdict verdict = verdictOf(ui, items[k], int(k + 1));
        QLabel *result = ui.*items[k].result.member;
        result->setText(verdict.text);
        result->setStyleSheet(QString::fromLatin1(verdict.style));
        // The colour in words, for screen readers and for those who cannot tell red from green.
        result->setAccessibleDescription(QString::fromUtf8(verdict.right ? "правильно" : "неправильно"));
    }
}

} // namespace

void fillResultTabs(MainWindowUi &ui)
{
    // Task I's page line lacks the heading's "I. ", so the two are written apart.
    fillTab(ui, ui.exl1_2, "I. Complétez les phrases en vous servant du texte:", kTaskI, endingVerdict, writtenPrompt);
    fillTab(ui, ui.exv_2, sentence::kTaskIIInstruction, kTaskII, letterVerdict<kTaskIIOptions>, questionPrompt);
    fillTab(ui, ui.ex3, sentence::kTaskIIIInstruction, kTaskIII, letterVerdict<kTaskIIIOptions>, copiedPrompt);
    fillTab(ui, ui.exv_4, sentence::kTaskIVInstruction, kTaskIV, letterVerdict<kTaskIVOptions>, copiedPrompt);
    fillTab(ui, ui.exv_5, sentence::kTaskVInstruction, kTaskV, numberVerdict, copiedPrompt);
    fillTab(ui, ui.exg_6, sentence::kTaskVIInstruction, kTaskVI, typedVerdict);
    fillTab(ui, ui.exg_7, sentence::kTaskVIIInstruction, kTaskVII, typedVerdict);
}

} // namespace answer
