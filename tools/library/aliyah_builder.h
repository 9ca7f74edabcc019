// The aliyah table, made from the data files of the npm package
// @hebcal/leyning and checked against the Codex: the seven aliyot and the
// maftir of each weekly portion's full reading, those of the seven pairs of
// portions read together, and the special maftirs of data/special_maftirs.tsv.
#pragma once

#include <string>
#include <vector>

#include "store/aliyah_table.h"
#include "tools/library/article_builder.h"
#include "tools/library/library_tables.h"

// The package numbers the verses of the Ten Commandments as English Bibles
// do, the Codex each of the last commandments as a verse of its own: from
// these verses on, a chapter of the Codex has three more.
struct VerseShift {
    int book = 0;
    int chapter = 0;
    int fromVerse = 0;
    int by = 0;
};
inline constexpr VerseShift kTenCommandmentsShifts[] = {{2, 20, 14, 3}, {5, 5, 18, 3}};

// The Codex's verse for the package's "chapter:verse" of a book (1..5).
// Throws std::runtime_error for another shape.
VerseReference CodexVerseOf(int book, const std::string& chapterVerse);

// Reads leyningDir/aliyot.json.js, leyningDir/holiday-readings.json.js,
// leyningDir/numverses.json.js and dataDir/special_maftirs.tsv. Throws
// std::runtime_error, naming the reading or the chapter, unless every chapter
// of the package, shifted, has as many verses as the Codex's, the package has
// the 54 portions and 7 pairs with aliyot 1 to 7 (and a maftir, which Vezot
// Haberakhah takes from Simchat Torah) and every special maftir, each range
// is verses of the Codex in order, the aliyot of a reading follow each other
// and cover its articles' ranges exactly, and each maftir lies inside the
// seventh aliyah and ends with it.
AliyahTable BuildAliyahTable(const std::string& leyningDir, const std::string& dataDir,
                             const std::vector<BookEntry>& books, const std::vector<ArticleEntry>& articles,
                             const Codex& codex);
