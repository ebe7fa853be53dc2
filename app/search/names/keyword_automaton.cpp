#include "app/search/names/keyword_automaton.h"

#include <algorithm>
#include <utility>

namespace vorlix::app {

KeywordAutomaton::KeywordAutomaton(std::span<const std::string_view> patterns, std::size_t dense_limit_bytes) {
  BuildTrie(patterns);
  std::vector<std::uint32_t> breadth_first;
  BuildFailureLinks(breadth_first);
  BuildDenseTable(breadth_first, dense_limit_bytes);
}

void KeywordAutomaton::BuildTrie(std::span<const std::string_view> patterns) {
  std::vector<std::vector<std::pair<unsigned char, std::uint32_t>>> children(1);
  output_.assign(1, kNone);
  for (std::uint32_t pattern = 0; pattern < patterns.size(); ++pattern) {
    std::uint32_t state = 0;
    for (const char character : patterns[pattern]) {
      const auto byte = static_cast<unsigned char>(character);
      auto& edges = children[state];
      auto edge = std::find_if(edges.begin(), edges.end(), [byte](const auto& e) { return e.first == byte; });
      if (edge != edges.end()) {
        state = edge->second;
        continue;
      }
      const auto added = static_cast<std::uint32_t>(children.size());
      edges.emplace_back(byte, added);
      children.emplace_back();
      output_.push_back(kNone);
      state = added;
    }
    output_[state] = pattern;
    pattern_length_.push_back(static_cast<std::uint32_t>(patterns[pattern].size()));
  }
  first_edge_.assign(1, 0);
  for (auto& edges : children) {
    std::sort(edges.begin(), edges.end());
    for (const auto& [byte, target] : edges) {
      edge_byte_.push_back(byte);
      edge_target_.push_back(target);
    }
    first_edge_.push_back(static_cast<std::uint32_t>(edge_byte_.size()));
  }
  for (std::uint32_t edge = first_edge_[0]; edge < first_edge_[1]; ++edge) root_next_[edge_byte_[edge]] = edge_target_[edge];
}

// A state's failure link is the longest proper suffix of its path that is
// also a path of the trie; states are handled shallow first, so that link
// is always known before it is needed.
void KeywordAutomaton::BuildFailureLinks(std::vector<std::uint32_t>& breadth_first) {
  const std::size_t states = output_.size();
  fail_.assign(states, 0);
  dictionary_.assign(states, kNone);
  breadth_first.assign(1, 0);
  for (std::size_t next = 0; next < breadth_first.size(); ++next) {
    const std::uint32_t state = breadth_first[next];
    for (std::uint32_t edge = first_edge_[state]; edge < first_edge_[state + 1]; ++edge) {
      const std::uint32_t child = edge_target_[edge];
      if (state != 0) fail_[child] = SparseStep(fail_[state], edge_byte_[edge]);
      const std::uint32_t suffix = fail_[child];
      dictionary_[child] = output_[suffix] != kNone ? suffix : dictionary_[suffix];
      breadth_first.push_back(child);
    }
  }
  reports_.resize(states);
  for (std::size_t state = 0; state < states; ++state) {
    reports_[state] = output_[state] != kNone || dictionary_[state] != kNone;
  }
}

void KeywordAutomaton::BuildDenseTable(const std::vector<std::uint32_t>& breadth_first, std::size_t limit_bytes) {
  for (const unsigned char byte : edge_byte_) {
    if (byte_class_[byte] == 0) byte_class_[byte] = static_cast<std::uint16_t>(class_count_++);
  }
  const std::size_t states = output_.size();
  // Counted in 64 bits: a 32-bit size_t could wrap and let a huge table through.
  if (std::uint64_t{states} * class_count_ * sizeof(std::uint32_t) > limit_bytes) return;
  dense_.assign(states * class_count_, 0);
  // A state goes where its failure state goes, except along its own edges.
  // Class 0 holds the bytes no pattern uses: they always lead to the root.
  for (const std::uint32_t state : breadth_first) {
    std::uint32_t* row = &dense_[state * class_count_];
    if (state != 0) std::copy_n(&dense_[fail_[state] * class_count_], class_count_, row);
    for (std::uint32_t edge = first_edge_[state]; edge < first_edge_[state + 1]; ++edge) {
      row[byte_class_[edge_byte_[edge]]] = edge_target_[edge];
    }
  }
}

}  // namespace vorlix::app
