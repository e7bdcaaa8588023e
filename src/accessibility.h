#ifndef FRENCH_TEST_ACCESSIBILITY_H
#define FRENCH_TEST_ACCESSIBILITY_H

// What a screen reader needs beyond the widgets' own accessible names: the pages and task I's
// items as named panels, each drop-down box's answer with what it stands for on its page, and
// spoken announcements of a typed answer's verdict and of the result. Nothing here changes
// what is drawn or where the focus goes.

class QComboBox;
class QString;

namespace accessibility {

// Installs the accessible interfaces and the watcher that announces changes. Idempotent;
// called before the first widget is made, so that no widget keeps the toolkit's interface.
void install();

// A box's answer as a screen reader speaks it: the letter and what it stands for on its page
// ("b) C’est un métier …"), or the no-answer note when none is chosen.
QString spokenAnswer(const QComboBox *box);

// The words announced when a typed answer's marking turns right or wrong.
extern const char kRight[];
extern const char kWrong[];

} // namespace accessibility

#endif
