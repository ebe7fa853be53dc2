#include "app/search/names/near_text.h"

#include <algorithm>
#include <array>

#include "runtime/commands/double_byte.h"

namespace vorlix::app {
namespace {

constexpr bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::size_t CharacterEnd(std::string_view text, std::size_t at, NameEncoding encoding) {
  if (encoding == NameEncoding::kGbk) return std::min(text.size(), at + commands::CharacterSize(text, at));
  std::size_t end = at + 1;
  while (end < text.size() && end - at < 4 && IsUtf8Continuation(static_cast<unsigned char>(text[end]))) ++end;
  return end;
}

// Full-width digits and letters in GBK (A3B0...) and in UTF-8 (U+FF10...).
struct WideRange {
  std::uint32_t first;
  std::uint32_t last;
  char ascii;
};
constexpr WideRange kWideRanges[] = {
    {0xA3B0, 0xA3B9, '0'},       {0xA3C1, 0xA3DA, 'a'},       {0xA3E1, 0xA3FA, 'a'},
    {0xEFBC90, 0xEFBC99, '0'},   {0xEFBCA1, 0xEFBCBA, 'a'},   {0xEFBD81, 0xEFBD9A, 'a'},
};
constexpr std::uint32_t kIdeographicSpaceGbk = 0xA1A1;
constexpr std::uint32_t kIdeographicSpaceUtf8 = 0xE38080;

bool Dropped(std::uint32_t code) {
  return code == ' ' || code == '_' || code == '-' || code == '.' || code == kIdeographicSpaceGbk ||
         code == kIdeographicSpaceUtf8;
}

void AppendCode(std::uint32_t code, std::string& text) {
  bool started = false;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto byte = static_cast<char>(code >> shift & 0xFF);
    if (started || byte != 0 || shift == 0) {
      text += byte;
      started = true;
    }
  }
}

// Rows of the alignment table for texts up to this long live on the stack:
// the table is filled for millions of pairs.
constexpr std::size_t kRowOnStack = 512;

// One row of the alignment table after another; `free_start` lets the
// part of b begin anywhere (a part's distance), else b is taken whole and
// only the cells within `bound` of the diagonal can stay within it.
int Align(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b, int bound, bool free_start) {
  const std::size_t n = b.size();
  const int over = bound + 1;
  std::array<int, 3 * (kRowOnStack + 1)> on_stack;
  std::vector<int> on_heap(n > kRowOnStack ? 3 * (n + 1) : 0);
  int* const cells = n > kRowOnStack ? on_heap.data() : on_stack.data();
  int* before_last = cells;
  int* last = cells + (n + 1);
  int* row = cells + 2 * (n + 1);
  std::fill(cells, cells + 3 * (n + 1), over);
  for (std::size_t j = 0; j <= n; ++j) last[j] = free_start ? 0 : std::min<int>(static_cast<int>(j), over);
  const auto band = static_cast<std::size_t>(bound);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    const std::size_t first = free_start || i <= band + 1 ? 1 : i - band;
    const std::size_t end = free_start ? n : std::min(n, i + band);
    row[0] = std::min<int>(static_cast<int>(i), over);
    if (first > 1) row[first - 1] = over;
    int least = first == 1 ? row[0] : over;
    for (std::size_t j = first; j <= end; ++j) {
      int best = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) best = std::min(best, before_last[j - 2] + 1);
      row[j] = std::min(best, over);
      least = std::min(least, row[j]);
    }
    if (least > bound) return over;
    std::swap(before_last, last);
    std::swap(last, row);
  }
  return free_start ? *std::min_element(last, last + n + 1) : last[n];
}

}  // namespace

void CharacterCodes::Assign(std::string_view text, NameEncoding encoding) {
  codes.clear();
  starts.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = CharacterEnd(text, at, encoding);
    std::uint32_t code = 0;
    for (std::size_t byte = at; byte < end; ++byte) code = code << 8 | static_cast<unsigned char>(text[byte]);
    codes.push_back(code);
    starts.push_back(static_cast<std::uint32_t>(at));
    at = end;
  }
  starts.push_back(static_cast<std::uint32_t>(text.size()));
}

void AppendNormalised(std::span<const std::uint32_t> codes, std::string& normal) {
  for (const std::uint32_t code : codes) {
    if (Dropped(code)) continue;
    if (code < 0x80) {
      normal += static_cast<char>(code);
      continue;
    }
    const auto wide = std::find_if(std::begin(kWideRanges), std::end(kWideRanges),
                                   [code](const WideRange& range) { return code >= range.first && code <= range.last; });
    if (wide != std::end(kWideRanges)) {
      normal += static_cast<char>(wide->ascii + (code - wide->first));
    } else {
      AppendCode(code, normal);
    }
  }
}

int BoundedEdits(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b, int bound) {
  const auto difference = static_cast<long>(a.size()) - static_cast<long>(b.size());
  if (difference > bound || -difference > bound) return bound + 1;
  return Align(a, b, bound, false);
}

int BoundedEditsToPart(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b, int bound) {
  return Align(a, b, bound, true);
}

std::size_t StemCharacters(const CharacterCodes& name) {
  for (std::size_t at = name.size(); at-- > 1;) {
    if (name.codes[at] == '.') return at;
  }
  return 0;
}

}  // namespace vorlix::app
