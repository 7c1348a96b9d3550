#pragma once
// One solver search at a time on a worker thread, for the window. The work runs on its own copy
// of what it searches and returns what the window is to do with the result; that runs later on
// the window's thread, unless the search was stopped or another one started meanwhile. Starting
// a search or Stop() stops the running one first (the solver reads its stop flag between slices
// of positions, so this takes a moment at most) and waits for its thread; painting and input
// are never held up longer than that. A program that ends without unwinding (exit() when the
// display goes away) stops every search first, before the engine's static objects go.
#include "engine/solver.h"

#include <QObject>

#include <functional>
#include <memory>
#include <thread>

namespace tablamor::ui {

class BackgroundSearch {
public:
    // Runs on the worker thread; the watch is the one the search must be given.
    using Work = std::function<std::function<void()>(SolveWatch& watch)>;

    // Results are delivered on `receiver`'s thread; the search must not outlive it.
    explicit BackgroundSearch(QObject& receiver);
    ~BackgroundSearch();
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    void Start(Work work);
    void Stop();
    bool Running() const { return job_ != nullptr; }
    // Positions the running search has searched so far.
    long long Positions() const { return job_ ? job_->positions.load() : 0; }

private:
    QObject& receiver_;
    std::shared_ptr<SolveWatch> job_;
    std::thread thread_;
};

} // namespace tablamor::ui
