// Renders the window's pages to PNG files, so the pages can be looked at without a display.
//
//   french-snapshot [--out DIR] [--answers none|mixed|right] [PAGE ...]
//
// PAGE is 0 to 8 or "all" (the default); page 8 is written once per result tab.
// Run it with QT_QPA_PLATFORM=offscreen where there is no display, and with
// QT_SCALE_FACTOR=1.5 to see a scaled desktop.

#include "answer_key.h"
#include "look.h"
#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

#include <cstdio>
#include <set>

namespace {

template <class T>
T *child(QWidget *window, const QString &name)
{
    T *widget = window->findChild<T *>(name);
    if (!widget) {
        std::fprintf(stderr, "french-snapshot: no widget %s\n", qPrintable(name));
        std::exit(2);
    }
    return widget;
}

QStringList textEditNames()
{
    QStringList names{QStringLiteral("textEdit1")};
    for (int i = 2; i <= 16; ++i)
        names << QStringLiteral("textEdit_%1").arg(i);
    return names;
}

// "right" answers every item correctly; "mixed" leaves a third untouched, a third wrong.
void fillAnswers(QWidget *window, const QString &mode)
{
    if (mode == QLatin1String("none"))
        return;
    const bool allRight = mode == QLatin1String("right");
    int item = 0;
    auto pick = [&](int) { return allRight ? 0 : item++ % 3; }; // 0 right, 1 wrong, 2 untouched

    for (int group = 1; group <= 5; ++group) {
        const answer::ChoiceItem &key = answer::kTaskI[group - 1];
        const int choice = pick(group);
        if (choice == 2)
            continue;
        const int button = choice == 0 ? key.keyed : (key.keyed + 1) % 3;
        child<QRadioButton>(window, QStringLiteral("rb%1_%2").arg(group).arg(button + 1))->setChecked(true);
    }

    const struct {
        const char *prefix;
        const answer::ComboItem *items;
        int count;
    } tasks[] = {
        {"comboBox_", answer::kTaskII, 7}, {"v3_", answer::kTaskIII, 5},
        {"v4_", answer::kTaskIV, 7},       {"v5_", answer::kTaskV, 10},
    };
    for (const auto &task : tasks) {
        for (int k = 1; k <= task.count; ++k) {
            const int choice = pick(k);
            if (choice == 2)
                continue;
            auto *box = child<QComboBox>(window, QString::fromLatin1(task.prefix) + QString::number(k));
            const int key = task.items[k - 1].key;
            box->setCurrentIndex(choice == 0 ? key : (key + 1) % box->count());
        }
    }

    const QStringList edits = textEditNames();
    for (int i = 0; i < edits.size(); ++i) {
        const char *key = i < 10 ? answer::kTaskVI[i].key : answer::kTaskVII[i - 10].key;
        const int choice = pick(i);
        if (choice == 2)
            continue;
        child<QTextEdit>(window, edits[i])
            ->setPlainText(choice == 0 ? QString::fromUtf8(key) : QString::fromUtf8(key).toUpper());
    }
}

bool save(QWidget *window, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "french-snapshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    useDesignLook();
    QString out = QStringLiteral("snapshots");
    QString mode = QStringLiteral("none");
    std::set<int> pages;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--out") && i + 1 < args.size()) {
            out = args[++i];
        } else if (arg == QLatin1String("--answers") && i + 1 < args.size()) {
            mode = args[++i];
        } else if (arg == QLatin1String("all")) {
            for (int p = 0; p <= 8; ++p)
                pages.insert(p);
        } else {
            bool ok = false;
            const int page = arg.toInt(&ok);
            if (!ok || page < 0 || page > 8) {
                std::fprintf(stderr, "usage: french-snapshot [--out DIR] [--answers none|mixed|right] "
                                     "[PAGE 0-8 | all ...]\n");
                return 2;
            }
            pages.insert(page);
        }
    }
    if (pages.empty())
        for (int p = 0; p <= 8; ++p)
            pages.insert(p);
    if (mode != QLatin1String("none") && mode != QLatin1String("mixed") && mode != QLatin1String("right")) {
        std::fprintf(stderr, "french-snapshot: --answers takes none, mixed or right\n");
        return 2;
    }

    QDir dir;
    if (!dir.mkpath(out)) {
        std::fprintf(stderr, "french-snapshot: cannot create %s\n", qPrintable(out));
        return 1;
    }
    dir.setPath(out);

    MainWindow window;
    window.show();
    fillAnswers(&window, mode);
    auto *next = child<QPushButton>(&window, QStringLiteral("pushButton_2"));
    bool ok = true;
    // Walk the pages with the window's own Next button, so the header matches each page.
    for (int page = 0; page <= 7; ++page) {
        if (page > 0)
            next->click();
        app.processEvents();
        if (pages.count(page))
            ok &= save(&window, dir, QStringLiteral("page-%1").arg(page));
    }
    if (pages.count(8)) {
        child<QPushButton>(&window, QStringLiteral("pushButton_3"))->click();
        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        const int tabCount = tabs ? tabs->count() : 0;
        if (tabCount == 0)
            ok &= save(&window, dir, QStringLiteral("page-8"));
        for (int tab = 0; tab < tabCount; ++tab) {
            tabs->setCurrentIndex(tab);
            app.processEvents();
            ok &= save(&window, dir, QStringLiteral("page-8-tab-%1").arg(tab + 1));
        }
    }
    return ok ? 0 : 1;
}
