#include "app/results/sorted_order.h"

#include <algorithm>
#include <numeric>
#include <thread>
#include <utility>

#include "runtime/commands/text_compare.h"

namespace vorlix::app {
namespace {

// Halves sorted side by side, then merged: a million keys sort in about
// half the time on two cores. Which classes the keys form does not depend
// on how they were sorted.
template <class Less>
void SortOnTwoThreads(std::vector<std::int32_t>& values, Less less) {
  constexpr std::size_t kWorthAThread = 20000;
  if (values.size() < kWorthAThread || std::thread::hardware_concurrency() < 2) {
    std::sort(values.begin(), values.end(), less);
    return;
  }
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::thread first_half([&] { std::sort(values.begin(), middle, less); });
  std::sort(middle, values.end(), less);
  first_half.join();
  std::inplace_merge(values.begin(), middle, values.end(), less);
}

// Keys that compare equal form one class; classes are numbered from 0 in
// ascending order.
std::vector<std::int32_t> ClassesOf(std::span<const std::string_view> keys, bool case_sensitive, std::int32_t& count) {
  std::vector<std::int32_t> ascending(keys.size());
  std::iota(ascending.begin(), ascending.end(), 0);
  SortOnTwoThreads(ascending, [&](std::int32_t a, std::int32_t b) {
    return commands::CompareText(keys[a], keys[b], case_sensitive) < 0;
  });
  std::vector<std::int32_t> classes(keys.size());
  count = 0;
  for (std::size_t k = 0; k < ascending.size(); ++k) {
    if (k == 0 || commands::CompareText(keys[ascending[k - 1]], keys[ascending[k]], case_sensitive) != 0) ++count;
    classes[ascending[k]] = count - 1;
  }
  return classes;
}

// How many keys of each class have been inserted, with sums over the
// classes below a given one (a Fenwick tree).
class ClassCounts {
 public:
  explicit ClassCounts(std::int32_t classes) : tree_(static_cast<std::size_t>(classes) + 1), own_(tree_.size()) {}

  void Add(std::int32_t class_number) {
    ++own_[class_number];
    for (std::size_t i = static_cast<std::size_t>(class_number) + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
  }
  std::int32_t Below(std::int32_t class_number) const {
    std::int32_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(class_number); i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }
  std::int32_t Of(std::int32_t class_number) const { return own_[class_number]; }

 private:
  std::vector<std::int32_t> tree_;
  std::vector<std::int32_t> own_;
};

// Sequences with insertion by rank, one per class: treaps ordered by place
// (no keys) sharing one pool of nodes, each node knowing its subtree's
// size. Random priorities keep them shallow whatever the insertions.
class RankedSequences {
 public:
  RankedSequences(std::size_t values, std::int32_t sequences) : roots_(static_cast<std::size_t>(sequences), kNone) {
    nodes_.reserve(values + 1);
    nodes_.push_back({});
  }

  // Puts the value at `rank` (from 0) of the sequence; the rest move back.
  void Insert(std::int32_t sequence, std::int32_t rank, std::int32_t value) {
    nodes_.push_back({.value = value, .priority = NextPriority(), .size = 1});
    roots_[sequence] = InsertAt(roots_[sequence], rank, static_cast<std::int32_t>(nodes_.size() - 1));
  }

  void AppendValues(std::int32_t sequence, std::vector<std::int32_t>& out) const {
    // In order without recursion: down the left spine, then each right subtree.
    std::vector<std::int32_t> pending;
    std::int32_t node = roots_[sequence];
    while (node != kNone || !pending.empty()) {
      for (; node != kNone; node = nodes_[node].left) pending.push_back(node);
      node = pending.back();
      pending.pop_back();
      out.push_back(nodes_[node].value);
      node = nodes_[node].right;
    }
  }

 private:
  // Node 0 stands for "none": size 0, so sizes need no test for it.
  static constexpr std::int32_t kNone = 0;
  struct Node {
    std::int32_t left = kNone;
    std::int32_t right = kNone;
    std::int32_t value = 0;
    std::uint32_t priority = 0;
    std::int32_t size = 0;
  };

  std::uint32_t NextPriority() {
    // xorshift32: any fixed seed serves, the shape only has to look random.
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return seed_;
  }

  void Resize(std::int32_t node) {
    nodes_[node].size = 1 + nodes_[nodes_[node].left].size + nodes_[nodes_[node].right].size;
  }

  // The first `rank` values of the subtree, and the rest.
  std::pair<std::int32_t, std::int32_t> Split(std::int32_t node, std::int32_t rank) {
    if (node == kNone) return {kNone, kNone};
    const std::int32_t left_size = nodes_[nodes_[node].left].size;
    if (rank <= left_size) {
      auto [before, after] = Split(nodes_[node].left, rank);
      nodes_[node].left = after;
      Resize(node);
      return {before, node};
    }
    auto [before, after] = Split(nodes_[node].right, rank - left_size - 1);
    nodes_[node].right = before;
    Resize(node);
    return {node, after};
  }

  std::int32_t InsertAt(std::int32_t node, std::int32_t rank, std::int32_t added) {
    if (node == kNone) return added;
    if (nodes_[added].priority > nodes_[node].priority) {
      auto [before, after] = Split(node, rank);
      nodes_[added].left = before;
      nodes_[added].right = after;
      Resize(added);
      return added;
    }
    const std::int32_t left_size = nodes_[nodes_[node].left].size;
    if (rank <= left_size) {
      nodes_[node].left = InsertAt(nodes_[node].left, rank, added);
    } else {
      nodes_[node].right = InsertAt(nodes_[node].right, rank - left_size - 1, added);
    }
    Resize(node);
    return node;
  }

  std::vector<Node> nodes_;
  std::vector<std::int32_t> roots_;
  std::uint32_t seed_ = 0x9E3779B9;
};

}  // namespace

// The keys inserted so far are in ascending order, so those equal to the
// next one form one run at places first..last. Every comparison of the
// bisection is then known from the place alone (+1 before the run, 0 in
// it, -1 after it), so the insertion place follows from two counts, and
// the new key's rank within its run is all that the order of equal keys
// needs.
std::vector<std::int32_t> SortedOrder(std::span<const std::string_view> keys, bool case_sensitive) {
  std::int32_t class_count = 0;
  const std::vector<std::int32_t> classes = ClassesOf(keys, case_sensitive, class_count);
  ClassCounts counts(class_count);
  RankedSequences runs(keys.size(), class_count);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::int32_t run = classes[i];
    const std::int32_t first = counts.Below(run) + 1;
    const std::int32_t last = first + counts.Of(run) - 1;
    const std::int32_t place = FindSortedPosition(static_cast<std::int32_t>(i), [&](std::int32_t k) {
      return k < first ? 1 : (k > last ? -1 : 0);
    });
    runs.Insert(run, place - first, static_cast<std::int32_t>(i));
    counts.Add(run);
  }
  std::vector<std::int32_t> order;
  order.reserve(keys.size());
  for (std::int32_t run = 0; run < class_count; ++run) runs.AppendValues(run, order);
  return order;
}

std::vector<std::int32_t> SortedOrder(std::span<const core::Text> keys, bool case_sensitive) {
  const std::vector<std::string_view> views(keys.begin(), keys.end());
  return SortedOrder(views, case_sensitive);
}

}  // namespace vorlix::app
