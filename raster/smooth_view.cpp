#include "raster/smooth_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "raster/cpu_features.h"
#include "raster/simd.h"
#include "raster/smooth_kernels.h"

namespace pixo {

namespace {

constexpr int kRadius = 3;

double Sinc(double t) {
    if (t == 0.0)
        return 1.0;
    const double x = std::numbers::pi * t;
    return std::sin(x) / x;
}

double Lanczos3(double x) {
    const double ax = std::abs(x);
    return ax < kRadius ? Sinc(ax) * Sinc(ax / kRadius) : 0.0;
}

// Source indices past an edge are mirrored back into the image (the edge pixel itself is not repeated).
int MirrorIndex(int j, int size) {
    if (j < 0)
        j = -j;
    if (j >= size)
        j = 2 * size - 1 - j;
    return std::clamp(j, 0, size - 1);
}

std::uint8_t Clamp8(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// The vector passes work on blocks of 8 lanes.
int RoundUp8(int n) {
    return (n + 7) / 8 * 8;
}

}  // namespace

SmoothView::SmoothView() : path_(BestPath()) {}

SmoothPath SmoothView::BestPath() {
#if PIXO_SSE2
    return HasAvx2AndFma() ? SmoothPath::Avx2 : SmoothPath::Sse2;
#else
    return SmoothPath::Plain;
#endif
}

void SmoothView::UsePath(SmoothPath path) {
    if (path == SmoothPath::Avx2 && BestPath() != SmoothPath::Avx2)
        path = BestPath();
    if (path != SmoothPath::Plain && BestPath() == SmoothPath::Plain)
        path = SmoothPath::Plain;
    path_ = path;
}

const SmoothView::Axis* SmoothView::Find(int sourceSize, int targetSize) const {
    for (const Axis& axis : axes_) {
        if (axis.sourceSize == sourceSize && axis.targetSize == targetSize)
            return &axis;
    }
    return nullptr;
}

bool SmoothView::Prepare(int sourceSize, int targetSize) {
    if (sourceSize <= 0 || targetSize < sourceSize)
        return false;
    if (IsPrepared(sourceSize, targetSize))
        return true;
    Axis axis;
    axis.sourceSize = sourceSize;
    axis.targetSize = targetSize;
    const double scale =
        sourceSize == 1 ? static_cast<double>(targetSize) : static_cast<double>(targetSize - 1) / (sourceSize - 1);
    axis.first.reserve(static_cast<std::size_t>(targetSize) + 1);
    axis.divisor.reserve(static_cast<std::size_t>(targetSize));
    for (int i = 0; i < targetSize; ++i) {
        const double centre = i / scale;
        axis.first.push_back(static_cast<int>(axis.contributors.size()));
        int sum = 0;
        const int from = static_cast<int>(std::floor(centre - kRadius));
        const int to = static_cast<int>(std::ceil(centre + kRadius));
        for (int j = from; j <= to; ++j) {
            const int weight = static_cast<int>(std::nearbyint(Lanczos3(centre - j) * 256.0));
            if (weight == 0)
                continue;
            axis.contributors.push_back(Contributor{MirrorIndex(j, sourceSize), weight});
            sum += weight;
        }
        axis.divisor.push_back(sum != 0 ? sum : 256);
    }
    axis.first.push_back(static_cast<int>(axis.contributors.size()));
    PrepareVectorTable(axis);
    axes_.push_back(std::move(axis));
    ReserveBuffers(sourceSize, targetSize);
    return true;
}

void SmoothView::PrepareVectorTable(Axis& axis) {
    const int padded = RoundUp8(axis.targetSize);
    axis.tapSource.assign(static_cast<std::size_t>(padded) * smooth::kTaps, 0);
    axis.tapWeight.assign(static_cast<std::size_t>(padded) * smooth::kTaps, 0.0f);
    axis.inverse.assign(static_cast<std::size_t>(padded), 1.0f);
    axis.fitsVectors = true;
    for (int i = 0; i < axis.targetSize; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int first = axis.first[index];
        const int count = axis.first[index + 1] - first;
        const int divisor = axis.divisor[index];
        int weightSum = 0;
        for (int k = 0; k < count; ++k)
            weightSum += std::abs(axis.contributors[static_cast<std::size_t>(first + k)].weight);
        // The bounds under which the vector arithmetic is exact (raster/smooth_kernels.h).
        if (count > smooth::kTaps || divisor < 1 || divisor > smooth::kMaxDivisor || weightSum * 255 >= (1 << 24)) {
            axis.fitsVectors = false;
            return;
        }
        for (int k = 0; k < count; ++k) {
            const Contributor& c = axis.contributors[static_cast<std::size_t>(first + k)];
            axis.tapSource[index * smooth::kTaps + static_cast<std::size_t>(k)] = c.source;
            axis.tapWeight[index * smooth::kTaps + static_cast<std::size_t>(k)] = static_cast<float>(c.weight);
        }
        axis.inverse[index] = 1.0f / static_cast<float>(divisor);
    }
}

void SmoothView::ReserveBuffers(int sourceSize, int targetSize) {
    // Enough for a square picture of these sizes, for the path in use.
    auto reserve = [](auto& buffer, int size) {
        if (buffer.capacity() < static_cast<std::size_t>(size))
            buffer.reserve(static_cast<std::size_t>(size));
    };
    if (path_ == SmoothPath::Plain) {
        reserve(intermediate_, targetSize * sourceSize * 3);
        return;
    }
    const int hp = RoundUp8(sourceSize);
    const int wp = RoundUp8(targetSize);
    reserve(columns_, sourceSize * 3 * hp);
    reserve(vectorIntermediate_, hp * 3 * wp);
    reserve(block_, 8 * 3 * hp);
}

bool SmoothView::Resample(const Bitmap& source, Bitmap& target) {
    if (source.Empty() || target.Empty())
        return false;
    if (!Prepare(source.Width(), target.Width()) || !Prepare(source.Height(), target.Height()))
        return false;
    const Axis& across = *Find(source.Width(), target.Width());
    const Axis& down = *Find(source.Height(), target.Height());
    if (path_ != SmoothPath::Plain && across.fitsVectors && down.fitsVectors)
        ResampleVector(source, target, across, down);
    else
        ResamplePlain(source, target, across, down);
    return true;
}

void SmoothView::ResampleVector(const Bitmap& source, Bitmap& target, const Axis& across, const Axis& down) {
    smooth::Job job;
    job.source = source.Data();
    job.sourceStride = source.Width();
    job.w = source.Width();
    job.h = source.Height();
    job.across = {across.targetSize, across.tapSource.data(), across.tapWeight.data(), across.inverse.data()};
    job.down = {down.targetSize, down.tapSource.data(), down.tapWeight.data(), down.inverse.data()};
    smooth::Buffers& b = job.buffers;
    b.hp = RoundUp8(source.Height());
    b.wp = RoundUp8(target.Width());
    columns_.resize(static_cast<std::size_t>(source.Width()) * 3 * static_cast<std::size_t>(b.hp));
    vectorIntermediate_.resize(static_cast<std::size_t>(b.hp) * 3 * static_cast<std::size_t>(b.wp));
    block_.resize(static_cast<std::size_t>(8 * 3 * b.hp));
    b.columns = columns_.data();
    b.intermediate = vectorIntermediate_.data();
    b.block = block_.data();
    job.target = target.Data();
    job.targetStride = target.Width();
#if PIXO_SSE2
    if (path_ == SmoothPath::Avx2)
        smooth::ResampleAvx2(job);
    else
        smooth::ResampleSse2(job);
#endif
}

void SmoothView::ResamplePlain(const Bitmap& source, Bitmap& target, const Axis& across, const Axis& down) {
    const int width = target.Width();
    intermediate_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(source.Height()) * 3);

