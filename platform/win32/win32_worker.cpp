#include "platform/win32/win32_worker.h"

#include <objbase.h>

#include <system_error>
#include <utility>

namespace pixo {

Win32Worker::Win32Worker(const Win32WindowHost& host)
    : host_(host), posted_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

Win32Worker::~Win32Worker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void Win32Worker::Start(Job job) {
    {
        const std::lock_guard lock(mutex_);
        next_ = std::move(job);
        target_ = host_.Handle();
        busy_ = true;
    }
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { Run(); });
        } catch (const std::system_error&) {
            // No thread to be had: the job runs here, late rather than never.
            std::optional<Job> handed;
            {
                const std::lock_guard lock(mutex_);
                handed = std::exchange(next_, std::nullopt);
            }
            Post(target_, (*handed)());
            return;
        }
    }
    wake_.notify_one();
}

void Win32Worker::Run() {
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    for (;;) {
        std::optional<Job> job;
        HWND window = nullptr;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || next_.has_value(); });
            if (!next_)
                break;
            job = std::exchange(next_, std::nullopt);
            window = target_;
        }
        std::unique_ptr<JobResult> result = (*job)();
        job.reset();  // what the job held goes here, before its result is handed back
        Post(window, std::move(result));
    }
    if (com)
        CoUninitialize();
}

void Win32Worker::Post(HWND window, std::unique_ptr<JobResult> result) {
    JobResult* carried = result.release();
    // The window's queue may be full for a moment; a window that is gone takes nothing any more.
    while (!PostMessageW(window, kJobDoneMessage, 0, reinterpret_cast<LPARAM>(carried))) {
        if (!IsWindow(window)) {
            delete carried;
            break;
        }
        Sleep(10);
    }
    {
        const std::lock_guard lock(mutex_);
        busy_ = next_.has_value();
    }
    SetEvent(posted_.Get());
}

bool Win32Worker::Busy() {
    const std::lock_guard lock(mutex_);
    return busy_;
}

std::unique_ptr<JobResult> Win32Worker::Wait() {
    const HWND window = host_.Handle();
    for (;;) {
        MSG message{};
        if (PeekMessageW(&message, window, kJobDoneMessage, kJobDoneMessage, PM_REMOVE))
            return Received(message.lParam);
        if (!Busy()) {
            // Posted between the look and the question, or nothing runs at all.
            if (PeekMessageW(&message, window, kJobDoneMessage, kJobDoneMessage, PM_REMOVE))
                return Received(message.lParam);
            return nullptr;
        }
        WaitForSingleObject(posted_.Get(), INFINITE);
    }
}

}  // namespace pixo
