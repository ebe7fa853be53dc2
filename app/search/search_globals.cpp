#include "app/search/search_globals.h"

namespace vorlix::app {

std::vector<core::Text> KeywordList;
std::vector<core::Text> SearchRoots;
std::vector<core::Text> FolderList;

namespace {

std::vector<std::vector<core::Text>*> GlobalArrays() { return {&KeywordList, &SearchRoots, &FolderList}; }

}  // namespace

void CreateGlobalArrays() {
  for (auto* array : GlobalArrays()) array->clear();
}

// Swapping with an empty array gives the memory back, not only the texts.
void FreeGlobalArrays() {
  for (auto* array : GlobalArrays()) std::vector<core::Text>().swap(*array);
}

}  // namespace vorlix::app
