#pragma once

#include <string_view>

#include "lens/labels.h"
#include "platform/timer.h"
#include "raster/colors.h"

namespace pixo {

// The lens's message bar: one line of white text on a background chosen per message, at the lens's top (or
// its bottom near the top of the screen). It owns the bar label's text, colour and visibility and the timer
// that hides timed messages.
class MessageBar {
  public:
    static constexpr int kShownMs = 2000;

    MessageBar(Label& bar, ITimer& timer) : bar_(bar), timer_(timer) {}

    // Shows a message until something hides it.
    void Show(std::string_view text, Color background);
    // Changes the message and leaves the bar shown or hidden as it is.
    void SetCaption(std::string_view text, Color background);
    void Reveal() { bar_.visible = true; }
    // Shows a message that goes after kShownMs. A timer already running is not restarted: the message goes
    // when the first one's time is up, as enabling an enabled timer does.
    void ShowBriefly(std::string_view text, Color background);
    // Starts the timer for the message shown.
    void StartTimer();
    void Hide() { bar_.visible = false; }
    // Hides the bar and empties it.
    void Close();
    // The timer's tick: the message goes, the timer stops.
    void TimeUp();
    // Shows `text`, or hides it when it is what the bar shows (the I key).
    void Toggle(std::string_view text, Color background);
    // At the bottom of the lens while the window's top lies more than 5 pixels above the screen, else at the top.
    void FollowWindow(int windowTop);

    bool Visible() const { return bar_.visible; }
    std::string_view Text() const { return bar_.text.View(); }

  private:
    Label& bar_;
    ITimer& timer_;
};

}  // namespace pixo
