#ifndef FRENCH_TEST_SCORING_H
#define FRENCH_TEST_SCORING_H

#include "answer_key.h"

class QString;

namespace answer {

// The three exact tests; the finish slot, the result tabs and live marking all use them.
bool isRight(const MainWindowUi &ui, const ChoiceItem &item);
bool isRight(const MainWindowUi &ui, const ComboItem &item);
bool isRight(const MainWindowUi &ui, const TextItem &item);
bool matchesKey(const QString &text, const char *key);

// Recolours the item's edit green or red from its whole plain text.
void markAnswer(const MainWindowUi &ui, const TextItem &item);

// The number of right items among the fifty.
int countCorrectItems(const MainWindowUi &ui);

// The verbal grade for a number of points, or nullptr outside 0 to 100.
const char *gradeFor(int points);

} // namespace answer

#endif
