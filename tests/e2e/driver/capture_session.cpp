#include "e2e/driver/capture_session.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <initializer_list>

namespace pixo::e2e {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

bool InAny(const std::vector<RECT>& rects, POINT at) {
    return std::any_of(rects.begin(), rects.end(), [&](const RECT& r) { return PtInRect(&r, at) != FALSE; });
}

}  // namespace

std::wstring ProgramFolder() {
    std::wstring exe = EnvironmentPath(L"PIXO_EXE");
    if (exe.empty()) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        exe = path;
        exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"..\\..\\app\\pixoscope.exe";
    }
    return exe.substr(0, exe.find_last_of(L"\\/") + 1);
}

void DeleteFolderOrFile(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                DeleteFileW((path + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
    DeleteFileW(path.c_str());
}

bool CreateEmptyFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

ScreenPicture LoadBmp(const std::wstring& path) {
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return {};
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    ScreenPicture picture = ReadBitmap(bitmap, info.bmWidth, info.bmHeight);
    DeleteObject(bitmap);
    return picture;
}

ScreenPicture LoadPng(const std::wstring& path) {
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    UINT width = 0;
    UINT height = 0;
    WICPixelFormatGUID format{};
    ScreenPicture picture;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
        SUCCEEDED(frame->GetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
        std::vector<BYTE> bgr(static_cast<std::size_t>(width) * height * 3);
        if (SUCCEEDED(frame->CopyPixels(nullptr, width * 3, static_cast<UINT>(bgr.size()), bgr.data()))) {
            picture = ScreenPicture(0, 0, static_cast<int>(width), static_cast<int>(height));
            for (std::size_t i = 0; i < picture.Pixels().size(); ++i)
                picture.At(static_cast<int>(i % width), static_cast<int>(i / width)) =
                    MakeRgb(bgr[3 * i + 2], bgr[3 * i + 1], bgr[3 * i]);
        }
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, decoder, factory}) {
        if (object != nullptr)
            object->Release();
    }
    if (com)
        CoUninitialize();
    return picture;
}

std::string CheckCapture(const ScreenPicture& picture, const RECT& shot, Variant variant) {
    if (picture.Width() != shot.right - shot.left || picture.Height() != shot.bottom - shot.top)
        return "the picture is " + std::to_string(picture.Width()) + " x " + std::to_string(picture.Height()) +
               ", expected " + std::to_string(shot.right - shot.left) + " x " + std::to_string(shot.bottom - shot.top);
    const std::vector<RECT> monitors = MonitorRects();
    const std::vector<RECT> work = WorkAreas();
    Complaints complaints;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const POINT at{shot.left + x, shot.top + y};
            if (!InAny(monitors, at)) {
                if (picture.At(x, y) != 0)
                    complaints.Add(x, y, picture.At(x, y), 0, "black, off every monitor");
            } else if (InAny(work, at) && picture.At(x, y) != DesktopRgb(at.x, at.y, variant)) {
                complaints.Add(x, y, picture.At(x, y), DesktopRgb(at.x, at.y, variant), "the desktop");
            }
        }
    }
    return complaints.Empty() ? std::string() : complaints.Report();
}

void CaptureSession::SetUp() {
    folder_ = ProgramFolder() + L"Screendumps";
    marker_ = ProgramFolder() + L"Pixoscope.developer";
    DeleteFolderOrFile(folder_);
    ASSERT_TRUE(CreateEmptyFile(marker_)) << "cannot mark the program as a developer build";
    PrepareFolder();
    LensSession::SetUp();
}

void CaptureSession::TearDown() {
    LensSession::TearDown();
    DeleteFileW(marker_.c_str());
    DeleteFolderOrFile(folder_);
}

std::vector<std::wstring> CaptureSession::Captures(const std::wstring& extension) const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder_ + L"\\*" + extension).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

ScreenPicture CaptureSession::WaitForCapture(std::size_t count,
                                             const std::wstring& prefix,
                                             const std::wstring& extension) {
    std::vector<std::wstring> names;
    const bool there = WaitUntil([&] { return (names = Captures(extension)).size() == count; }, kActionTimeout);
    EXPECT_TRUE(there) << "the capture folder holds " << names.size() << " files, expected " << count;
    const auto last = std::find_if(names.rbegin(), names.rend(),
                                   [&](const std::wstring& name) { return name.rfind(prefix, 0) == 0; });
    if (!there || last == names.rend()) {
        ADD_FAILURE() << "no capture of that kind";
        return {};
    }
    EXPECT_EQ(last->size(), prefix.size() + 19 + extension.size()) << "prefix, yyyymmdd-hhnnss-zzz and type";
    return Load(*last, extension);
}

ScreenPicture CaptureSession::Load(const std::wstring& name, const std::wstring& extension) const {
    const std::wstring path = folder_ + L"\\" + name;
    const ScreenPicture picture = extension == L".png" ? LoadPng(path) : LoadBmp(path);
    EXPECT_FALSE(picture.Empty()) << "the system cannot read the file, or it is not 24-bit RGB";
    return picture;
}

void CaptureSession::MoveLensBy(int tensRight, int tensDown) {
    const POINT from = LensTopLeft();
    for (int i = 0; i < tensRight; ++i)
        PressOnLens(VK_RIGHT, {VK_CONTROL});
    for (int i = 0; i < tensDown; ++i)
        PressOnLens(VK_DOWN, {VK_CONTROL});
    ExpectLensAt(from.x + 10 * tensRight, from.y + 10 * tensDown);
}

HWND CaptureSession::ErrorBox() {
    const std::vector<HWND> boxes = ProcessWindows(LensProcess().Id(), kDialogClass);
    return boxes.empty() ? nullptr : boxes.front();
}

}  // namespace pixo::e2e
