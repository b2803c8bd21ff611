#pragma once

#include "platform/accessibility.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/picture_encoder.h"
#include "platform/registry.h"
#include "platform/screen_capture.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/window_host.h"
#include "platform/worker.h"

namespace pixo {

// Everything the core asks of the platform, one interface per service.
struct Services {
    IScreenCapture& screen;
    IWindowHost& window;
    IClipboard& clipboard;
    IRegistry& registry;
    IShell& shell;
    ISound& sound;
    IFiles& files;
    IClock& clock;
    ILocale& locale;
    ITimer& timer;
    IDialogs& dialogs;
    // The second timer of the lens window: it paces the screen readers' events (ScreenReaderReadout).
    ITimer& readoutTimer;
    IAccessibility& accessibility;
    IPictureEncoder& pictures;
    IWorker& worker;
};

}  // namespace pixo
