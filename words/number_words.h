// The Italian words of the whole numbers 0 to 1000, as the workbook writes
// them: upper case, one word, no hyphen and no accent ("VENTITRE").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace words {

class NumberWords {
  public:
    static constexpr int kLast = 1000;

    // The words of 0 to last, built from the rule of the language.
    explicit NumberWords(int last = kLast);

    // The word of n, for n from 0 to the last number of the table.
    const std::string& word(int n) const { return words_.at(static_cast<std::size_t>(n)); }
    int last() const { return static_cast<int>(words_.size()) - 1; }
    // The number whose word is exactly this text (case-sensitive), if any.
    std::optional<int> number(std::string_view text) const;

    // The word of n, 0 to 1000, without building a table.
    static std::string wordOf(int n);

  private:
    std::vector<std::string> words_;
};

}  // namespace words
