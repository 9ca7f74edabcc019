// Article blocks for the native benchmarks: a block file of the generated
// library read into memory and expanded with UnCompress.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/compression.h"

inline std::vector<uint8_t> ReadBlockFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The decoded text of a whole block, or an empty text.
inline ArticleText DecodeBlock(const std::vector<uint8_t>& block) {
    if (block.size() < kBlockHeaderSize) return {};
    const unsigned payloadLength = (block[0] << 8) | block[1];
    int error = 0;
    return UnCompress(block.data() + kPayloadOffset, block.size() - kPayloadOffset, payloadLength, &error);
}

// The path of article n's block in the generated folder.
inline std::string ArticleBlockPath(const std::string& folder, int n) {
    return folder + "/article_" + std::to_string(kArticleResourceBase + n) + ".bin";
}
