#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"

#include <QWidget>

namespace form {

QWidget *buildResultPage(MainWindowUi &ui)
{
    ui.result = makePage("result");
    return ui.result;
}

void assignResultTexts(MainWindowUi &ui)
{
    (void)ui;
}

} // namespace form
