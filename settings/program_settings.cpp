// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/program_settings.h"

namespace velmora {

void ProgramSettings::load()
{
    const StoredSettings stored = readSettingsFile(path_);
    lan_ = stored.lan;
    pt_ = stored.pt;
}

void ProgramSettings::Save() const
{
    writeSettingsFile(path_, {lan_, pt_});
}

} // namespace velmora
