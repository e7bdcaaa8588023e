#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask5Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire5 = makePage("stacked_vocabulaire5");
    return ui.stacked_vocabulaire5;
}

void assignTask5Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
