#pragma once
// fc-solve's library (Debian's libfreecell-solver-dev) run in-process on one board at a time, with
// a named preset and an iteration limit. Built only when the library is found; the benchmark
// then sets its figures beside ours, deal by deal.
#include <memory>
#include <string>

namespace tablamor {

// The outcome of one board: decided (solved or proven unsolvable) or cut short by the limit.
struct FcSolveOutcome {
    bool solved = false;
    bool proven = false; // proven unsolvable
    long long iterations = 0;
};

class FcSolveRunner {
public:
    // Throws std::runtime_error when the preset cannot be loaded (the preset files come with
    // Debian's freecell-solver-bin).
    FcSolveRunner(const std::string& preset, long long iterationLimit);
    ~FcSolveRunner();
    FcSolveRunner(const FcSolveRunner&) = delete;
    FcSolveRunner& operator=(const FcSolveRunner&) = delete;

    FcSolveOutcome Solve(const std::string& board);

private:
    void* instance_ = nullptr;
    std::string preset_;
    long long iterationLimit_ = 0;
    void Configure();
};

} // namespace tablamor
