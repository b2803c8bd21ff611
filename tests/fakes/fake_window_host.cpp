#include "fakes/fake_window_host.h"

namespace pixo {

void FakeWindowHost::PositionChanged() {
    if (onPositionChanged)
        onPositionChanged();
}

void FakeWindowHost::SetLeft(int value) {
    calls.push_back("SetLeft " + std::to_string(value));
    left = value;
    PositionChanged();
}

void FakeWindowHost::SetTop(int value) {
    calls.push_back("SetTop " + std::to_string(value));
    top = value;
    PositionChanged();
}

void FakeWindowHost::SetBounds(int newLeft, int newTop, int newWidth, int newHeight) {
    calls.push_back("SetBounds " + std::to_string(newLeft) + " " + std::to_string(newTop) + " " +
                    std::to_string(newWidth) + " " + std::to_string(newHeight));
    left = newLeft;
    top = newTop;
    width = newWidth;
    height = newHeight;
    PositionChanged();
}

void FakeWindowHost::SetRegion(int regionWidthValue, int regionHeightValue) {
    calls.push_back("SetRegion " + std::to_string(regionWidthValue) + " " + std::to_string(regionHeightValue));
    regionWidth = regionWidthValue;
    regionHeight = regionHeightValue;
}

bool FakeWindowHost::Show() {
    calls.push_back("Show");
    if (failShow)
        return false;
    // Showing a window that is already shown changes nothing, and the system sends no message.
    if (visible)
        return true;
    visible = true;
    PositionChanged();
    if (onVisibilityChanged)
        onVisibilityChanged(true);
    return true;
}

bool FakeWindowHost::Hide() {
    calls.push_back("Hide");
    if (failHide)
        return false;
    const bool wasVisible = visible;
    visible = false;
    foreground = false;
    if (wasVisible && onVisibilityChanged)
        onVisibilityChanged(false);
    return true;
}

Failure FakeWindowHost::BringToFront() {
    calls.push_back("BringToFront");
    if (!visible)
        return PlatformError{0, "hidden"};
    foreground = true;
    return std::nullopt;
}

void FakeWindowHost::Invalidate() {
    calls.push_back("Invalidate");
    ++invalidateCount;
}

void FakeWindowHost::HandleOneMessage() {
    calls.push_back("HandleOneMessage");
    ++messageCount;
    if (onMessage)
        onMessage();
}

void FakeWindowHost::Close() {
    calls.push_back("Close");
    closed = true;
}

void FakeWindowHost::SetExcludedFromCapture(bool excluded) {
    calls.push_back(excluded ? "SetExcludedFromCapture 1" : "SetExcludedFromCapture 0");
    excludedFromCapture = excluded;
}

}  // namespace pixo
