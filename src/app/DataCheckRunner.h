#pragma once
#include <string>
#include <vector>

#include "engine/DataCheck.h"

// `--check-data`: runs every registered check (see engine/DataCheck.h for adding one).
namespace datacheck {

struct Outcome {
    std::vector<std::string> lines;  // the report: problems, then skipped checks
    int problems = 0;
    int skipped = 0;  // checks that need OpenGL, run without a context
    // Exit code: 1 when a problem was found or, unless skipping was allowed, a check was skipped.
    int ExitCode(bool skippingAllowed) const { return problems > 0 || (skipped > 0 && !skippingAllowed) ? 1 : 0; }
};

// Runs `checks`; those that need OpenGL only when `haveGl`.
Outcome Run(const std::vector<Entry>& checks, bool haveGl, bool skippingAllowed);

// The whole `--check-data` run: a hidden OpenGL context when a display exists (and `noGl` is not
// given), the loaders' own log lines kept out of the report, the report on standard output.
// Returns the exit code.
int RunAll(bool noGl);

}  // namespace datacheck
