#pragma once

#include <functional>
#include <memory>

namespace pixo {

// What a job made, handed back to the window's thread. Each kind of job derives its own.
class JobResult {
  public:
    virtual ~JobResult() = default;
};

// Work that runs off the window's thread. It takes everything it needs with it as its own copy (captured by
// value) and shares nothing with the window's thread: it reports only through its result.
using Job = std::function<std::unique_ptr<JobResult>()>;

// A thread beside the window's that runs one job at a time, so that long work (encoding a picture, writing
// a file) never stops the lens from drawing and taking keys. A job's result goes back to the window's thread
// as a message to the lens window, which hands it to TFormFilter::JobDone.
class IWorker {
  public:
    virtual ~IWorker() = default;
    // Starts the job off the window's thread. Only one job runs at a time: call it only when the last job's
    // result has come back (as a message or from Wait).
    virtual void Start(Job job) = 0;
    // Waits until the running job has ended and returns its result here instead of as a message, which then
    // never arrives: what closing the program uses, so that no job's work is lost. Call it only while a job
    // runs whose result has not come back.
    virtual std::unique_ptr<JobResult> Wait() = 0;
};

}  // namespace pixo
