// The build's summary: what the library weighs, and every place where the
// Codex could not be carried over exactly.
#include <algorithm>
#include <iomanip>
#include <ostream>

#include "store/compression.h"
#include "tools/library/library_build.h"

namespace {

double Ratio(size_t compressed, size_t decoded) {
    return decoded == 0 ? 0.0 : static_cast<double>(compressed) / static_cast<double>(decoded);
}

void PrintSizes(const BuiltLibrary& library, std::ostream& out) {
    size_t decoded = 0;
    size_t compressed = 0;
    const BuiltResource* largest = nullptr;
    out << "resource  decoded  block  ratio  name\n";
    for (const BuiltResource& resource : library.resources) {
        out << std::setw(8) << resource.resourceId << std::setw(9) << resource.text.size() << std::setw(7)
            << resource.block.size() << std::setw(7) << std::fixed << std::setprecision(3)
            << Ratio(resource.block.size(), resource.text.size()) << "  " << resource.name << "\n";
        decoded += resource.text.size();
        compressed += resource.block.size();
        const bool isArticle = resource.resourceId <= kArticleResourceBase + kArticleCount;
        if (isArticle && (largest == nullptr || resource.text.size() > largest->text.size())) largest = &resource;
    }
    out << "total: " << decoded << " bytes decoded, " << compressed << " bytes in blocks, ratio "
        << std::setprecision(3) << Ratio(compressed, decoded) << "\n";
    if (largest != nullptr)
        out << "largest article: " << largest->resourceId << " " << largest->name << ", " << largest->text.size()
            << " bytes decoded, " << largest->block.size() << " bytes in its block\n";
}

void PrintReport(const DropReport& report, std::ostream& out) {
    out << "qere readings shown instead of the written form: " << report.qereReadings << "\n";
    out << "marks kept in the articles' marks layers: " << report.layerMarks << "\n";
    out << "marks dropped:\n";
    for (const auto& [kind, count] : report.droppedMarks) out << "  " << kind << ": " << count << "\n";
    out << "coded by a near equivalent:\n";
    for (const auto& [kind, count] : report.substitutions) out << "  " << kind << ": " << count << "\n";
    out << "marks the codes cannot express (dropped): " << report.inexpressible.size() << "\n";
    for (const InexpressibleCase& item : report.inexpressible)
        out << "  " << item.where << "  " << item.word << "  " << item.what << "\n";
}

}  // namespace

void PrintSummary(const BuiltLibrary& library, std::ostream& out) {
    PrintSizes(library, out);
    PrintReport(library.report, out);
}
