#include "high_dpi.h"
#include "look.h"
#include "window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler defaultHandler = nullptr;

// Two of the frame's style sheets write a transparent colour as rgb() with an alpha, which the
// toolkit reads as meant but reports each time it reads them.
bool isKnownStyleSheetNotice(const QString &message)
{
    static const QLatin1String notices[] = {
        QLatin1String("QCssParser::parseColorValue: Specified color without alpha value but alpha given: "
                      "'rgb 255, 255, 255, 0'"),
        QLatin1String("QCssParser::parseColorValue: Specified color without alpha value but alpha given: "
                      "'rgb 255, 255, 255, 0.0'"),
    };
    for (const QLatin1String &notice : notices) {
        if (message == notice)
            return true;
    }
    return false;
}

// Without a usable display the toolkit aborts with a terse platform-plugin message;
// say instead what is missing and how to run without a desktop. Every other message but the
// style sheet notices goes on as it came.
void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && isKnownStyleSheetNotice(message))
        return;
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
    defaultHandler = qInstallMessageHandler(handleMessage);
    QApplication app(argc, argv);
    useDesignLook();

    MainWindow window;
    window.show();
    return app.exec();
}
