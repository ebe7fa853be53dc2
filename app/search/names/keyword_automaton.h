#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vorlix::app {

// Finds every occurrence of any of a set of byte patterns in one pass over
// a text (Aho-Corasick), so the cost of a text does not grow with the
// number of patterns. When the transition table over the bytes that the
// patterns use fits in `dense_limit_bytes`, every byte costs one table
// look-up; otherwise states keep only their own edges and mismatches follow
// failure links (still linear in the text).
class KeywordAutomaton {
 public:
  static constexpr std::size_t kDefaultDenseLimit = std::size_t{48} << 20;

  // Patterns must be distinct and not empty; a pattern's number is its
  // index in `patterns`.
  explicit KeywordAutomaton(std::span<const std::string_view> patterns,
                            std::size_t dense_limit_bytes = kDefaultDenseLimit);

  bool dense() const { return !dense_.empty(); }

  // Calls report(pattern, start) for every occurrence, in order of its end.
  template <class Report>
  void ForEachMatch(std::string_view text, Report&& report) const {
    std::uint32_t state = 0;
    if (dense()) {
      for (std::size_t at = 0; at < text.size(); ++at) {
        state = dense_[state * class_count_ + byte_class_[static_cast<unsigned char>(text[at])]];
        if (reports_[state]) ReportAll(state, at + 1, report);
      }
      return;
    }
    for (std::size_t at = 0; at < text.size(); ++at) {
      state = SparseStep(state, static_cast<unsigned char>(text[at]));
      if (reports_[state]) ReportAll(state, at + 1, report);
    }
  }

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  std::uint32_t SparseStep(std::uint32_t state, unsigned char byte) const {
    for (;;) {
      if (state == 0) return root_next_[byte];
      for (std::uint32_t edge = first_edge_[state]; edge < first_edge_[state + 1]; ++edge) {
        if (edge_byte_[edge] == byte) return edge_target_[edge];
      }
      state = fail_[state];
    }
  }

  template <class Report>
  void ReportAll(std::uint32_t state, std::size_t end, Report& report) const {
    for (std::uint32_t at = output_[state] != kNone ? state : dictionary_[state]; at != kNone; at = dictionary_[at]) {
      const std::uint32_t pattern = output_[at];
      report(pattern, end - pattern_length_[pattern]);
    }
  }

  void BuildTrie(std::span<const std::string_view> patterns);
  void BuildFailureLinks(std::vector<std::uint32_t>& breadth_first);
  void BuildDenseTable(const std::vector<std::uint32_t>& breadth_first, std::size_t limit_bytes);

  // Per state.
  std::vector<std::uint32_t> first_edge_;  // edges of state s: [first_edge_[s], first_edge_[s + 1])
  std::vector<std::uint32_t> fail_;
  std::vector<std::uint32_t> output_;      // the pattern ending here, or kNone
  std::vector<std::uint32_t> dictionary_;  // nearest failure-chain state with an output, or kNone
  std::vector<std::uint8_t> reports_;      // whether anything ends here
  // Edges, sorted by byte within a state.
  std::vector<unsigned char> edge_byte_;
  std::vector<std::uint32_t> edge_target_;
  std::uint32_t root_next_[256] = {};
  std::vector<std::uint32_t> pattern_length_;
  // The dense form: bytes that no pattern uses share class 0.
  std::uint16_t byte_class_[256] = {};
  std::size_t class_count_ = 1;
  std::vector<std::uint32_t> dense_;
};

}  // namespace vorlix::app
