#pragma once
// Small measurements of rendered audio for the sound tests: level, pitch, tone colour, and a
// WAV writer for listening to what a test heard.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace tambrel::audio {

inline double rms(std::span<const float> x) {
    double sum = 0;
    for (float v : x) sum += static_cast<double>(v) * v;
    return x.empty() ? 0 : std::sqrt(sum / x.size());
}

inline double peak(std::span<const float> x) {
    double p = 0;
    for (float v : x) p = std::max(p, std::abs(static_cast<double>(v)));
    return p;
}

// Normalised autocorrelation of x at lag, over the first x.size() - maxLag samples.
inline double correlation(std::span<const float> x, int lag, int length) {
    double xy = 0, xx = 0, yy = 0;
    for (int i = 0; i < length; ++i) {
        const double a = x[i], b = x[i + lag];
        xy += a * b;
        xx += a * a;
        yy += b * b;
    }
    return (xx > 0 && yy > 0) ? xy / std::sqrt(xx * yy) : 0;
}

// The fundamental frequency of a steady tone by autocorrelation. The strongest lag may be a
// multiple of the period (a weak fundamental); the shortest lag that correlates almost as well
// is taken instead. 0 when nothing periodic is found.
inline double fundamental(std::span<const float> x, double sampleRate, double minHz = 50,
                          double maxHz = 1000) {
    const int minLag = static_cast<int>(sampleRate / maxHz);
    const int maxLag = static_cast<int>(sampleRate / minHz) + 1;
    if (static_cast<int>(x.size()) < 2 * maxLag) return 0;
    const int length = static_cast<int>(x.size()) - maxLag - 1;
    std::vector<double> r(maxLag + 2, 0.0);
    for (int lag = minLag; lag <= maxLag + 1; ++lag) r[lag] = correlation(x, lag, length);
    int best = minLag;
    for (int lag = minLag + 1; lag <= maxLag; ++lag)
        if (r[lag] > r[best]) best = lag;
    if (r[best] < 0.3) return 0;
    for (int divisor = 6; divisor >= 2; --divisor) {
        const int guess = (best + divisor / 2) / divisor;
        if (guess <= minLag) continue;
        int local = guess;
        for (int lag = std::max(minLag + 1, guess - 2); lag <= guess + 2; ++lag)
            if (r[lag] > r[local]) local = lag;
        if (r[local] >= 0.9 * r[best]) {
            best = local;
            break;
        }
    }
    // Parabolic interpolation between the neighbouring lags.
    double lag = best;
    if (best > minLag && best < maxLag) {
        const double a = r[best - 1], b = r[best], c = r[best + 1];
        const double denominator = a - 2 * b + c;
        if (denominator != 0) lag += 0.5 * (a - c) / denominator;
    }
    return sampleRate / lag;
}

// Amplitude at one frequency (Goertzel, Hann window).
inline double amplitudeAt(std::span<const float> x, double frequency, double sampleRate) {
    const double w = 2 * std::numbers::pi * frequency / sampleRate;
    const double coefficient = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    const std::size_t n = x.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (n - 1));
        const double s = x[i] * hann + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coefficient * s1 * s2)) / n;
}

// The tone colour of a note: the relative strength of its first harmonics, summing to 1.
inline std::vector<double> harmonicProfile(std::span<const float> x, double f0, double sampleRate,
                                           int harmonics = 8) {
    std::vector<double> profile;
    double total = 0;
    for (int k = 1; k <= harmonics; ++k) {
        profile.push_back(amplitudeAt(x, k * f0, sampleRate));
        total += profile.back();
    }
    if (total > 0)
        for (double& p : profile) p /= total;
    return profile;
}

inline double profileDistance(const std::vector<double>& a, const std::vector<double>& b) {
    double d = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) d += std::abs(a[i] - b[i]);
    return d;
}

// 16-bit stereo PCM.
inline bool writeWav(const std::string& path, std::span<const float> left,
                     std::span<const float> right, int sampleRate) {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    const std::uint32_t frames = static_cast<std::uint32_t>(std::min(left.size(), right.size()));
    const std::uint32_t dataBytes = frames * 4;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](std::uint16_t v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
    };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(2);
    u32(static_cast<std::uint32_t>(sampleRate));
    u32(static_cast<std::uint32_t>(sampleRate) * 4);
    u16(4);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        for (float v : {left[i], right[i]}) {
            const double clipped = std::clamp(static_cast<double>(v), -1.0, 1.0);
            u16(static_cast<std::uint16_t>(
                static_cast<std::int16_t>(std::lround(clipped * 32767))));
        }
    }
    return static_cast<bool>(out);
}

} // namespace tambrel::audio
