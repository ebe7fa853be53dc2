#include "app/search/search_run.h"

namespace vorlix::app {
namespace {

bool search_running = false;
MatchRule rule_of_shown_rows = MatchRule::kExactFile;

}  // namespace

bool SearchRunning() { return search_running; }
void SetSearchRunning(bool running) { search_running = running; }

MatchRule RuleOfShownRows() { return rule_of_shown_rows; }
void SetRuleOfShownRows(MatchRule rule) { rule_of_shown_rows = rule; }

}  // namespace vorlix::app
