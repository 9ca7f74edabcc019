// Finds an article block among the program's resources and expands it.
#include "store/article_resource.h"

#include <windows.h>

#include "app/program.h"

static void StoreError(int* error, int code) {
    if (error != nullptr) *error = code;
}

ArticleText LoadArticleResource(int number, int* error) {
    if (number < 1) return {};
    const auto id = static_cast<WORD>(kArticleResourceBase + number);
    HRSRC resource = FindResourceW(program.instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    if (resource == nullptr) {
        StoreError(error, kNoSuchResource);
        return {};
    }
    const DWORD size = SizeofResource(program.instance, resource);
    HGLOBAL loaded = size == 0 ? nullptr : LoadResource(program.instance, resource);
    const auto* block = loaded == nullptr ? nullptr : static_cast<const uint8_t*>(LockResource(loaded));
    if (block == nullptr) {
        StoreError(error, kResourceEmptyOrNoMemory);
        return {};
    }
    // The header's own lengths are checked against the resource's true size.
    const unsigned payloadLength = size >= 2 ? (block[0] << 8) | block[1] : 0;
    const size_t available = size > kPayloadOffset ? size - kPayloadOffset : 0;
    int code = kUnCompressOk;
    ArticleText text = UnCompress(block + (size > kPayloadOffset ? kPayloadOffset : size), available, payloadLength, &code);
    StoreError(error, code);
    if (code == kBufferError) {
        MessageBoxW(nullptr, L"UnCompress() buffer error!", nullptr, MB_OK);
    }
    return text;
}

ArticleNames ProgramArticleNames() {
    const ArticleText index = LoadArticleResource(kIndexArticleNumber, nullptr);
    if (index.empty()) return ArticleNames(kArticleCount + 1);
    return ArticleNamesFromIndex(index.data(), index.size());
}
