// french-bench: how fast the window starts, marks, takes a large paste and finishes, and how
// much memory it needs, each as the median and quartiles of repeated runs. Start-up figures
// are set against a bare toolkit program measured in the same run, and the colour change and
// the paste against the same call on a bare text edit. It only reports: no figure makes it
// fail.
//
// Start-up runs each probe program as a fresh process, alternating the real entry and the
// baseline, and takes peak memory from the kernel's accounting of the reaped child. The
// other figures are measured inside this process on shown windows.

#include "answer_key.h"
#include "student.h"
#include "baseline_window.h"
#include "monotonic.h"
#include "high_dpi.h"
#include "look.h"
#include "testutil.h"
#include "window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

#ifndef FRENCH_BENCH_BUILD_TYPE
#define FRENCH_BENCH_BUILD_TYPE "unknown"
#endif

namespace {

using bench::monotonicNs;

using Samples = std::vector<double>;

struct Summary {
    double median = NAN;
    double q1 = NAN;
    double q3 = NAN;
    size_t count = 0;
};

double quantile(const Samples &sorted, double q)
{
    const double position = q * double(sorted.size() - 1);
    const size_t below = size_t(std::floor(position));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (position - double(below)) * (sorted[above] - sorted[below]);
}

Summary summarize(Samples samples)
{
    Summary summary;
    summary.count = samples.size();
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.median = quantile(samples, 0.5);
    summary.q1 = quantile(samples, 0.25);
    summary.q3 = quantile(samples, 0.75);
    return summary;
}

std::string ownDirectory()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    path[length] = '\0';
    std::string result(path);
    return result.substr(0, result.rfind('/'));
}

// ---- Start-up, one fresh process per run

struct ProbeRun {
    bool ok = false;
    double toCreateMs = 0;    // process spawn to the first widget: loading, application object
    double constructMs = 0;   // first widget to show event: the window's constructor
    double showToFrameMs = 0; // show to first flushed frame: polish, layout, paint
    double toFrameMs = 0;     // spawn to first frame
    double teardownMs = 0;    // first frame to the reaped exit: tear-down of the tree and the app
    double peakMiB = 0;       // the kernel's high-water mark of resident memory
};

ProbeRun runProbe(const std::string &program, bool verbose)
{
    ProbeRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (!verbose)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};

    pid_t pid = 0;
    const qint64 spawned = monotonicNs();
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (error != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(error));
        return run;
    }

    std::string output;
    char buffer[512];
    ssize_t got;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0)
            output.append(buffer, size_t(got));
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const qint64 reaped = monotonicNs();

    long long start = 0, create = 0, shown = 0, frame = 0;
    const size_t at = output.find("probe ");
    if (at == std::string::npos
        || std::sscanf(output.c_str() + at, "probe start=%lld create=%lld shown=%lld frame=%lld", &start, &create,
                       &shown, &frame)
               != 4
        || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s gave no first-frame report (status %d)\n", program.c_str(), status);
        return run;
    }
    run.ok = true;
    run.toCreateMs = double(create - spawned) / 1e6;
    run.constructMs = double(shown - create) / 1e6;
    run.showToFrameMs = double(frame - shown) / 1e6;
    run.toFrameMs = double(frame - spawned) / 1e6;
    run.teardownMs = double(reaped - frame) / 1e6;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return run;
}

struct ProbeSeries {
    Samples toCreate, construct, showToFrame, toFrame, teardown, peak;

    void add(const ProbeRun &run)
    {
        toCreate.push_back(run.toCreateMs);
        construct.push_back(run.constructMs);
        showToFrame.push_back(run.showToFrameMs);
        toFrame.push_back(run.toFrameMs);
        teardown.push_back(run.teardownMs);
        peak.push_back(run.peakMiB);
    }
};

// ---- In-process figures

