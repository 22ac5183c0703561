#pragma once

#include "engine/EngineState.h"
#include "engine/Random.h"
#include "engine/WorkList.h"

#include <optional>
#include <string>
#include <string_view>

// Continues an open dialogue branch: looks below ContextLine for a line with exactly BranchDepth
// leading underscores whose pattern occurs in the phrase, passing over lines of other depths, until
// the next main line or the end of the file closes the branch. Whole patterns only.
class BranchSearch {
public:
    BranchSearch(WorkList& workList, Random& random) : RE2_(workList), random_(random) {}

    // The reply, with BranchDepth one deeper and ContextLine on the answering line; or nothing,
    // with BranchDepth back at 0 (the branch is closed).
    std::optional<std::string> continueBranch(std::string_view phrase, EngineState& state);

private:
    WorkList& RE2_;
    Random& random_;
};
