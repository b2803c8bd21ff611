#pragma once

#include "fakes/fake_accessibility.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_locale.h"
#include "fakes/fake_picture_encoder.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_screen_capture.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_sound.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_window_host.h"
#include "fakes/fake_worker.h"
#include "platform/services.h"

namespace pixo {

// One fake of every platform service, and `services` handing them to the core. The references in
// `services` point into this object, so it can be neither copied nor moved.
struct FakePlatform {
    FakePlatform() = default;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeScreenCapture screen;
    FakeWindowHost window;
    FakeClipboard clipboard;
    FakeRegistry registry;
    FakeShell shell;
    FakeSound sound;
    FakeFiles files;
    FakeClock clock;
    FakeLocale locale;
    FakeTimer timer;
    FakeDialogs dialogs;
    FakeTimer readoutTimer;
    FakeAccessibility accessibility;
    FakePictureEncoder pictures;
    FakeWorker worker;

    pixo::Services services{screen, window, clipboard, registry,     shell,         sound,    files, clock,
                            locale, timer,  dialogs,   readoutTimer, accessibility, pictures, worker};
};

}  // namespace pixo
