#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask1Page(MainWindowUi &ui)
{
    ui.stacked_lecture1_2 = makePage("stacked_lecture1_2");
    return ui.stacked_lecture1_2;
}

void assignTask1Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
