#include "scoring.h"

#include <QComboBox>
#include <QRadioButton>
#include <QString>
#include <QTextEdit>

namespace answer {

bool isRight(const MainWindowUi &ui, const ChoiceItem &item)
{
    return (ui.*item.endings[item.keyed].button.member)->isChecked();
}

bool isRight(const MainWindowUi &ui, const ComboItem &item)
{
    return (ui.*item.box.member)->currentIndex() == item.key;
}

bool isRight(const MainWindowUi &ui, const TextItem &item)
{
    return matchesKey((ui.*item.edit.member)->toPlainText(), item.key);
}

bool matchesKey(const QString &text, const char *key)
{
    // Whole text, case-sensitive, nothing trimmed.
    return text == QString::fromUtf8(key);
}

void markAnswer(const MainWindowUi &ui, const TextItem &item)
{
    QTextEdit *edit = ui.*item.edit.member;
    const QString style = QString::fromLatin1(matchesKey(edit->toPlainText(), item.key) ? rightAnswerStyle
                                                                                         : wrongAnswerStyle);
    // Setting the sheet the edit already has would re-polish it and its scroll bars for nothing.
    if (edit->styleSheet() != style)
        edit->setStyleSheet(style);
}

namespace {

template <class Item, size_t N>
int countRight(const MainWindowUi &ui, const Item (&items)[N])
{
    int count = 0;
    for (const Item &item : items)
        count += isRight(ui, item);
    return count;
}

} // namespace

int countCorrectItems(const MainWindowUi &ui)
{
    return countRight(ui, kTaskI) + countRight(ui, kTaskII) + countRight(ui, kTaskIII) + countRight(ui, kTaskIV)
           + countRight(ui, kTaskV) + countRight(ui, kTaskVI) + countRight(ui, kTaskVII);
}

const char *gradeFor(int points)
{
    // The counter is never reset, so a second Finish in one process can pass 100: no grade then.
    if (points < 0 || points > 100)
        return nullptr;
    if (points >= 96)
        return "Trés bien!";
    if (points >= 75)
        return "Bien!";
    if (points >= 50)
        return "Passable!";
    return "Mal!";
}

} // namespace answer
