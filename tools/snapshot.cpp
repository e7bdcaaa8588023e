// Renders the window's pages to PNG files, so the pages can be looked at without a display.
//
//   french-snapshot [--out DIR] [--answers none|mixed|right] [PAGE ...]
//   french-snapshot --geometry SCALE
//   french-snapshot [--out DIR] --compare-window WINDOW-ID
//
// PAGE is 0 to 8 or "all" (the default); page 8 is written once per result tab.
// Run it with QT_QPA_PLATFORM=offscreen where there is no display, and with
// QT_SCALE_FACTOR=1.5 to see a scaled desktop.
//
// --geometry prints, for scripts that click the real window, the centre of Next, Back, Finish
// and Close in window pixels at that scale, one "name x y" line each.
// --compare-window compares another window on this display (the real program's, showing its
// first page) with this tool's own page 0, pixel for pixel, until they are the same or ten
// seconds have passed: status 0 when they are the same, 1 with the count of differing pixels
// otherwise. Both pictures are left in DIR.

#include "look.h"
#include "student.h"
#include "testutil.h"
#include "window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>

#include <cstdio>
#include <set>

namespace {

// "right" answers every item correctly; "mixed" gives, item by item, right, wrong, nothing.
QByteArray marksFor(const QString &mode)
{
    QByteArray marks;
    for (int i = 0; i < 50; ++i)
        marks += mode == QLatin1String("right") ? 'R' : mode == QLatin1String("mixed") ? "RW-"[i % 3] : '-';
    return marks;
}

bool save(const QImage &picture, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!picture.save(path)) {
        std::fprintf(stderr, "french-snapshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The frame's buttons by the names scripts know them by.
const struct {
    const char *name;
    const char *objectName;
} kButtons[] = {
    {"next", "pushButton_2"},
    {"back", "pushButton_1"},
    {"finish", "pushButton_3"},
    {"close", "close_button"},
};

void printButtonCentres(MainWindow &window, double scale)
{
    for (const auto &button : kButtons) {
        const QPushButton *widget = testutil::button(&window, button.objectName);
        const QPoint centre = widget->mapTo(&window, widget->rect().center());
        std::printf("%s %d %d\n", button.name, qRound(centre.x() * scale), qRound(centre.y() * scale));
    }
}

// A window that has just been mapped may not be drawn yet, so it is taken again until it
// matches or the time is up.
int compareWindow(WId id, const QImage &own, const QDir &dir)
{
    QElapsedTimer clock;
    clock.start();
    QImage program;
    int differing;
    do {
        if (!program.isNull())
            QThread::msleep(100);
        program = QGuiApplication::primaryScreen()->grabWindow(id).toImage();
        differing = testutil::differingPixels(program, own);
    } while (differing != 0 && clock.elapsed() < 10000);
    if (!save(program, dir, QStringLiteral("window")))
        return 1;
    if (differing < 0) {
        std::printf("french-snapshot: the window is %dx%d, page 0 here %dx%d\n", program.width(), program.height(),
                    own.width(), own.height());
    } else if (differing > 0) {
        std::printf("french-snapshot: %d of %d pixels differ between the window and page 0\n", differing,
                    own.width() * own.height());
    } else {
        std::printf("french-snapshot: the window and page 0 are the same, %dx%d\n", own.width(), own.height());
    }
    return differing == 0 ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr, "usage: french-snapshot [--out DIR] [--answers none|mixed|right] [PAGE 0-8 | all ...]\n"
                         "       french-snapshot --geometry SCALE\n"
                         "       french-snapshot [--out DIR] --compare-window WINDOW-ID\n");
    return 2;
}

int run(QApplication &app)
{
    QString out = QStringLiteral("snapshots");
    QString mode = QStringLiteral("none");
    double scale = 0;
    WId compared = 0;
    std::set<int> pages;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        bool ok = true;
        if (arg == QLatin1String("--out") && i + 1 < args.size()) {
            out = args[++i];
        } else if (arg == QLatin1String("--answers") && i + 1 < args.size()) {
            mode = args[++i];
        } else if (arg == QLatin1String("--geometry") && i + 1 < args.size()) {
            scale = args[++i].toDouble(&ok);
            ok = ok && scale > 0;
        } else if (arg == QLatin1String("--compare-window") && i + 1 < args.size()) {
            compared = WId(args[++i].toULongLong(&ok, 0));
            ok = ok && compared;
        } else if (arg == QLatin1String("all")) {
            for (int p = 0; p <= 8; ++p)
                pages.insert(p);
        } else {
            const int page = arg.toInt(&ok);
            ok = ok && page >= 0 && page <= 8;
            pages.insert(page);
        }
        if (!ok)
            return usage();
    }
    if (compared)
        pages = {0};
    if (pages.empty())
        for (int p = 0; p <= 8; ++p)
            pages.insert(p);
    if (mode != QLatin1String("none") && mode != QLatin1String("mixed") && mode != QLatin1String("right")) {
        std::fprintf(stderr, "french-snapshot: --answers takes none, mixed or right\n");
        return 2;
    }

    MainWindow window;
    // Kept off the display whose other window it is compared with.
    window.setAttribute(Qt::WA_DontShowOnScreen, compared != 0);
    window.show();
    if (scale > 0) {
        printButtonCentres(window, scale);
        return 0;
    }

    QDir dir;
    if (!dir.mkpath(out)) {
        std::fprintf(stderr, "french-snapshot: cannot create %s\n", qPrintable(out));
        return 1;
    }
    dir.setPath(out);

    student::giveAll(&window, marksFor(mode));
    auto *next = testutil::button(&window, "pushButton_2");
    bool ok = true;
    QImage first;
    // Walk the pages with the window's own Next button, so the header matches each page.
    for (int page = 0; page <= 7; ++page) {
        if (page > 0)
            next->click();
        app.processEvents();
        if (pages.count(page)) {
            const QImage picture = window.grab().toImage();
            ok &= save(picture, dir, QStringLiteral("page-%1").arg(page));
            if (page == 0)
                first = picture;
        }
    }
    if (compared)
        return ok ? compareWindow(compared, first, dir) : 1;
    if (pages.count(8)) {
        testutil::button(&window, "pushButton_3")->click();
        auto *tabs = testutil::widget<QTabWidget>(&window, QStringLiteral("tabWidget"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            app.processEvents();
            ok &= save(window.grab().toImage(), dir, QStringLiteral("page-8-tab-%1").arg(tab + 1));
        }
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // No scaling from the screen's resolution: pictures are 800 x 600 unless QT_SCALE_FACTOR says.
    keepDesktopSettingsOut();
    QApplication app(argc, argv);
    useDesignLook();
    try {
        return run(app);
    } catch (const testutil::HelperFailure &failure) {
        std::fprintf(stderr, "french-snapshot: %s\n", failure.what());
        return 2;
    }
}