    // Horizontal pass: each source row onto the target's width, three bytes per pixel.
    for (int y = 0; y < source.Height(); ++y) {
        const Pixel* row = source.Row(y);
        std::uint8_t* out = intermediate_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
        for (int i = 0; i < width; ++i) {
            int sums[3] = {0, 0, 0};
            for (int k = across.first[static_cast<std::size_t>(i)]; k < across.first[static_cast<std::size_t>(i) + 1];
                 ++k) {
                const Contributor& c = across.contributors[static_cast<std::size_t>(k)];
                const Pixel p = row[c.source];
                for (int channel = 0; channel < 3; ++channel)
                    sums[channel] += c.weight * static_cast<int>((p >> (8 * channel)) & 0xFF);
            }
            const int divisor = across.divisor[static_cast<std::size_t>(i)];
            for (int channel = 0; channel < 3; ++channel)
                out[static_cast<std::size_t>(i) * 3 + static_cast<std::size_t>(channel)] =
                    Clamp8(sums[channel] / divisor);
        }
    }

    // Vertical pass: the intermediate rows onto the target's height.
    for (int r = 0; r < target.Height(); ++r) {
        Pixel* out = target.Row(r);
        const int divisor = down.divisor[static_cast<std::size_t>(r)];
        for (int i = 0; i < width; ++i) {
            int sums[3] = {0, 0, 0};
            for (int k = down.first[static_cast<std::size_t>(r)]; k < down.first[static_cast<std::size_t>(r) + 1];
                 ++k) {
                const Contributor& c = down.contributors[static_cast<std::size_t>(k)];
                const std::uint8_t* in =
                    intermediate_.data() + (static_cast<std::size_t>(c.source) * static_cast<std::size_t>(width) +
                                            static_cast<std::size_t>(i)) *
                                               3;
                for (int channel = 0; channel < 3; ++channel)
                    sums[channel] += c.weight * in[channel];
            }
            Pixel p = 0;
            for (int channel = 0; channel < 3; ++channel)
                p |= static_cast<Pixel>(Clamp8(sums[channel] / divisor)) << (8 * channel);
            out[i] = p;
        }
    }
}

}  // namespace pixo
