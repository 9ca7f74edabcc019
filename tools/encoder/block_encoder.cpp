// The article block encoder, run at build time. For every position of the text
// it finds the longest earlier match in the 2047-byte window through hash
// chains, then chooses the cheapest sequence of units for the whole text by
// working backwards from its end (each unit's cost is its size in the stream,
// so the choice is exact), and finally writes those units out.
#include "tools/encoder/block_encoder.h"

#include "store/compression.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr size_t kMaxDistance = 2047;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 10;
constexpr size_t kMaxRun = 8;
constexpr size_t kMaxLength = 0xFFFF;
constexpr unsigned kHashBits = 15;
// Enough to find a full-length match in any real text; it bounds the time
// spent on texts made of a few repeated bytes.
constexpr int kMaxChainSteps = 1024;

struct Match {
    size_t length = 0;
    size_t distance = 0;
};

enum class UnitKind : uint8_t { kPlain, kSpacePair, kRun, kReference };

// The unit chosen at a position and how many text bytes it stands for.
struct Choice {
    UnitKind kind = UnitKind::kPlain;
    uint8_t covered = 1;
};

bool IsPlainByte(uint8_t b) { return b == 0x00 || (b >= 0x09 && b <= 0x7F); }

bool IsSpacePair(const uint8_t* text, size_t size, size_t i) {
    return i + 1 < size && text[i] == 0x20 && text[i + 1] >= 0x40 && text[i + 1] <= 0x7F;
}

unsigned Hash3(const uint8_t* p) {
    const uint32_t key = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    return (key * 2654435761u) >> (32 - kHashBits);
}

// Longest match for position i among the earlier positions on its chain; the
// nearest one wins a tie. Matches may run into the bytes they repeat.
Match LongestMatch(const uint8_t* text, size_t size, size_t i, int32_t candidate,
                   const std::vector<int32_t>& previous) {
    Match best;
    const size_t limit = std::min(kMaxMatch, size - i);
    for (int steps = 0; candidate >= 0 && steps < kMaxChainSteps; ++steps) {
        const size_t from = static_cast<size_t>(candidate);
        if (i - from > kMaxDistance) break;
        size_t length = 0;
        while (length < limit && text[from + length] == text[i + length]) ++length;
        if (length > best.length) {
            best = {length, i - from};
            if (length == limit) break;
        }
        candidate = previous[from];
    }
    return best.length >= kMinMatch ? best : Match{};
}

std::vector<Match> FindMatches(const uint8_t* text, size_t size) {
    std::vector<Match> matches(size);
    if (size < kMinMatch) return matches;
    std::vector<int32_t> head(size_t{1} << kHashBits, -1);
    std::vector<int32_t> previous(size, -1);
    for (size_t i = 0; i + kMinMatch <= size; ++i) {
        const unsigned hash = Hash3(text + i);
        matches[i] = LongestMatch(text, size, i, head[hash], previous);
        previous[i] = head[hash];
        head[hash] = static_cast<int32_t>(i);
    }
    return matches;
}

// cost[i] is the fewest stream bytes that encode text[i..size); the units are
// independent, so the best choice at i only depends on the costs after it.
// On a tie the earlier candidate is kept: plain byte, space pair, longer
// back-reference, shorter literal run.
std::vector<Choice> ChooseUnits(const uint8_t* text, size_t size, const std::vector<Match>& matches) {
    std::vector<uint32_t> cost(size + 1, 0);
    std::vector<Choice> choices(size);
    for (size_t i = size; i-- > 0;) {
        uint32_t best = UINT32_MAX;
        Choice choice;
        auto consider = [&](UnitKind kind, size_t covered, uint32_t unitSize) {
            const uint32_t total = unitSize + cost[i + covered];
            if (total < best) {
                best = total;
                choice = {kind, static_cast<uint8_t>(covered)};
            }
        };
        if (IsPlainByte(text[i])) consider(UnitKind::kPlain, 1, 1);
        if (IsSpacePair(text, size, i)) consider(UnitKind::kSpacePair, 2, 1);
        for (size_t length = matches[i].length; length >= kMinMatch; --length) {
            consider(UnitKind::kReference, length, 2);
        }
        for (size_t n = 1; n <= std::min(kMaxRun, size - i); ++n) {
            consider(UnitKind::kRun, n, static_cast<uint32_t>(1 + n));
        }
        cost[i] = best;
        choices[i] = choice;
    }
    return choices;
}

void AppendBigEndian16(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value & 0xFF));
}

}  // namespace

std::vector<uint8_t> CompressStream(const uint8_t* text, size_t size) {
    const std::vector<Match> matches = FindMatches(text, size);
    const std::vector<Choice> choices = ChooseUnits(text, size, matches);
    std::vector<uint8_t> stream;
    for (size_t i = 0; i < size; i += choices[i].covered) {
        const Choice choice = choices[i];
        switch (choice.kind) {
        case UnitKind::kPlain:
            stream.push_back(text[i]);
            break;
        case UnitKind::kSpacePair:
            stream.push_back(text[i + 1] ^ 0x80);
            break;
        case UnitKind::kRun:
            stream.push_back(choice.covered);
            stream.insert(stream.end(), text + i, text + i + choice.covered);
            break;
        case UnitKind::kReference: {
            const size_t distance = matches[i].distance;
            stream.push_back(static_cast<uint8_t>(0x80 | (distance >> 5)));
            stream.push_back(static_cast<uint8_t>(((distance & 0x1F) << 3) | (choice.covered - kMinMatch)));
            break;
        }
        }
    }
    return stream;
}

std::vector<uint8_t> EncodeBlock(const std::vector<uint8_t>& text, uint16_t number, uint16_t numberAgain) {
    if (text.empty() || text.size() > kMaxLength) {
        throw std::length_error("article text must be 1 to 65535 bytes");
    }
    const std::vector<uint8_t> stream = CompressStream(text.data(), text.size());
    const size_t payloadLength = stream.size() + kBlockHeaderSize - kPayloadOffset + kBlockTrailerSize;
    if (payloadLength > kMaxLength) {
        throw std::length_error("compressed article does not fit in a block");
    }
    std::vector<uint8_t> block;
    block.reserve(stream.size() + kBlockHeaderSize + kBlockTrailerSize);
    AppendBigEndian16(block, payloadLength);
    AppendBigEndian16(block, number);
    AppendBigEndian16(block, numberAgain);
    AppendBigEndian16(block, stream.size());
    AppendBigEndian16(block, text.size());
    block.insert(block.end(), stream.begin(), stream.end());
    block.insert(block.end(), kBlockTrailerSize, 0x00);
    return block;
}
