#include "answer_key.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QVBoxLayout>
#include <QWidget>

namespace form {

namespace {

struct ItemBox {
    int item; // 1 to 5: its grid row is item - 1, and its sentence answer::kTaskI[item - 1]
    Named<QGroupBox> box;
    Named<QWidget> inner; // the inner widget's and layout's names do not follow the items
    Named<QVBoxLayout> layout;
};

// In creation order, which is also the keyboard focus order.
const ItemBox kItemBoxes[] = {
    {5, NAMED(groupBox_5), NAMED(verticalLayoutWidget_8), NAMED(verticalLayout_8)},
    {2, NAMED(groupBox_2), NAMED(verticalLayoutWidget_6), NAMED(verticalLayout_6)},
    {4, NAMED(groupBox_4), NAMED(verticalLayoutWidget_4), NAMED(verticalLayout_4)},
    {1, NAMED(groupBox_1), NAMED(verticalLayoutWidget_5), NAMED(verticalLayout_5)},
    {3, NAMED(groupBox_3), NAMED(verticalLayoutWidget_7), NAMED(verticalLayout_7)},
};

const answer::ChoiceItem &sentenceOf(const ItemBox &item)
{
    return answer::kTaskI[item.item - 1];
}

QGroupBox *makeItemBox(MainWindowUi &ui, const Named<QGroupBox> &named, QWidget *parent, bool explicitStyle)
{
    QGroupBox *box = make(ui, named, parent);
    QFont font = trebuchetFont(10);
    if (explicitStyle) {
        font.setBold(false);
        font.setItalic(false);
    }
    box->setFont(font);
    box->setStyleSheet(QString::fromLatin1(kTransparentStyle));
    box->setFlat(true);
    box->setCheckable(false);
    return box;
}

} // namespace

QWidget *buildTask1Page(MainWindowUi &ui)
{
    QWidget *page = makePage(ui, NAMED(stacked_lecture1_2), "LECTURE, I");
    QWidget *panel = makePanel(ui, NAMED(lecture1_2), page, 770);
    makeInstructionLine(ui, NAMED(label_6), panel, QRect(20, 10, 731, 21), true);

    QWidget *gridWidget = make(ui, NAMED(gridLayoutWidget_2), panel);
    gridWidget->setGeometry(QRect(20, 40, 741, 421));
    QGridLayout *grid = makeFlushLayout(ui, NAMED(gridLayout_2), gridWidget, 6);

    for (const ItemBox &item : kItemBoxes) {
        // Item 2's buttons stand closer together than the others'.
        const bool tight = item.item == 2;
        QGroupBox *box = makeItemBox(ui, item.box, gridWidget, item.item == 1);

        QWidget *inner = make(ui, item.inner, box);
        inner->setGeometry(QRect(10, 20, 721, tight ? 51 : 53));
        QVBoxLayout *layout = makeFlushLayout(ui, item.layout, inner, tight ? 0 : 6);

        for (const answer::Ending &ending : sentenceOf(item).endings) {
            QRadioButton *button = make(ui, ending.button, inner);
            button->setChecked(false);
            layout->addWidget(button);
        }

        grid->addWidget(box, item.item - 1, 0, 1, 1);
    }
    return page;
}

void assignTask1Texts(MainWindowUi &ui)
{
    ui.label_6->setText(translated(instructionHtml(QStringLiteral("Complétez les phrases en vous servant du texte:"))));
    for (const ItemBox &item : kItemBoxes) {
        const answer::ChoiceItem &sentence = sentenceOf(item);
        (ui.*item.box.member)->setTitle(translated(sentence.stem));
        for (const answer::Ending &ending : sentence.endings)
            (ui.*ending.button.member)->setText(translated(ending.text));
    }
}

} // namespace form
