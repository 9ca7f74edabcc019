// What the conversion from the Codex leaves out or changes: marks dropped by
// rule and forms coded by a near equivalent, counted by kind, and every mark
// that the article codes cannot express, one case each; and how many marks
// the marks layers keep beside the codes.
#pragma once

#include <map>
#include <string>
#include <vector>

struct InexpressibleCase {
    std::string where;  // verse reference, e.g. "Gen.43.26"
    std::string word;   // the word as written, UTF-8
    std::string what;   // the mark dropped and its letter
};

struct DropReport {
    std::map<std::string, int> droppedMarks;  // kind -> count
    std::map<std::string, int> substitutions;  // kind -> count
    std::vector<InexpressibleCase> inexpressible;
    int qereReadings = 0;
    int layerMarks = 0;  // the marks kept in the articles' marks layers
};
