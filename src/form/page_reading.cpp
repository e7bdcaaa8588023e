#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildReadingPage(MainWindowUi &ui)
{
    ui.stacked_lecture1_1 = makePage("stacked_lecture1_1");
    return ui.stacked_lecture1_1;
}

void assignReadingTexts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
