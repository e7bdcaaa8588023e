#ifndef FRENCH_TEST_HIGH_DPI_H
#define FRENCH_TEST_HIGH_DPI_H

// Header-only so that the benchmark's bare baseline program can start exactly as the real
// one does without linking any of the program's code.

#include <QCoreApplication>
#include <QGuiApplication>

// Scale the fixed 800 x 600 window with the screen. Call before the application object.
inline void useHighDpiScaling()
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 6, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // The default rounding turns 150 % into 200 %, taller than a 1080-line screen.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}

#endif
