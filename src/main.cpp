#include "high_dpi.h"
#include "look.h"
#include "window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler defaultHandler = nullptr;

// Without a usable display the toolkit aborts with a terse platform-plugin message;
// say instead what is missing and how to run without a desktop.
void explainMissingDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        defaultHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (message.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr,
                     "\nfrench-test needs a graphical display and could not open one.\n"
                     "Start it from a desktop session, or without one run it under a virtual display:\n"
                     "    xvfb-run -a french-test\n");
    }
    std::exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    useHighDpiScaling();
    keepDesktopSettingsOut();
    defaultHandler = qInstallMessageHandler(explainMissingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    useDesignLook();

    MainWindow window;
    window.show();
    return app.exec();
}
