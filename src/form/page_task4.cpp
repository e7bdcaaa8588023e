#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask4Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire4 = makePage("stacked_vocabulaire4");
    return ui.stacked_vocabulaire4;
}

void assignTask4Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
