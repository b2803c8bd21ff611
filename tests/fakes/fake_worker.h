#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/worker.h"

namespace pixo {

// The worker thread as the tests drive it: a job started waits until the test runs it (Finish), and its
// result then goes to `onDone`, as the message to the window would. Wait runs it at once, as the real
// worker's waits for it. Nothing runs on another thread.
class FakeWorker final : public IWorker {
  public:
    void Start(Job job) override {
        if (job_)
            ++startedWhileRunning;
        job_ = std::move(job);
        ++started;
    }
    std::unique_ptr<JobResult> Wait() override {
        if (!job_)
            return nullptr;
        ++waited;
        return Run();
    }

    // Runs the job started and hands its result to onDone; false when none was started.
    bool Finish() {
        if (!job_)
            return false;
        std::unique_ptr<JobResult> result = Run();
        if (onDone)
            onDone(std::move(result));
        return true;
    }
    // Finishes jobs until none is left (each result may start the next); how many ran.
    int FinishAll() {
        int finished = 0;
        while (Finish())
            ++finished;
        return finished;
    }
    bool Running() const { return job_.has_value(); }

    std::function<void(std::unique_ptr<JobResult>)> onDone;
    int started = 0;
    int waited = 0;               // jobs whose result Wait returned
    int startedWhileRunning = 0;  // jobs started before the last one's result was back: never allowed

  private:
    std::unique_ptr<JobResult> Run() {
        const Job job = std::move(*job_);
        job_.reset();
        return job();
    }

    std::optional<Job> job_;
};

}  // namespace pixo
