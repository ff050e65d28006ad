// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora {

// What a save asks of the system beyond what Qt offers. Root may save a
// user's settings (run with the user's HOME); what it writes or creates there
// must stay the user's, or the user's own saves would be refused from then on.

// Creates `folder` and any missing folder above it, each private to its owner
// (mode 0700), as a user's configuration folders are. As root, each belongs
// to the owner and group of the folder it is made in.
bool makePrivateFolders(const QString& folder);

// As root, gives the open file `fd` the owner and group of what stands at
// `model`, through links. Anyone else can give nothing away and keeps the
// file as it is.
bool giveOwnerOf(int fd, const QString& model);

// Writes the folder's entries to the disk, so that a file just renamed into
// it survives a power cut.
bool syncFolder(const QString& folder);

} // namespace velmora
