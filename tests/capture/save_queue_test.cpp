// The saves that run off the window's thread, over the test doubles: the fake worker runs a save only when the
// test says so, as a thread that has not got round to it yet.
#include "capture/save_queue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_clipboard.h"
#include "fakes/fake_files.h"
#include "fakes/fake_picture_encoder.h"
#include "fakes/fake_worker.h"
#include "raster/canvas.h"

namespace pixo {
namespace {

constexpr char kFolder[] = "C:\\Docs\\Pixoscope\\Screendumps";
constexpr LocalTime kTime{2026, 12, 7, 0, 15, 32, 45};

std::shared_ptr<const Bitmap> Picture(int width, int height, Color colour) {
    auto picture = std::make_shared<Bitmap>(width, height);
    picture->Fill(colour);
    return picture;
}

class SaveQueueTest : public ::testing::Test {
  protected:
    SaveQueueTest() {
        worker.onDone = [this](std::unique_ptr<JobResult> result) { queue.Done(std::move(result)); };
        files.folders.insert("C:\\Docs");
    }

    SaveRequest File(CaptureKind kind, std::shared_ptr<const Bitmap> capture) const {
        SaveRequest request;
        request.kind = kind;
        request.capture = std::move(capture);
        request.folder = kFolder;
        request.time = kTime;
        return request;
    }
    std::vector<std::uint8_t> Saved(const std::string& name) const {
        const auto it = files.files.find(std::string(kFolder) + "\\" + name);
        return it == files.files.end() ? std::vector<std::uint8_t>{} : it->second;
    }

