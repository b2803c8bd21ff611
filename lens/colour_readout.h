#pragma once

#include <optional>
#include <string_view>

#include "commands/options.h"
#include "lens/labels.h"
#include "raster/colors.h"

namespace pixo {

// The colour picker's readout over the loupe: the picked colour, the texts and visibility of the three
// readout labels and their shade twins, and what Ctrl+C copies.
class ColourReadout {
  public:
    Color Picked() const { return picked_; }

    // One draw's readout with the picker on: the texts for the colour the crosshair's centre shows. Without a
    // capture there is no colour to tell: the texts go empty, and nothing counts as shown.
    void Update(Color picked,
                bool fromCapture,
                const Options& options,
                std::string_view decimalSeparator,
                Labels& labels);
    // The picked colour of a draw with the picker off (the exposure check reads it too).
    void Pick(Color picked) { picked_ = picked; }
    // The labels shown follow the options: the value with the picker, the Pantone name and percent black
    // with the picker and their own option.
    static void ApplyVisibility(const Options& options, Labels& labels);
    // What Ctrl+C copies: the value as last shown; nothing before a readout of a real capture was shown.
    std::optional<std::string_view> CopyText(const Labels& labels) const;
    // What Ctrl+Shift+C copies, in UTF-8: the Pantone or nearest colour name as shown; nothing when the label
    // is hidden or empty.
    static std::optional<std::string_view> NameText(const Labels& labels);
    // Builds the charts' indexes, so that no draw does.
    static void PrepareCharts();

  private:
    Color picked_ = kBlack;
    bool shown_ = false;
};

}  // namespace pixo
