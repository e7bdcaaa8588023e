// The bare program the start-up figures are set against: the same application set-up as the
// real entry, then the baseline window instead of MainWindow.

#include "baseline_window.h"
#include "high_dpi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    useHighDpiScaling();
    QApplication app(argc, argv);
    QMainWindow window;
    bench::buildBaselineWindow(window);
    window.show();
    return app.exec();
}
