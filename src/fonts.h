#ifndef FRENCH_TEST_FONTS_H
#define FRENCH_TEST_FONTS_H

// The window was drawn for Windows: "Trebuchet MS" and "Tahoma" in the style sheets, and
// Tahoma 8 pt, the Windows default, wherever a text sets no font of its own. Elsewhere
// those families are usually missing and the fallback is wider, so texts get cut off.
// This maps the missing families to a metric-compatible substitute and pins the default
// font to the Windows one, so the look no longer depends on the desktop theme.
// Call it once, after the application object exists. On Windows it changes nothing.
void useDesignFonts();

// The family that stands in for the Windows fonts where they are missing.
extern const char kSubstituteFamily[];

#endif
