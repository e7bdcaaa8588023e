// The bare program the start-up figures are set against: the same application set-up as the
// real entry, then the baseline window instead of MainWindow.

#include "baseline_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 6, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
    QApplication app(argc, argv);
    QMainWindow window;
    bench::buildBaselineWindow(window);
    window.show();
    return app.exec();
}
