#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QByteArray>
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

using U = MainWindowUi;

struct ItemBox {
    int item;        // 1 to 5: its grid row is item - 1
    int innerNumber; // the inner widget's and layout's names do not follow the items
    QGroupBox *U::*box;
    QWidget *U::*inner;
    QVBoxLayout *U::*layout;
    QRadioButton *U::*buttons[3];
};

// In creation order, which is also the keyboard focus order.
const ItemBox kItemBoxes[] = {
    {5, 8, &U::groupBox_5, &U::verticalLayoutWidget_8, &U::verticalLayout_8, {&U::rb5_1, &U::rb5_2, &U::rb5_3}},
    {2, 6, &U::groupBox_2, &U::verticalLayoutWidget_6, &U::verticalLayout_6, {&U::rb2_1, &U::rb2_2, &U::rb2_3}},
    {4, 4, &U::groupBox_4, &U::verticalLayoutWidget_4, &U::verticalLayout_4, {&U::rb4_1, &U::rb4_2, &U::rb4_3}},
    {1, 5, &U::groupBox_1, &U::verticalLayoutWidget_5, &U::verticalLayout_5, {&U::rb1_1, &U::rb1_2, &U::rb1_3}},
    {3, 7, &U::groupBox_3, &U::verticalLayoutWidget_7, &U::verticalLayout_7, {&U::rb3_1, &U::rb3_2, &U::rb3_3}},
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

QGroupBox *makeItemBox(QWidget *parent, const QByteArray &name, bool explicitStyle)
{
    QGroupBox *box = create<QGroupBox>(parent, name.constData());
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
    ui.stacked_lecture1_2 = makePage(ui, "stacked_lecture1_2");
    ui.lecture1_2 = makePanel(ui.stacked_lecture1_2, "lecture1_2", 770);
    ui.label_6 = makeInstructionLine(ui.lecture1_2, "label_6", QRect(20, 10, 731, 21), true);

    ui.gridLayoutWidget_2 = create<QWidget>(ui.lecture1_2, "gridLayoutWidget_2");
    ui.gridLayoutWidget_2->setGeometry(QRect(20, 40, 741, 421));
    ui.gridLayout_2 = makeFlushLayout<QGridLayout>(ui.gridLayoutWidget_2, "gridLayout_2", 6);

    for (const ItemBox &item : kItemBoxes) {
        // Item 2's buttons stand closer together than the others'.
        const bool tight = item.item == 2;
        QGroupBox *box = makeItemBox(ui.gridLayoutWidget_2, "groupBox_" + QByteArray::number(item.item),
                                     item.item == 1);
        ui.*item.box = box;

        const QByteArray number = QByteArray::number(item.innerNumber);
        QWidget *inner = create<QWidget>(box, ("verticalLayoutWidget_" + number).constData());
        inner->setGeometry(QRect(10, 20, 721, tight ? 51 : 53));
        ui.*item.inner = inner;
        QVBoxLayout *layout =
            makeFlushLayout<QVBoxLayout>(inner, ("verticalLayout_" + number).constData(), tight ? 0 : 6);
        ui.*item.layout = layout;

        for (int i = 0; i < 3; ++i) {
            const QByteArray name = "rb" + QByteArray::number(item.item) + '_' + QByteArray::number(i + 1);
            QRadioButton *button = create<QRadioButton>(inner, name.constData());
            button->setChecked(false);
            layout->addWidget(button);
            ui.*item.buttons[i] = button;
        }

        ui.gridLayout_2->addWidget(box, item.item - 1, 0, 1, 1);
    }
    return ui.stacked_lecture1_2;
}

void assignTask1Texts(MainWindowUi &ui)
{
    ui.label_6->setText(tr(instructionHtml(QStringLiteral("Complétez les phrases en vous servant du texte:"))));
    for (const ItemBox &item : kItemBoxes) {
        const char *const *texts = kItemTexts[item.item - 1];
        (ui.*item.box)->setTitle(tr(texts[0]));
        for (int i = 0; i < 3; ++i)
            (ui.*item.buttons[i])->setText(tr(texts[i + 1]));
    }
}

} // namespace form
