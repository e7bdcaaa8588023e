#ifndef FRENCH_TEST_FORM_PAGES_H
#define FRENCH_TEST_FORM_PAGES_H

// The form's per-page steps. Each build function creates its page inside the stack and
// returns it; the frame adds it to the stack. Each assign function sets that page's texts.

struct MainWindowUi;
class QWidget;

namespace form {

struct MatchingPage;

QWidget *buildReadingPage(MainWindowUi &ui);   // page 0
QWidget *buildTask1Page(MainWindowUi &ui);     // page 1
QWidget *buildTask2Page(MainWindowUi &ui);     // page 2
QWidget *buildTask3Page(MainWindowUi &ui);     // page 3
QWidget *buildTask4Page(MainWindowUi &ui);     // page 4
QWidget *buildTask5Page(MainWindowUi &ui);     // page 5
QWidget *buildTask6Page(MainWindowUi &ui);     // page 6
QWidget *buildTask7Page(MainWindowUi &ui);     // page 7
QWidget *buildResultPage(MainWindowUi &ui);    // page 8

void assignReadingTexts(MainWindowUi &ui);
void assignTask1Texts(MainWindowUi &ui);
void assignTask2Texts(MainWindowUi &ui);
void assignTask3Texts(MainWindowUi &ui);
void assignTask4Texts(MainWindowUi &ui);
void assignTask5Texts(MainWindowUi &ui);
void assignTask6Texts(MainWindowUi &ui);
void assignTask7Texts(MainWindowUi &ui);
void assignResultTexts(MainWindowUi &ui);

// The matching pages, tasks II to V.
extern const MatchingPage kTask2Page;
extern const MatchingPage kTask3Page;
extern const MatchingPage kTask4Page;
extern const MatchingPage kTask5Page;

} // namespace form

#endif
