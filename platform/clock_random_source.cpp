// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock_random_source.h"

#include <chrono>

namespace velmora {

ClockRandomSource::ClockRandomSource()
    : salt_(std::random_device{}())
{
    reseed();
}

void ClockRandomSource::reseed()
{
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    ++reseeds_;
    // The counter keeps successive seeds apart when the clock has not moved.
    std::seed_seq seed{ticks, ticks >> 32, reseeds_, salt_};
    engine_.seed(seed);
}

double ClockRandomSource::next()
{
    // The top 53 bits make a double in [0, 1) that can never round up to 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace velmora