double elapsedUs(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e3;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A shown main window as a fresh run has it: benchmarks that navigate or finish stand for a
// new process each, so they start the program-wide counters where a new process does.
struct FreshWindow : testutil::ShownWindow {
    FreshWindow() { settle(); }

    static void resetRun()
    {
        pageIndex = 0;
        correctCount = 0;
    }

    // Next until the page that holds `target` is shown.
    void showPageOf(QWidget *target)
    {
        auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        auto *next = window.findChild<QPushButton *>(QStringLiteral("pushButton_2"));
        for (int i = 0; i < 8 && !stack->currentWidget()->isAncestorOf(target); ++i)
            next->click();
        settle();
    }
};

bool hasWidget(QWidget *root, const char *name)
{
    return root->findChild<QWidget *>(QString::fromLatin1(name)) != nullptr;
}

// Finish reads every answer widget and writes every result label.
bool finishIsBuilt(QWidget *window)
{
    for (const student::Item &item : student::kItems) {
        if (!hasWidget(window, item.kind == student::Radio ? item.right : item.widget))
            return false;
    }
    for (int i = 0; i < 50; ++i) {
        if (!window->findChild<QLabel *>(student::resultName(i)))
            return false;
    }
    return hasWidget(window, "label_mark") && hasWidget(window, "label_mark_2");
}

// About one MiB of UTF-8 in lines: French, Cyrillic, a tab, an emoji, right-to-left text.
QString megabyteOfText()
{
    const QByteArray line = QByteArrayLiteral("Nous sommes toujours \xC3\xA0 l\xE2\x80\x99heure.\t"
                                              "\xD0\x9C\xD0\xB8 \xD0\xB7\xD0\xB0\xD0\xB2\xD0\xB6\xD0\xB4\xD0\xB8 "
                                              "\xF0\x9F\x99\x82 \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\n");
    QByteArray text;
    text.reserve(1 << 20);
    while (text.size() + line.size() <= (1 << 20))
        text += line;
    return QString::fromUtf8(text);
}

struct Interaction {
    Samples constructWindow, constructBaseline, destroyWindow, destroyBaseline;
    Samples markSlot, markFlip, bareFlip, keystroke;
    Samples pasteTotal, barePaste, pasteMark;
    Samples finish;
    bool editsBuilt = false;
    bool finishBuilt = false;
    QString finishPoints;
    bool styleMatches = true;
};

void measureConstruction(Interaction &result, int runs)
{
    {
        MainWindow window;
        result.styleMatches = window.styleSheet() == QString::fromLatin1(bench::kBaselineWindowStyle);
    }
    // Warm: the first construction paid for fonts and style caches already.
    for (int i = 0; i < runs; ++i) {
        MainWindow *window = nullptr;
        result.constructWindow.push_back(elapsedUs([&] { window = new MainWindow; }) / 1e3);
        result.destroyWindow.push_back(elapsedUs([&] { delete window; }) / 1e3);
        QMainWindow *bare = nullptr;
        result.constructBaseline.push_back(elapsedUs([&] {
                                               bare = new QMainWindow;
                                               bench::buildBaselineWindow(*bare);
                                           })
                                           / 1e3);
        result.destroyBaseline.push_back(elapsedUs([&] { delete bare; }) / 1e3);
    }
}

// The floor for c and d: the toolkit's own cost of what marking and pasting do, on a bare
// text edit in the baseline window, with no page, panel or slot around it.
struct BareEdit {
    QMainWindow window;
    QTextEdit *edit;

    BareEdit()
    {
        bench::buildBaselineWindow(window);
        edit = new QTextEdit(window.centralWidget());
        edit->setGeometry(10, 10, 160, 30);
        edit->setAcceptRichText(false);
        edit->setStyleSheet(QStringLiteral("border: 1px solid #000;"));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "bare window not exposed\n");
        settle();
    }
};

