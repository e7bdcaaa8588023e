#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask7Page(MainWindowUi &ui)
{
    ui.stacked_grammaire7 = makePage("stacked_grammaire7");
    return ui.stacked_grammaire7;
}

void assignTask7Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
