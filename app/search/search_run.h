#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// True while a search runs: the file search inside its handler, or the
// folder-name worker until its last rows are in the list. Window thread.
bool SearchRunning();
void SetSearchRunning(bool running);

// The rule under which the rows of the result list were found; the
// not-found report judges the typed names by it.
MatchRule RuleOfShownRows();
void SetRuleOfShownRows(MatchRule rule);

// The paths of the files near each keyword of the last file search that
// found nothing, by the keyword lowered; empty after any other search.
using SuggestedPaths = std::unordered_map<std::string, std::vector<std::string>>;
const SuggestedPaths& SuggestionsOfShownRows();
void SetSuggestionsOfShownRows(SuggestedPaths suggestions);

}  // namespace vorlix::app