// Types the right answer of the first task VI edit letter by letter and takes it back again,
// timing the marking slot alone for each change through the edit's own connection.
void measureLiveMarking(Interaction &result, int runs)
{
    FreshWindow::resetRun();
    FreshWindow fresh;
    auto *edit = fresh.window.findChild<QTextEdit *>(QStringLiteral("textEdit1"));
    result.editsBuilt = edit != nullptr;
    if (!edit)
        return;
    fresh.showPageOf(edit);
    edit->setFocus();
    const QString word = QStringLiteral("sommes");

    auto change = [&](const std::function<void()> &keys) {
        const QString before = edit->styleSheet();
        edit->blockSignals(true);
        keys();
        edit->blockSignals(false);
        const double us = elapsedUs([&] { emit edit->textChanged(); });
        result.markSlot.push_back(us);
        if (edit->styleSheet() != before)
            result.markFlip.push_back(us);
    };
    for (int run = 0; run < runs; ++run) {
        for (const QChar letter : word)
            change([&] { QTest::keyClick(edit, letter.toLatin1()); });
        for (int i = 0; i < word.size(); ++i)
            change([&] { QTest::keyClick(edit, Qt::Key_Backspace); });
        settle();
    }
    {
        // As many flips as the marking above made, each a plain style-sheet change.
        BareEdit bare;
        const QString sheets[2] = {QString::fromLatin1(answer::wrongAnswerStyle),
                                   QString::fromLatin1(answer::rightAnswerStyle)};
        const size_t flips = result.markFlip.size();
        for (size_t i = 0; i < flips; ++i)
            result.bareFlip.push_back(elapsedUs([&] { bare.edit->setStyleSheet(sheets[i % 2]); }));
        settle();
    }
    // The whole keystroke, with its marking, as the user's key press causes it.
    for (int run = 0; run < runs; ++run) {
        for (const QChar letter : word)
            result.keystroke.push_back(elapsedUs([&] { QTest::keyClick(edit, letter.toLatin1()); }));
        for (int i = 0; i < word.size(); ++i)
            result.keystroke.push_back(elapsedUs([&] { QTest::keyClick(edit, Qt::Key_Backspace); }));
        settle();
    }
}

void measurePaste(Interaction &result, int runs)
{
    FreshWindow::resetRun();
    FreshWindow fresh;
    auto *edit = fresh.window.findChild<QTextEdit *>(QStringLiteral("textEdit1"));
    if (!edit)
        return;
    fresh.showPageOf(edit);
    edit->setFocus();
    QApplication::clipboard()->setText(megabyteOfText());
    for (int run = 0; run < runs; ++run) {
        edit->blockSignals(true);
        edit->clear();
        edit->blockSignals(false);
        settle();
        result.pasteTotal.push_back(elapsedUs([&] { edit->paste(); }) / 1e3);
        result.pasteMark.push_back(elapsedUs([&] { emit edit->textChanged(); }) / 1e3);
        settle();
    }
    BareEdit bare;
    bare.edit->setFocus();
    for (int run = 0; run < runs; ++run) {
        bare.edit->clear();
        settle();
        result.barePaste.push_back(elapsedUs([&] { bare.edit->paste(); }) / 1e3);
        settle();
    }
    QApplication::clipboard()->clear();
}

void measureFinish(Interaction &result, int runs)
{
    {
        FreshWindow::resetRun();
        FreshWindow probe;
        result.finishBuilt = finishIsBuilt(&probe.window);
    }
    if (!result.finishBuilt)
        return;
    const QByteArray allRight = student::marks("RRRRR RRRRRRR RRRRR RRRRRRR RRRRRRRRRR RRRRRRRRRR RRRRRR");
    for (int run = 0; run < runs; ++run) {
        FreshWindow::resetRun();
        FreshWindow fresh;
        student::giveAll(&fresh.window, allRight);
        auto *finish = fresh.window.findChild<QPushButton *>(QStringLiteral("pushButton_3"));
        fresh.showPageOf(finish);
        settle();
        result.finish.push_back(elapsedUs([&] { finish->click(); }) / 1e3);
        if (run == 0)
            result.finishPoints = fresh.window.findChild<QLabel *>(QStringLiteral("label_mark"))->text();
        settle();
    }
}

