#ifndef FRENCH_TEST_RESULT_TABS_H
#define FRENCH_TEST_RESULT_TABS_H

struct MainWindowUi;

namespace answer {

// Writes every result tab from the answer widgets: the finish slot's second half.
void fillResultTabs(MainWindowUi &ui);

} // namespace answer

#endif
