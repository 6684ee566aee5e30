#pragma once

#include <string_view>

#include "model/ObservationSet.h"
#include "model/Result.h"

namespace isobra {

// Reads a script as MakeReportScript writes it, in either form or a mix:
// names and words in kanji, hiragana, katakana or half-width katakana,
// digits in ASCII or full-width, spaces anywhere. Sentences end in "。"
// (or "."), clauses are parted by "、" (or ","); a line may hold several
// sentences, and empty lines are skipped. The headings may be left out.
//
// The stations are looked up by name (as written or as read) in the table
// of `stations`, whose names, positions and count the result takes over;
// every other value comes from the script alone. A line the reader cannot
// follow fails the whole script with a message naming the line and the
// words: "3行目の「東京」という観測地点はありません。".
Result<ObservationSet> ReadReportScript(std::string_view utf8, const ObservationSet& stations);

}  // namespace isobra
