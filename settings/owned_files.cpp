// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/owned_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

bool statOf(const QString& path, struct stat& info)
{
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

bool makePrivateFolders(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath() || !makePrivateFolders(parent))
        return false;
    // Another copy of the program may have made it meanwhile.
    if (!QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QFileInfo(folder).isDir();
    // lchown: had the new folder been replaced by a link meanwhile, the link
    // would change owner, never what it names.
    struct stat owner = {};
    return !runningAsRoot()
        || (statOf(parent, owner) && ::lchown(QFile::encodeName(folder).constData(), owner.st_uid, owner.st_gid) == 0);
}

bool giveOwnerOf(int fd, const QString& model)
{
    struct stat owner = {};
    return !runningAsRoot() || (statOf(model, owner) && ::fchown(fd, owner.st_uid, owner.st_gid) == 0);
}

bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

} // namespace velmora
