#pragma once

#include "tools/BaseSnapshots.h"

#include <ostream>
#include <string>

// The commands on the base's snapshots, as the user sees them: take one, list them with what
// each holds, put one back.
class KbBackups {
public:
    explicit KbBackups(LineFiles files) : snapshots_(std::move(files)) {}

    int backup(std::ostream& out);
    int list(std::ostream& out) const;
    int restore(const std::string& named, std::ostream& out);

private:
    BaseSnapshots snapshots_;
};