// ---- The table

struct Row {
    const char *label;
    Summary value;
    std::optional<Summary> baseline;
    const char *unit;
    enum Compare { None, Ratio, Difference } compare = None;
    const char *target = "";
    std::optional<bool> met;
};

void printRows(const std::vector<Row> &rows)
{
    std::printf("%-44s %10s %21s %10s %9s  %s\n", "", "median", "q1 - q3", "baseline", "vs base", "target");
    for (const Row &row : rows) {
        if (!row.value.count) {
            std::printf("%-44s %10s\n", row.label, "n/a");
            continue;
        }
        char spread[64], base[32] = "", versus[32] = "", target[64] = "";
        std::snprintf(spread, sizeof spread, "%9.2f - %-9.2f", row.value.q1, row.value.q3);
        if (row.baseline) {
            std::snprintf(base, sizeof base, "%.2f", row.baseline->median);
            if (row.compare == Row::Ratio)
                std::snprintf(versus, sizeof versus, "%.2fx", row.value.median / row.baseline->median);
            else if (row.compare == Row::Difference)
                std::snprintf(versus, sizeof versus, "%+.2f", row.value.median - row.baseline->median);
        }
        if (*row.target)
            std::snprintf(target, sizeof target, "%s%s", row.target,
                          !row.met ? "" : *row.met ? "  met" : "  MISSED");
        std::printf("%-40s %3s %10.2f %21s %10s %9s  %s\n", row.label, row.unit, row.value.median, spread, base, versus,
                    target);
    }
}

