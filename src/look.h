#ifndef FRENCH_TEST_LOOK_H
#define FRENCH_TEST_LOOK_H

// The window was drawn for Windows: "Trebuchet MS" and "Tahoma" in the style sheets,
// Tahoma 8 pt, the Windows default, wherever a text sets no font of its own, and the
// Windows widget look. Elsewhere those families are usually missing and the fallback is
// wider, so texts get cut off; and the desktop's own style draws the radio buttons'
// circles in the panels' transparent background, so they vanish.
// This maps the missing families to a metric-compatible substitute, pins the default font
// to the Windows one and takes the toolkit's Windows style, so the look no longer depends
// on the desktop theme; a focused drop-down box keeps its item in dark ink under it.
// Everywhere, Windows included, it adds what a keyboard user needs: a focused drop-down box
// framed, boxes that a wheel turn does not change unless they have the focus, Return and
// Enter pressing a focused button, and Ctrl+Tab and Ctrl+Shift+Tab out of a typed answer.
// The panels are light on any desktop, but much of the text on them takes its colour from the
// palette, and a dark colour scheme would write it light on light; so the colours are fixed
// too: on Linux the toolkit's own, on Windows those of a Windows 10 desktop at its defaults.
// Call it once, after the application object exists.
void useDesignLook();

// Keeps the desktop's own Qt settings (a platform theme's colours, fonts and style sheet) from
// being laid over the look. Call it before the application object.
void keepDesktopSettingsOut();

// The family that stands in for the Windows fonts where they are missing.
extern const char kSubstituteFamily[];

#endif
