#pragma once

#include "engine/LineFiles.h"
#include "engine/PathResolver.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Dated snapshots of a program folder's "Base": gzip-compressed tar archives in "Backups" beside
// it, named "Base-YYYY-MM-DD-HHMMSS.tar.gz" by the local time they were taken, the last 20 kept.
//
// A snapshot holds the plain files of "Base" (the lock file, other hidden files and the leftovers
// of killed saves excepted). Taking one holds the base's lock, so it never catches a file halfway
// through a copy's learning; restoring holds it throughout, and first snapshots the base as it
// stands, so a restore can itself be undone. Every file is written beside its place, flushed and
// renamed into it: an interrupted snapshot or restore leaves each file whole, old or new.
class BaseSnapshots {
public:
    static constexpr int kKept = 20;
    static constexpr const char* kFolder = "Backups";

    // What cannot be done, in a sentence for the user.
    class Error : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    struct Snapshot {
        std::filesystem::path path;
        std::uintmax_t size = 0;
    };

    explicit BaseSnapshots(LineFiles files);

    // Takes a snapshot now and keeps the last kKept; returns its path.
    std::filesystem::path take();
    // The snapshots in "Backups", oldest first; files there of other names are not snapshots.
    std::vector<Snapshot> list() const;
    // The snapshot named by the user: a path to a file, or the name of one in "Backups".
    std::filesystem::path find(const std::string& named) const;
    // Puts the snapshot's files back into "Base". Returns the snapshot taken of the base before.
    // Throws Error, changing nothing, for an archive that is not a snapshot of a base.
    std::filesystem::path restore(const std::filesystem::path& snapshot);
    // The lines of "Base\Words.Dat" held in a snapshot.
    static LineList wordsIn(const std::filesystem::path& snapshot);

    // Whether the last snapshot is older than a day, or there is none.
    bool due(std::chrono::system_clock::time_point now) const;
    // The window program's start: a snapshot when one is due. Says on `errors`, and only there,
    // why one could not be taken; the program starts all the same.
    static void takeDaily(const std::filesystem::path& folder, std::ostream& errors);

    std::filesystem::path folder() const;

private:
    std::filesystem::path takeHeld(const std::optional<std::filesystem::path>& keep);
    void keepLast(const std::optional<std::filesystem::path>& keep) const;
    std::filesystem::path baseFolder() const;

    LineFiles files_;
};
