// The scene's and the playlist's source of chance: uniform numbers in [0, 1) that
// are re-seeded from the clock at fixed points. Tests script the numbers instead.
#pragma once

#include <cstdint>
#include <functional>

namespace velmora {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed_from_clock() = 0;
    virtual double next() = 0;  // 0 <= value < 1
};

// A small generator (splitmix64) whose seeding mixes the clock into its state
// rather than replacing it, so two seedings in the same millisecond still lead
// to different numbers.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(std::function<std::uint32_t()> clock) : clock_(std::move(clock)) {}

    void seed_from_clock() override { state_ = mix(state_ ^ (clock_() + 0x9E3779B97F4A7C15ull)); }

    double next() override {
        // 53 random bits scaled into [0, 1).
        return static_cast<double>(mix(state_ += 0x9E3779B97F4A7C15ull) >> 11) * 0x1.0p-53;
    }

private:
    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::function<std::uint32_t()> clock_;
    std::uint64_t state_ = 0x5EED5EED5EED5EEDull;
};

}  // namespace velmora
