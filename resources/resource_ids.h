#pragma once

// Identifiers of the program's resources, shared by pixoscope.rc and the shell code that loads them.
// The resource compiler defines RC_INVOKED and sees only the numeric identifiers; the C++ side also gets
// the string names. The compiler stores string names in upper case and the system compares them without
// regard to case, so the names below find their resources as written. The sounds are looked up by the
// names the lens asks for ("SelectClickSound", "ShutterSound", of type "WAV").

#define IDI_PIXOSCOPE 1  // the application icon; the lowest icon id is the one the shell shows

#ifndef RC_INVOKED

namespace pixo {

// The lens frame pictures: BITMAP resources, 200 x 200, 24 bits per pixel, with a pure white aperture.
inline constexpr const wchar_t* kLensPictureDefault = L"IMAGEBACK";
inline constexpr const wchar_t* kLensPictureRed = L"REDIMAGEBACK";
inline constexpr const wchar_t* kLensPictureGreen = L"GREENIMAGEBACK";
inline constexpr const wchar_t* kLensPictureBlue = L"BLUEBACKIMAGE";
inline constexpr const wchar_t* kLensPictureIvory = L"IVORYBACKIMAGE";

}  // namespace pixo

#endif  // RC_INVOKED
