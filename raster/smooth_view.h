#pragma once

#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace pixo {

// How SmoothView computes: the plain integer passes, or the same arithmetic in vector registers (see
// raster/smooth_kernels.h), which gives the same bytes.
enum class SmoothPath { Plain, Sse2, Avx2 };

// The smoothed view's enlargement: a separable Lanczos-3 resampling with integer weights (the filter
// value times 256, rounded half to even), edges mirrored, a horizontal pass into an intermediate 24-bit
// image and a vertical pass from it. Only the colour bytes of a pixel take part.
//
// The weights depend only on the sizes, so they are worked out once per (source size, target size) and
// kept; after Prepare for the sizes in use, Resample of a square picture allocates nothing.
class SmoothView {
  public:
    SmoothView();

    // The fastest path this processor runs.
    static SmoothPath BestPath();
    // Chooses the path (to compare them); one the processor lacks, or any path without the vector
    // instructions, falls back to the plain passes.
    void UsePath(SmoothPath path);
    SmoothPath Path() const { return path_; }

    // Works out and keeps the weights for enlarging `sourceSize` pixels to `targetSize` along an axis.
    // Returns false for sizes that are not an enlargement (or equal size) of a non-empty source.
    bool Prepare(int sourceSize, int targetSize);
    bool IsPrepared(int sourceSize, int targetSize) const { return Find(sourceSize, targetSize) != nullptr; }

    // Resamples the whole source onto the whole target at the target's present size. Sizes that were not
    // prepared are prepared on the way. Returns false (target unchanged) when the sizes are not handled.
    bool Resample(const Bitmap& source, Bitmap& target);

  private:
    struct Contributor {
        int source = 0;
        int weight = 0;
    };
    // The weights of one axis: target pixel i takes the contributors first[i] .. first[i + 1] - 1.
    struct Axis {
        int sourceSize = 0;
        int targetSize = 0;
        std::vector<int> first;
        std::vector<int> divisor;
        std::vector<Contributor> contributors;
        // The same weights as the vector passes take them (smooth::AxisTable), when they fit them.
        bool fitsVectors = false;
        std::vector<int> tapSource;
        std::vector<float> tapWeight;
        std::vector<float> inverse;
    };

    const Axis* Find(int sourceSize, int targetSize) const;
    static void PrepareVectorTable(Axis& axis);
    void ReserveBuffers(int sourceSize, int targetSize);
    void ResamplePlain(const Bitmap& source, Bitmap& target, const Axis& across, const Axis& down);
    void ResampleVector(const Bitmap& source, Bitmap& target, const Axis& across, const Axis& down);

    SmoothPath path_;
    std::vector<Axis> axes_;
    std::vector<std::uint8_t> intermediate_;  // the plain passes' intermediate image
    // The vector passes' working pictures (smooth::Buffers).
    std::vector<float> columns_;
    std::vector<float> vectorIntermediate_;
    std::vector<float> block_;
};

}  // namespace pixo