    FakeFiles files;
    FakePictureEncoder pictures;
    FakeClipboard clipboard;
    FakeWorker worker;
    std::vector<std::string> finished;  // each outcome's failure, "" for none, in the order handed on
    SaveQueue queue{worker, {files, pictures, clipboard}, [this](SaveOutcome& outcome) {
                        finished.push_back(outcome.failure ? outcome.failure->whatFailed : "");
                    }};
};

TEST_F(SaveQueueTest, OneSaveRunsAtATimeInTheOrderAskedForAndEachHoldsItsOwnCapture) {
    auto capture = std::make_shared<Bitmap>(4, 3);
    capture->Fill(HexColor(0x102030));
    queue.Submit(File(CaptureKind::FullScreen, capture));
    queue.Submit(File(CaptureKind::Crop, Picture(2, 2, HexColor(0x405060))));
    queue.Submit(File(CaptureKind::FullScreen, Picture(1, 1, HexColor(0x708090))));
    EXPECT_EQ(worker.started, 1);
    EXPECT_EQ(queue.Count(), 3u);
    EXPECT_GT(capture.use_count(), 1) << "the running save holds the capture itself, not a copy";

    ASSERT_TRUE(worker.Finish());
    EXPECT_EQ(finished.size(), 1u);
    EXPECT_EQ(capture.use_count(), 1) << "let go of once its outcome is back";
    EXPECT_EQ(worker.started, 2) << "the next starts as one ends";
    EXPECT_EQ(worker.FinishAll(), 2);
    EXPECT_EQ(finished, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Saved("Scrn_20261207-001532-045.png"), FakePictureEncoder::Png(*capture));
    EXPECT_EQ(Saved("Crop_20261207-001532-045.png"), FakePictureEncoder::Png(*Picture(2, 2, HexColor(0x405060))));
    EXPECT_EQ(Saved("Scrn_20261207-001532-045-2.png"), FakePictureEncoder::Png(*Picture(1, 1, HexColor(0x708090))));
    EXPECT_EQ(worker.startedWhileRunning, 0);
}

TEST_F(SaveQueueTest, FinishAllWaitsForEverySaveAndHandsOnEachOutcome) {
    for (int i = 0; i < 3; ++i)
        queue.Submit(File(CaptureKind::FullScreen, Picture(3, 3, kBlack)));
    queue.FinishAll();
    EXPECT_EQ(finished.size(), 3u);
    EXPECT_EQ(worker.waited, 3);
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(queue.Count(), 0u);
    EXPECT_EQ(files.files.size(), 3u);
}

// Saves of one capture share it. A recapture between saves gives each its own: past the limit, a save waits on
// the window's thread for the oldest to finish, so memory stays bounded and nothing is dropped.
TEST_F(SaveQueueTest, CapturesHeldStayWithinTheLimitByWaitingForTheOldestSaves) {
    constexpr int kWidth = 4096;
    constexpr int kHeight = 2304;  // 36 MiB: three fit within the limit, four do not
    constexpr std::uint64_t kBytes = std::uint64_t{kWidth} * kHeight * 4;
    const std::shared_ptr<const Bitmap> first = Picture(kWidth, kHeight, kBlack);
    for (int i = 0; i < 5; ++i)
        queue.Submit(File(CaptureKind::FullScreen, first));
    EXPECT_EQ(queue.HeldBytes(), kBytes);
    queue.Submit(File(CaptureKind::FullScreen, Picture(kWidth, kHeight, kBlack)));
    queue.Submit(File(CaptureKind::FullScreen, Picture(kWidth, kHeight, kBlack)));
    EXPECT_EQ(worker.waited, 0);
    EXPECT_EQ(queue.HeldBytes(), 3 * kBytes);

    queue.Submit(File(CaptureKind::FullScreen, Picture(kWidth, kHeight, kBlack)));
    EXPECT_EQ(worker.waited, 5) << "every save of the first capture finished first";
    EXPECT_EQ(queue.HeldBytes(), 3 * kBytes);
    EXPECT_LE(queue.HeldBytes(), SaveQueue::kHeldBytesLimit);
    EXPECT_EQ(finished.size(), 5u);
    queue.FinishAll();
    EXPECT_EQ(files.files.size(), 8u);
}

// The work of one save, wherever it runs.
TEST(RunSave, WritesAPngOrMakesTheClipboardPictureAndSaysWhatFailed) {
    const auto capture = std::make_shared<Bitmap>(6, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x)
            capture->SetPixel(x, y, MakeColor(x * 40, y * 50, 7));
    }
    Bitmap part;
    CopyRegion(*capture, part, 2, 1, 3, 4);
    const struct {
        const char* what;
        SaveTarget target;
        std::optional<Region> part;
        bool failEncode;
        bool failWrites;
        std::string failure;  // empty: saved
    } kRows[] = {
        {"the whole capture to a file", SaveTarget::File, std::nullopt, false, false, ""},
        {"a part to a file", SaveTarget::File, Region{2, 1, 3, 4}, false, false, ""},
        {"a refused write", SaveTarget::File, std::nullopt, false, true,
         "The capture was not saved to C:\\Docs\\Scrn_20261207-001532-045.png."},
        {"no encoder", SaveTarget::File, std::nullopt, true, false,
         "The capture was not saved: it could not be made into a PNG file."},
        {"a part to the clipboard", SaveTarget::Clipboard, Region{2, 1, 3, 4}, false, false, ""},
        {"the clipboard without an encoder", SaveTarget::Clipboard, std::nullopt, true, false, ""},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.what);
        FakeFiles files;
        files.folders.insert("C:\\Docs");
        files.failWrites = row.failWrites;
        FakePictureEncoder pictures;
        pictures.fail = row.failEncode;
        FakeClipboard clipboard;
        SaveRequest request;
        request.target = row.target;
        request.capture = capture;
        request.part = row.part;
        request.folder = "C:\\Docs";
        request.time = kTime;
        const std::unique_ptr<SaveOutcome> outcome = RunSave(std::move(request), {files, pictures, clipboard});
        EXPECT_EQ(outcome->failure ? outcome->failure->whatFailed : "", row.failure);
        EXPECT_EQ(outcome->request.capture, capture) << "back to be let go of on the window's thread";
        const Bitmap& picture = row.part ? part : *capture;
        if (row.target == SaveTarget::File) {
            EXPECT_EQ(files.files.size(), row.failure.empty() ? 1u : 0u);
            if (row.failure.empty()) {
                EXPECT_EQ(files.files.begin()->second, FakePictureEncoder::Png(picture));
            }
            continue;
        }
        ASSERT_NE(outcome->picture, nullptr);
        ASSERT_EQ(clipboard.SetPicture(std::move(outcome->picture)), std::nullopt);
        EXPECT_EQ(clipboard.bitmap->GetPixel(0, 0), picture.GetPixel(0, 0));
        EXPECT_EQ(clipboard.png.has_value(), !row.failEncode);
        EXPECT_TRUE(files.files.empty());
    }
}

}  // namespace
}  // namespace pixo
