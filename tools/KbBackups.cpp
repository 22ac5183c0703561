#include "tools/KbBackups.h"

#include "dialogue/KbStatistics.h"
#include "tools/KbReview.h"

#include <cstdio>

namespace {

std::string sizeText(std::uintmax_t bytes) {
    char text[32];
    if (bytes < 1024) {
        std::snprintf(text, sizeof text, "%ju B", bytes);
    } else if (bytes < 1024 * 1024) {
        std::snprintf(text, sizeof text, "%.1f KiB", static_cast<double>(bytes) / 1024);
    } else {
        std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024 * 1024));
    }
    return text;
}

// The counts of "lorintal-kb stats" that tell two bases apart at a glance.
std::string countsText(const LineList& words) {
    const KbStatistics::PhraseCounts counts = KbStatistics::countPhrases(words);
    return "main phrases " + std::to_string(counts.mainPhrases) + ", branches " +
           std::to_string(counts.branches) + ", waiting for a reply " +
           std::to_string(KbReview::waitingLines(words).size());
}

} // namespace

int KbBackups::backup(std::ostream& out) {
    const std::filesystem::path taken = snapshots_.take();
    std::error_code error;
    out << "Snapshot taken: " << taken.string() << " ("
        << sizeText(std::filesystem::file_size(taken, error)) << ")\n";
    return 0;
}

int KbBackups::list(std::ostream& out) const {
    const std::vector<BaseSnapshots::Snapshot> snapshots = snapshots_.list();
    if (snapshots.empty()) {
        out << "No snapshots in " << snapshots_.folder().string()
            << " yet (lorintal-kb backup takes one).\n";
        return 0;
    }
    out << "Snapshots in " << snapshots_.folder().string() << ", oldest first:\n";
    for (const auto& snapshot : snapshots) {
        out << snapshot.path.filename().string() << "  " << sizeText(snapshot.size) << "  ";
        try {
            out << countsText(BaseSnapshots::wordsIn(snapshot.path)) << '\n';
        } catch (const BaseSnapshots::Error& error) {
            out << "unreadable: " << error.what() << '\n';
        }
    }
    return 0;
}

int KbBackups::restore(const std::string& named, std::ostream& out) {
    const std::filesystem::path snapshot = snapshots_.find(named);
    const std::filesystem::path before = snapshots_.restore(snapshot);
    out << "Restored the base from " << snapshot.string() << ".\n";
    if (!before.empty()) {
        out << "The base as it was is in " << before.string() << "; restore that to undo.\n";
    }
    return 0;
}
