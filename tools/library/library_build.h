// The whole library: every article block, the index block, the verse map and
// the aliyah table, made from the Codex, the leyning package's readings and
// the data tables, written as files with a resource script.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "tools/library/drop_report.h"

struct BuiltResource {
    int resourceId = 0;      // 1001..1057, 2001..2057 for their marks, 32767 the index, 32766 the verse map, 32764 the aliyot
    std::string name;        // English name for the summary
    std::string fileName;    // e.g. "article_1001.bin"
    std::vector<uint8_t> text;   // decoded bytes
    std::vector<uint8_t> block;  // the compressed block
};

struct BuiltLibrary {
    std::vector<BuiltResource> resources;  // articles in order, their marks layers, the index and the verse map
    DropReport report;
};

// The two number fields of an article's block: n for the weekly portions,
// 81, 82, 83 for articles 55, 56, 57.
uint16_t BlockNumberOfArticle(int article);
constexpr uint16_t kIndexBlockNumber = 1;
constexpr uint16_t kIndexBlockNumberAgain = 255;
constexpr int kIndexResourceId = 32767;
constexpr uint16_t kVerseMapBlockNumber = 2;
constexpr uint16_t kVerseMapBlockNumberAgain = 254;
constexpr uint16_t kAliyahTableBlockNumber = 4;
constexpr uint16_t kAliyahTableBlockNumberAgain = 252;

// Reads codexDir/<book>.xml for every book of dataDir/books.tsv and the
// articles of dataDir/portions.tsv, and builds all blocks; the aliyah table
// from the leyning package's data files in leyningDir (BuildAliyahTable).
// Throws std::runtime_error on any fault in the input, and when the built
// texts fail the chapter marks' check or the readings the aliyot's.
BuiltLibrary BuildLibrary(const std::string& codexDir, const std::string& dataDir, const std::string& leyningDir);

// Writes each block to outDir/<fileName> and outDir/library.rc, one line per
// resource: `<id> RCDATA "<fileName>"`. Throws std::runtime_error when a file
// cannot be written.
void WriteLibrary(const BuiltLibrary& library, const std::string& outDir);

// Sizes per resource, totals, ratio, the largest article, and what the
// conversion dropped or could not express.
void PrintSummary(const BuiltLibrary& library, std::ostream& out);
