// Reading an article straight from the generated library's block files, for
// the native benchmarks.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/compression.h"

// The decoded text of an article block file, or an empty text.
inline ArticleText ReadArticleFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (block.size() < kBlockHeaderSize) return {};
    const unsigned payloadLength = (block[0] << 8) | block[1];
    int error = 0;
    return UnCompress(block.data() + kPayloadOffset, block.size() - kPayloadOffset, payloadLength, &error);
}

inline std::string ArticleFilePath(const std::string& folder, int article) {
    return folder + "/article_" + std::to_string(kArticleResourceBase + article) + ".bin";
}
