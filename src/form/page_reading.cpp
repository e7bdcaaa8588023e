#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QLabel>
#include <QRect>
#include <QWidget>

namespace form {

namespace {

QString alignedParagraph(const char *align, const char *style, const char *text)
{
    return QStringLiteral("<p align=\"%1\"><span style=\" %2\">%3</span></p>")
        .arg(QLatin1String(align), QLatin1String(style), QString::fromUtf8(text));
}

// The passage the task I questions are answered from; each body paragraph carries the facts of
// one or two items, so a change here must keep every keyed ending stated and no distractor.
// The label neither scrolls nor grows: the whole text must stay within 731 x 341.
QString passageHtml()
{
    const char body[] = "font-size:12pt;";
    return richText(
        alignedParagraph("center", "font-size:14pt; font-weight:600;", "L'École nationale supérieure de la police ")
        + alignedParagraph(
            "justify", body,
            "L'ENSP forme les commissaires et officiers de police français sur deux sites\u00a0: "
            "Saint-Cyr-au-Mont-d'Or, à quelques kilomètres de Lyon, et Cannes-Ecluse (Seine-et-Marne).")
        + alignedParagraph(
            "justify", body,
            "Établissement public à caractère administratif dépendant directement de la direction générale de "
            "la Police nationale, elle assure la formation initiale et continue des cadres de la police "
            "française et des cadres supérieurs de police des pays partenaires.")
        + alignedParagraph(
            "justify", body,
            "Elle offre aussi une formation professionnelle de troisième cycle universitaire en sécurité "
            "intérieure, le master «\u00a0droit de la sécurité intérieure\u00a0», à des étudiants et à des "
            "professionnels qui n'appartiennent pas à la fonction publique d'État.")
        + alignedParagraph(
            "justify", body,
            "Dans le cadre de la formation continue, désormais appelée «\u00a0formation tout au long de la "
            "vie\u00a0», l'ENSP reçoit régulièrement en stages obligatoires ou facultatifs les commissaires de "
            "police en activité, de ceux du premier «\u00a0retour de promotion\u00a0», deux ans après leur "
            "sortie de l'École, aux commissaires divisionnaires occupant de hauts postes (contrôleurs ou "
            "inspecteurs généraux de la Police nationale)."));
}

} // namespace

QWidget *buildReadingPage(MainWindowUi &ui)
{
    QWidget *page = makePage(ui, NAMED(stacked_lecture1_1), "LECTURE");
    QWidget *panel = makePanel(ui, NAMED(lecture1_1), page, 770);
    // Reaches past the panel's right edge; the panel clips it.
    makeInstructionLine(ui, NAMED(label_2), panel, QRect(20, 10, 771, 16), true);

    QLabel *passage = make(ui, NAMED(label_5), panel);
    passage->setGeometry(QRect(20, 40, 731, 341));
    passage->setStyleSheet(QString::fromLatin1(kTransparentStyle));
    passage->setFrameShape(QFrame::NoFrame);
    passage->setWordWrap(true);
    return page;
}

void assignReadingTexts(MainWindowUi &ui)
{
    ui.label_2->setText(translated(instructionHtml(QStringLiteral("I. Lisez le texte:"))));
    ui.label_5->setText(translated(passageHtml()));
}

} // namespace form
