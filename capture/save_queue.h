#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "capture/save_job.h"
#include "platform/worker.h"

namespace pixo {

// The saves that run off the window's thread (PNG files and clipboard pictures), one at a time in the order
// they were asked for: a save asked for while another runs waits its turn, and none is lost. Each save holds
// the capture it saves until its outcome is back on the window's thread (HeldCapture::Snapshot), so a
// recapture meanwhile never changes what it writes.
//
// Memory: saves of one capture share it, but a recapture between saves gives each its own. The captures held
// by the saves not yet done may take kHeldBytesLimit together; a save that would take them past it waits on
// the window's thread for the oldest saves to finish first. So memory stays bounded, nothing is dropped, and
// the lens stops only when saves are asked for much faster than they can be written.
class SaveQueue {
  public:
    // What the window's thread does with each finished save: the shutter, the message, or the error box.
    using Finished = std::function<void(SaveOutcome& outcome)>;
    // Four captures of a 3840 x 2160 screen, sixteen of 1920 x 1080. A single capture larger than this is
    // still saved, alone.
    static constexpr std::uint64_t kHeldBytesLimit = std::uint64_t{128} << 20;

    SaveQueue(IWorker& worker, const SaveServices& services, Finished finished);

    // Queues the save, which starts at once when none runs.
    void Submit(SaveRequest request);
    // A save's result, come back to the window's thread as a message (TFormFilter::JobDone): the next save
    // starts, then this one's outcome is handed on.
    void Done(std::unique_ptr<JobResult> result);
    // Waits for every save asked for and hands on each outcome: the program closes and must lose none.
    void FinishAll();

    // The saves not yet done, the running one included.
    std::size_t Count() const { return waiting_.size() + (running_ ? 1 : 0); }
    // The bytes of the captures they hold, each counted once.
    std::uint64_t HeldBytes() const { return HeldBytesWith(nullptr); }

  private:
    void StartNext();
    void FinishRunning();
    std::uint64_t HeldBytesWith(const Bitmap* adding) const;

    IWorker& worker_;
    SaveServices services_;
    Finished finished_;
    std::deque<SaveRequest> waiting_;
    bool running_ = false;
    // The running save's capture, kept here too so that it is let go on the window's thread.
    std::shared_ptr<const Bitmap> runningCapture_;
};

}  // namespace pixo
