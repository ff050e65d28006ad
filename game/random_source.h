// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// The computer's dice. Every attempt of the random cell draw re-seeds first;
// the source must still never repeat itself while the clock stands still.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

} // namespace velmora
