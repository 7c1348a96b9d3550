#include "fc_solve_runner.h"

#include <freecell-solver/fcs_cl.h>
#include <freecell-solver/fcs_user.h>

#include <cstdlib>
#include <stdexcept>

namespace tablamor {

FcSolveRunner::FcSolveRunner(const std::string& preset, long long iterationLimit)
    : instance_(freecell_solver_user_alloc()), preset_(preset), iterationLimit_(iterationLimit) {
    if (instance_ == nullptr) throw std::runtime_error("fc-solve: cannot allocate a solver");
    Configure();
}

FcSolveRunner::~FcSolveRunner() {
    freecell_solver_user_free(instance_);
}

void FcSolveRunner::Configure() {
    freecell_solver_str_t known[] = {nullptr};
    char* error = nullptr;
    const int status = freecell_solver_user_cmd_line_read_cmd_line_preset(
        instance_, preset_.c_str(), known, &error, 0, nullptr);
    std::string message = error != nullptr ? error : "";
    std::free(error);
    if (status != 0)
        throw std::runtime_error("fc-solve: cannot load the preset " + preset_ + " " + message);
    freecell_solver_user_limit_iterations_long(instance_, iterationLimit_);
}

FcSolveOutcome FcSolveRunner::Solve(const std::string& board) {
    FcSolveOutcome outcome;
    const int status = freecell_solver_user_solve_board(instance_, board.c_str());
    outcome.solved = status == FCS_STATE_WAS_SOLVED;
    outcome.proven = status == FCS_STATE_IS_NOT_SOLVEABLE;
    outcome.iterations = static_cast<long long>(freecell_solver_user_get_num_times_long(instance_));
    freecell_solver_user_recycle(instance_);
    return outcome;
}

} // namespace tablamor
