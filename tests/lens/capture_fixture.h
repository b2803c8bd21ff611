#pragma once

#include <string>
#include <vector>

#include "lens/lens_fixture.h"

namespace pixo {

// The lens with a documents folder, so that its captures go to the folder below it.
class CaptureFixture : public LensFixture {
  protected:
    static constexpr char kFolder[] = "C:\\Users\\Tester\\Documents\\Pixoscope\\Screendumps";

    CaptureFixture() { platform.files.folders.insert("C:\\Users\\Tester\\Documents"); }

    static std::string FilePath(const std::string& name) { return std::string(kFolder) + "\\" + name; }
    // The names of the files written, in path order.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : platform.files.files)
            names.push_back(path.substr(path.rfind('\\') + 1));
        return names;
    }
    std::vector<std::uint8_t> Saved(const std::string& name) const {
        const auto it = platform.files.files.find(FilePath(name));
        return it == platform.files.files.end() ? std::vector<std::uint8_t>{} : it->second;
    }
    // The pixels of the screen (the fake's coordinate-coded ones) in that rectangle.
    static Bitmap ScreenPart(int left, int top, int width, int height) {
        Bitmap part(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                part.SetPixel(x, y, ScreenPixel(left + x, top + y));
        }
        return part;
    }
    const Label& Bar() const { return LabelOf(LabelId::CropLabel); }
};

}  // namespace pixo