void usage()
{
    std::printf("usage: french-bench [--runs N] [--verbose]\n"
                "  --runs N    repetitions of every measurement (default 21)\n"
                "  --verbose   show the probe programs' own error output\n");
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 21;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) {
            runs = std::max(3, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--verbose")) {
            verbose = true;
        } else {
            usage();
            return std::strcmp(argv[i], "--help") == 0 ? 0 : 2;
        }
    }
    // The figures are comparable only on one platform, and the targets are set for this one.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // Fresh processes first, while this one is still small: a spawned child inherits the
    // parent's high-water mark of resident memory until it runs its own program.
    const std::string directory = ownDirectory();
    const std::string realProgram = directory + "/french-bench-first-frame";
    const std::string bareProgram = directory + "/french-bench-baseline";
    std::fprintf(stderr, "start-up: %d runs of each program...\n", runs);
    for (int warm = 0; warm < 2; ++warm) {
        runProbe(realProgram, verbose);
        runProbe(bareProgram, verbose);
    }
    ProbeSeries real, bare;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        // Alternate the order so that drift in the machine's load hits both alike.
        for (int k = 0; k < 2; ++k) {
            const bool realFirst = (i % 2 == 0) == (k == 0);
            const ProbeRun run = runProbe(realFirst ? realProgram : bareProgram, verbose);
            if (!run.ok)
                ++failures;
            else
                (realFirst ? real : bare).add(run);
        }
    }

    useHighDpiScaling();
    keepDesktopSettingsOut();
    QApplication app(argc, argv);
    // As the program itself starts; the bare floors below share the look, as they share the process.
    useDesignLook();

    Interaction in;
    std::fprintf(stderr, "construction...\n");
    measureConstruction(in, runs);
    std::fprintf(stderr, "live marking...\n");
    measureLiveMarking(in, runs);
    std::fprintf(stderr, "1 MiB paste...\n");
    measurePaste(in, std::max(3, runs / 3));
    std::fprintf(stderr, "Finish...\n");
    measureFinish(in, runs);

    std::printf("french-test benchmark: Qt %s, platform %s, %u cores, %s build, %d runs per figure\n\n", qVersion(),
                qPrintable(QGuiApplication::platformName()), std::thread::hardware_concurrency(),
                FRENCH_BENCH_BUILD_TYPE, runs);

    auto compared = [](const char *label, Samples value, Samples base, const char *unit) {
        return Row{label, summarize(std::move(value)), summarize(std::move(base)), unit, Row::Ratio, "", std::nullopt};
    };
    auto plain = [](const char *label, Samples value, const char *unit) {
        return Row{label, summarize(std::move(value)), std::nullopt, unit, Row::None, "", std::nullopt};
    };
    auto within = [](const char *label, Samples value, const char *unit, const char *target, double limit) {
        const Summary summary = summarize(std::move(value));
        return Row{label, summary, std::nullopt, unit, Row::None, target,
                   summary.count ? std::optional<bool>(summary.median <= limit) : std::nullopt};
    };
    auto withinAgainst = [](const char *label, Samples value, Samples base, const char *unit, const char *target,
                            double limit) {
        const Summary summary = summarize(std::move(value));
        return Row{label, summary, summarize(std::move(base)), unit, Row::Ratio, target,
                   summary.count ? std::optional<bool>(summary.median <= limit) : std::nullopt};
    };
    const Summary toFrame = summarize(real.toFrame), bareToFrame = summarize(bare.toFrame);
    const Summary peak = summarize(real.peak), barePeak = summarize(bare.peak);
    const bool startUpMeasured = toFrame.count && bareToFrame.count;

    const std::vector<Row> rows = {
        {"a. start to first frame", toFrame, bareToFrame, "ms", Row::Ratio, "<= 3x base",
         startUpMeasured ? std::optional<bool>(toFrame.median <= 3 * bareToFrame.median) : std::nullopt},
        compared("   start to first widget", real.toCreate, bare.toCreate, "ms"),
        compared("   show to first frame", real.showToFrame, bare.showToFrame, "ms"),
        compared("   first frame to exit", real.teardown, bare.teardown, "ms"),
        compared("b. construct window, fresh process", real.construct, bare.construct, "ms"),
        compared("   construct window, warm", in.constructWindow, in.constructBaseline, "ms"),
        compared("   destroy window, warm", in.destroyWindow, in.destroyBaseline, "ms"),
        within("c. live marking, one change", in.markSlot, "us", "<= 50 us", 50),
        withinAgainst("   of which colour changes", in.markFlip, in.bareFlip, "us", "<= 50 us", 50),
        plain("   keystroke with its marking", in.keystroke, "us"),
        within("d. marking after a 1 MiB paste", in.pasteMark, "ms", "<= 100 ms", 100),
        compared("   the whole paste, marking included", in.pasteTotal, in.barePaste, "ms"),
        within("e. Finish, fifty answered", in.finish, "ms", "<= 5 ms", 5),
        {"f. peak memory", peak, barePeak, "MiB", Row::Difference, "<= base + 10",
         startUpMeasured ? std::optional<bool>(peak.median <= barePeak.median + 10) : std::nullopt},
    };
    printRows(rows);

    std::printf("\nbaseline: bare %dx%d main window with the window style sheet and one label;\n"
                "for c and d, the same style-sheet change or paste on a bare text edit in that window.\n",
                800, 600);
    if (!in.styleMatches)
        std::printf("NOTE: the baseline's window style sheet no longer equals the real window's.\n");
    if (!in.editsBuilt)
        std::printf("NOTE: no text edit yet: c and d not measured.\n");
    if (!in.finishBuilt)
        std::printf("NOTE: answer or result widgets missing: e not measured.\n");
    else if (in.finishPoints != QLatin1String("100"))
        std::printf("NOTE: all fifty answered right showed %s points, not 100.\n", qPrintable(in.finishPoints));
    if (failures)
        std::printf("NOTE: %d probe runs failed (see --verbose).\n", failures);
    if (std::strcmp(FRENCH_BENCH_BUILD_TYPE, "Release") != 0)
        std::printf("NOTE: not a Release build: the targets are set for one.\n");
    return 0;
}
