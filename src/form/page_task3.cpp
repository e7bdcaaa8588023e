#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask3Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire3 = makePage("stacked_vocabulaire3");
    return ui.stacked_vocabulaire3;
}

void assignTask3Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
