#pragma once

// Identifiers of the program's resources, shared by pixoscope.rc and the code that loads them.
// The resource compiler defines RC_INVOKED and sees only the numeric identifiers; the C++ side also gets
// the string names. The compiler stores string names in upper case and the system compares them without
// regard to case, so the names below find their resources as written.

#define IDI_PIXOSCOPE 1  // the application icon; the lowest icon id is the one the shell shows

#ifndef RC_INVOKED

namespace pixo {

inline constexpr int kAppIconId = IDI_PIXOSCOPE;

// The lens frame pictures: BITMAP resources, 200 x 200, 24 bits per pixel, with a pure white aperture.
inline constexpr const char* kLensPictureDefault = "IMAGEBACK";
inline constexpr const char* kLensPictureRed = "REDIMAGEBACK";
inline constexpr const char* kLensPictureGreen = "GREENIMAGEBACK";
inline constexpr const char* kLensPictureBlue = "BLUEBACKIMAGE";
inline constexpr const char* kLensPictureIvory = "IVORYBACKIMAGE";

// The sounds: PCM WAV files stored whole under the custom resource type "WAV".
inline constexpr const char* kWavResourceType = "WAV";
inline constexpr const char* kSelectClickSound = "SelectClickSound";
inline constexpr const char* kShutterSound = "ShutterSound";

}  // namespace pixo

#endif  // RC_INVOKED
