#include "capture/save_queue.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pixo {
namespace {

std::uint64_t BytesOf(const Bitmap& bitmap) {
    return static_cast<std::uint64_t>(bitmap.Width()) * static_cast<std::uint64_t>(bitmap.Height()) * sizeof(Pixel);
}

}  // namespace

SaveQueue::SaveQueue(IWorker& worker, const SaveServices& services, Finished finished)
    : worker_(worker), services_(services), finished_(std::move(finished)) {}

void SaveQueue::Submit(SaveRequest request) {
    while (running_ && HeldBytesWith(request.capture.get()) > kHeldBytesLimit)
        FinishRunning();
    waiting_.push_back(std::move(request));
    StartNext();
}

void SaveQueue::Done(std::unique_ptr<JobResult> result) {
    if (!running_)
        return;
    // A save whose result never came back (its window was gone when the worker posted it) has ended all the
    // same: waiting for it would hold up the close for ever.
    running_ = false;
    runningCapture_.reset();
    // The next save starts before this one is reported, as the report may wait for the user (an error box).
    StartNext();
    if (result != nullptr)
        finished_(static_cast<SaveOutcome&>(*result));  // the worker runs no jobs but this queue's saves
}

void SaveQueue::FinishAll() {
    while (running_)
        FinishRunning();
}

void SaveQueue::StartNext() {
    if (running_ || waiting_.empty())
        return;
    running_ = true;
    runningCapture_ = waiting_.front().capture;
    worker_.Start([request = std::move(waiting_.front()), services = services_]() mutable {
        std::unique_ptr<JobResult> outcome = RunSave(std::move(request), services);
        return outcome;
    });
    waiting_.pop_front();
}

void SaveQueue::FinishRunning() {
    Done(worker_.Wait());
}

std::uint64_t SaveQueue::HeldBytesWith(const Bitmap* adding) const {
    std::vector<const Bitmap*> held;
    if (runningCapture_)
        held.push_back(runningCapture_.get());
    for (const SaveRequest& request : waiting_)
        held.push_back(request.capture.get());
    if (adding != nullptr)
        held.push_back(adding);
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    std::uint64_t bytes = 0;
    for (const Bitmap* capture : held)
        bytes += capture != nullptr ? BytesOf(*capture) : 0;
    return bytes;
}

}  // namespace pixo
