#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask2Page(MainWindowUi &ui)
{
    ui.stacked_vocabulaire2 = makePage("stacked_vocabulaire2");
    return ui.stacked_vocabulaire2;
}

void assignTask2Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
