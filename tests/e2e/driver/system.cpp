#include "e2e/driver/system.h"

#include <iterator>

namespace pixo::e2e {
namespace {

constexpr wchar_t kMakerKey[] = L"Software\\Kestrow Software";
// The settings of the program, and those of a developer build (a marker file beside the program), each with
// the place where a user's own settings wait while the scenarios run.
struct SettingsKey {
    const wchar_t* key;
    const wchar_t* backup;
};
constexpr SettingsKey kSettingsKeys[] = {
    {L"Software\\Kestrow Software\\Pixoscope",
     L"Software\\Kestrow Software\\Pixoscope (saved by the end-to-end tests)"},
    {L"Software\\Kestrow Software\\Pixoscope (developer build)",
     L"Software\\Kestrow Software\\Pixoscope (developer build, saved by the end-to-end tests)"},
};

void DeleteKey(const wchar_t* path) {
    RegDeleteTreeW(HKEY_CURRENT_USER, path);
    RegDeleteKeyW(HKEY_CURRENT_USER, path);
}

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Copies the key `from` with everything below it to `to` (created when missing).
bool CopyKey(const wchar_t* from, const wchar_t* to) {
    HKEY source = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, from, 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    HKEY target = nullptr;
    bool copied = false;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
        ERROR_SUCCESS) {
        copied = RegCopyTreeW(source, nullptr, target) == ERROR_SUCCESS;
        RegCloseKey(target);
    }
    RegCloseKey(source);
    return copied;
}

struct WindowQuery {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND found;
    std::vector<HWND>* all;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t text[256] = {};
    GetClassNameW(window, text, 256);
    if (query->className != nullptr && std::wstring(text) != query->className)
        return TRUE;
    GetWindowTextW(window, text, 256);
    if (query->title != nullptr && std::wstring(text) != query->title)
        return TRUE;
    query->found = window;
    if (query->all == nullptr)
        return FALSE;
    query->all->push_back(window);
    return TRUE;
}

// Every started program joins this job, which ends them all when this process ends, even by a crash.
HANDLE ScenarioJob() {
    static const HANDLE job = [] {
        const HANDLE created = CreateJobObjectW(nullptr, nullptr);
        if (created != nullptr) {
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
        }
        return created;
    }();
    return job;
}

struct ChildQuery {
    const wchar_t* className;
    std::vector<std::wstring>* texts;
};

BOOL CALLBACK CollectChildText(HWND window, LPARAM param) {
    auto* query = reinterpret_cast<ChildQuery*>(param);
    wchar_t text[256] = {};
    GetClassNameW(window, text, 256);
    if (query->className != nullptr && lstrcmpiW(text, query->className) != 0)
        return TRUE;
    // WM_GETTEXT rather than GetWindowText: the latter does not ask a control of another process.
    text[0] = L'\0';
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    query->texts->push_back(text);
    return TRUE;
}

BOOL CALLBACK PostClose(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId))
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

bool RunningOnWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring EnvironmentPath(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    if (value.empty() || value[0] != L'/')
        return value;
    // A Unix path under Wine: ask Wine for its DOS name.
    using DosNameFn = LPWSTR(CDECL*)(LPCSTR);
    const auto dosName = reinterpret_cast<DosNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (dosName == nullptr)
        return value;
    const std::string narrow(value.begin(), value.end());
    LPWSTR converted = dosName(narrow.c_str());
    if (converted == nullptr)
        return value;
    std::wstring result(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

bool ChildProcess::Start(const std::wstring& path, const std::wstring& arguments, std::wstring& error) {
    Kill();
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Wine's process start fails now and then with ERROR_INTERNAL_ERROR on a loaded machine, before anything
    // of the program has run; the start is tried again then, a few times. Every other error is the answer.
    DWORD failure = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (attempt > 0)
            Sleep(250);
        if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
            failure = ERROR_SUCCESS;
            break;
        }
        failure = GetLastError();
        if (failure != ERROR_INTERNAL_ERROR)
            break;
    }
    if (failure != ERROR_SUCCESS) {
        error = L"cannot start " + path + L" (error " + std::to_wstring(failure) + L")";
        return false;
    }
    if (const HANDLE job = ScenarioJob())
        AssignProcessToJobObject(job, info.hProcess);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

bool ChildProcess::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(milliseconds timeout) const {
    return process_ == nullptr || WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void ChildProcess::Close(milliseconds grace) {
    if (Running()) {
        EnumWindows(PostClose, static_cast<LPARAM>(id_));
        WaitForExit(grace);
    }
    Kill();
}

void ChildProcess::Kill() {
    if (process_ == nullptr)
        return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    WindowQuery query{processId, className, title, nullptr, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className) {
    std::vector<HWND> windows;
    WindowQuery query{processId, className, nullptr, nullptr, &windows};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return windows;
}

std::vector<std::wstring> ChildWindowTexts(HWND parent, const wchar_t* className) {
    std::vector<std::wstring> texts;
    ChildQuery query{className, &texts};
    EnumChildWindows(parent, CollectChildText, reinterpret_cast<LPARAM>(&query));
    return texts;
}

SettingsSandbox::SettingsSandbox() : makerKeyExisted_(KeyExists(kMakerKey)) {
    for (std::size_t i = 0; i < std::size(kSettingsKeys); ++i) {
        const SettingsKey& settings = kSettingsKeys[i];
        DeleteKey(settings.backup);
        if (!KeyExists(settings.key))
            continue;
        saved_[i] = CopyKey(settings.key, settings.backup);
        if (!saved_[i])
            kept_[i] = true;  // never lose a user's settings: the scenario then runs on them
    }
    Clear();
}

SettingsSandbox::~SettingsSandbox() {
    Clear();
    for (std::size_t i = 0; i < std::size(kSettingsKeys); ++i) {
        if (saved_[i] && CopyKey(kSettingsKeys[i].backup, kSettingsKeys[i].key))
            DeleteKey(kSettingsKeys[i].backup);
    }
    if (!makerKeyExisted_)
        RegDeleteKeyW(HKEY_CURRENT_USER, kMakerKey);  // fails, as it should, if anything else lives there
}

void SettingsSandbox::Clear() {
    for (std::size_t i = 0; i < std::size(kSettingsKeys); ++i) {
        if (!kept_[i])
            DeleteKey(kSettingsKeys[i].key);
    }
}

}  // namespace pixo::e2e
