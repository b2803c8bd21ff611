#pragma once

#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/win32/handles.h"
#include "platform/win32/win32_window_host.h"
#include "platform/worker.h"

namespace pixo {

// The lens window's worker thread. It runs one job at a time and posts each result to the window as
// kJobDoneMessage, whose lParam owns the result: the window procedure takes it over with Received. The
// thread starts with the first job (a session that never saves a PNG never has one) and ends with the
// program; COM is started on it for the system's imaging component.
class Win32Worker final : public IWorker {
  public:
    static constexpr UINT kJobDoneMessage = WM_APP + 1;

    explicit Win32Worker(const Win32WindowHost& host);
    Win32Worker(const Win32Worker&) = delete;
    Win32Worker& operator=(const Win32Worker&) = delete;
    // Lets the running job end, then ends the thread.
    ~Win32Worker() override;

    void Start(Job job) override;
    // Takes the result out of the window's queue once it has been posted, so that it is handed back here and
    // never arrives as a message.
    std::unique_ptr<JobResult> Wait() override;

    // The result a kJobDoneMessage carries, taken over from its lParam.
    static std::unique_ptr<JobResult> Received(LPARAM lParam) {
        return std::unique_ptr<JobResult>(reinterpret_cast<JobResult*>(lParam));
    }

  private:
    void Run();
    void Post(HWND window, std::unique_ptr<JobResult> result);
    bool Busy();

    const Win32WindowHost& host_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> next_;  // the job handed over, not yet taken up by the thread
    HWND target_ = nullptr;    // the window its result goes to
    bool busy_ = false;        // a job is handed over or running, its result not yet posted
    bool stopping_ = false;
    // Set each time a result has been posted (automatically reset), for Wait.
    KernelObject posted_;
    std::thread thread_;
};

}  // namespace pixo
