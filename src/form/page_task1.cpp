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
    int item; // 1 to 5: its grid row is item - 1
    Named<QGroupBox> box;
    Named<QWidget> inner; // the inner widget's and layout's names do not follow the items
    Named<QVBoxLayout> layout;
    Named<QRadioButton> buttons[3];
};

// In creation order, which is also the keyboard focus order.
const ItemBox kItemBoxes[] = {
    {5, NAMED(groupBox_5), NAMED(verticalLayoutWidget_8), NAMED(verticalLayout_8),
     {NAMED(rb5_1), NAMED(rb5_2), NAMED(rb5_3)}},
    {2, NAMED(groupBox_2), NAMED(verticalLayoutWidget_6), NAMED(verticalLayout_6),
     {NAMED(rb2_1), NAMED(rb2_2), NAMED(rb2_3)}},
    {4, NAMED(groupBox_4), NAMED(verticalLayoutWidget_4), NAMED(verticalLayout_4),
     {NAMED(rb4_1), NAMED(rb4_2), NAMED(rb4_3)}},
    {1, NAMED(groupBox_1), NAMED(verticalLayoutWidget_5), NAMED(verticalLayout_5),
     {NAMED(rb1_1), NAMED(rb1_2), NAMED(rb1_3)}},
    {3, NAMED(groupBox_3), NAMED(verticalLayoutWidget_7), NAMED(verticalLayout_7),
     {NAMED(rb3_1), NAMED(rb3_2), NAMED(rb3_3)}},
};

// Sentence stem and its endings a), b), c), per item 1 to 5. The spacing, the apostrophes and
// the one ellipsis character are the test's own and are shown on the result page as well.
const char *const kItemTexts[5][4] = {
    {"1. ENSP est le lieu de la formation ...", "a) des cadres de la police française; ",
     "b) des cadres de police française et des cadres supérieurs de police de pays partenaires; ",
     "c) des cadres supérieurs de police de pays partenaires."},
    {"2. ENSP est située ...", "a) à Saint-Cyr-au-Mont-d'Or;", "b) à Cannes-Ecluse;",
     "c) à Cannes-Ecluse et à Saint-Cyr-au-Mont-d'Or. "},
    {"3. ENSP dépend ...", "a) de la direction générale de  la Police nationale;", "b) du Ministère de l’Intérieur;",
     "c) des maires."},
    {"4. ENSP assure une formation …",
     "a) à des professionnels qui n’appartiennent pas à la fonction publique d'État;",
     "b) à des étudiants et à des professionnels qui appartiennent à la fonction publique d'État;",
     "c) à des étudiants et à des professionnels qui n’appartiennent pas à la fonction publique d'État."},
    {"5. ENSP organise régulièrement des stages obligatoires ou facultatifs ... ",
     "a) pour les commissaires de police;", "b) pour les commissaires de police en activité;",
     "c) pour  les officiers et les commissares de police."},
};

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

        for (const Named<QRadioButton> &named : item.buttons) {
            QRadioButton *button = make(ui, named, inner);
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
        const char *const *texts = kItemTexts[item.item - 1];
        (ui.*item.box.member)->setTitle(translated(texts[0]));
        for (int i = 0; i < 3; ++i)
            (ui.*item.buttons[i].member)->setText(translated(texts[i + 1]));
    }
}

} // namespace form
