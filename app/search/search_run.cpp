#include "app/search/search_run.h"

namespace vorlix::app {
namespace {

bool search_running = false;
MatchRule rule_of_shown_rows = MatchRule::kExactFile;
SuggestedPaths suggestions_of_shown_rows;

}  // namespace

bool SearchRunning() { return search_running; }
void SetSearchRunning(bool running) { search_running = running; }

MatchRule RuleOfShownRows() { return rule_of_shown_rows; }
void SetRuleOfShownRows(MatchRule rule) { rule_of_shown_rows = rule; }

const SuggestedPaths& SuggestionsOfShownRows() { return suggestions_of_shown_rows; }
void SetSuggestionsOfShownRows(SuggestedPaths suggestions) { suggestions_of_shown_rows = std::move(suggestions); }

}  // namespace vorlix::app
