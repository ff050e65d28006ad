// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/random_source.h"

#include <cstdint>
#include <random>

namespace velmora {

// Re-seeds from the high-resolution clock mixed with a counter, so that two
// attempts within one clock tick still draw differently.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
    std::uint64_t salt_;
};

} // namespace velmora
