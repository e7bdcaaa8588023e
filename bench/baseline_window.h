#ifndef FRENCH_TEST_BENCH_BASELINE_WINDOW_H
#define FRENCH_TEST_BENCH_BASELINE_WINDOW_H

// The floor the toolkit allows: an 800 x 600 main window with the program's window style
// sheet and one label, and nothing else. The benchmark checks that the style sheet still
// equals the one the real window sets.

#include <QLabel>
#include <QMainWindow>
#include <QString>

namespace bench {

inline const char kBaselineWindowStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 59, 117, 255), "
    "stop:1 rgba(0, 158, 201, 255));";

inline void buildBaselineWindow(QMainWindow &window)
{
    window.resize(800, 600);
    window.setStyleSheet(QString::fromLatin1(kBaselineWindowStyle));
    auto *label = new QLabel(&window);
    label->setText(QStringLiteral("TEST 1"));
    window.setCentralWidget(label);
}

} // namespace bench

#endif
