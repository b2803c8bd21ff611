#include "lens/message_bar.h"

namespace pixo {

void MessageBar::Show(std::string_view text, Color background) {
    SetCaption(text, background);
    bar_.visible = true;
}

void MessageBar::SetCaption(std::string_view text, Color background) {
    bar_.text = text;
    bar_.background = background;
}

void MessageBar::ShowBriefly(std::string_view text, Color background) {
    Show(text, background);
    StartTimer();
}

void MessageBar::StartTimer() {
    if (!timer_.Running())
        timer_.Start(kShownMs);
}

void MessageBar::Close() {
    bar_.visible = false;
    bar_.text.Clear();
}

void MessageBar::TimeUp() {
    bar_.visible = false;
    timer_.Stop();
}

void MessageBar::Toggle(std::string_view text, Color background) {
    if (bar_.text.View() == text) {
        bar_.visible = !bar_.visible;
        return;
    }
    Show(text, background);
}

void MessageBar::FollowWindow(int windowTop) {
    constexpr int kLensSize = 200;
    bar_.top = windowTop < -5 ? kLensSize - bar_.height : 0;
}

}  // namespace pixo
