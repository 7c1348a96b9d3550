#include "ui/background_search.h"

#include "engine/events.h"
#include "engine/step_record.h"

#include <QMetaObject>

#include <cstdlib>
#include <mutex>
#include <set>

namespace tablamor::ui {
namespace {

// Every search object alive, so that an exit can stop their threads.
struct Registry {
    std::mutex mutex;
    std::set<BackgroundSearch*> searches;
};

Registry& Searches() {
    static Registry registry;
    return registry;
}

void StopEverySearch() {
    Registry& r = Searches();
    const std::lock_guard lock(r.mutex);
    for (BackgroundSearch* search : r.searches) search->Stop();
}

} // namespace

BackgroundSearch::BackgroundSearch(QObject& receiver) : receiver_(receiver) {
    // The registry and the engine's shared sinks the solver plays with are made first, so that
    // they outlive the exit handler (statics and exit handlers end in the reverse order of their
    // making).
    Registry& r = Searches();
    (void)NullEventSink();
    (void)NoStepRecord();
    static const bool registered = std::atexit(StopEverySearch) == 0;
    (void)registered;
    const std::lock_guard lock(r.mutex);
    r.searches.insert(this);
}

BackgroundSearch::~BackgroundSearch() {
    {
        Registry& r = Searches();
        const std::lock_guard lock(r.mutex);
        r.searches.erase(this);
    }
    Stop();
}

void BackgroundSearch::Start(Work work) {
    Stop();
    auto job = std::make_shared<SolveWatch>();
    job_ = job;
    thread_ = std::thread([this, job, work = std::move(work)] {
        std::function<void()> deliver = work(*job);
        QMetaObject::invokeMethod(
            &receiver_,
            [this, job, deliver = std::move(deliver)] {
                if (job != job_ || job->stop) return; // stopped, or another search took over
                job_.reset();
                thread_.join();
                deliver();
            },
            Qt::QueuedConnection);
    });
}

void BackgroundSearch::Stop() {
    if (job_) job_->stop = true;
    job_.reset();
    if (thread_.joinable()) thread_.join();
}

} // namespace tablamor::ui
