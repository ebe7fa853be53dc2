#pragma once

#include "app/search/name_matcher.h"

namespace vorlix::app {

// True while a search runs: the file search inside its handler, or the
// folder-name worker until its last rows are in the list. Window thread.
bool SearchRunning();
void SetSearchRunning(bool running);

// The rule under which the rows of the result list were found; the
// not-found report judges the typed names by it.
MatchRule RuleOfShownRows();
void SetRuleOfShownRows(MatchRule rule);

}  // namespace vorlix::app
