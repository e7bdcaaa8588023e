#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildTask6Page(MainWindowUi &ui)
{
    ui.stacked_grammaire6 = makePage("stacked_grammaire6");
    return ui.stacked_grammaire6;
}

void assignTask6Texts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
