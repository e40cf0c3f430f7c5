#include "qt/common/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace norvo::qt {

namespace {

// Links to follow from the path to the file, at most (as the system does).
constexpr int LinkDepth = 40;
// Names to try for the new version before giving up.
constexpr int NameAttempts = 100;

[[noreturn]] void fail(const std::string& doing, int error = errno)
{
    throw std::runtime_error(doing + ": " + std::generic_category().message(error));
}

// The path with every symbolic link at its end followed.
QByteArray followLinks(QByteArray path)
{
    for (int depth = 0; depth < LinkDepth; ++depth) {
        char target[PATH_MAX];
        const ssize_t size = readlink(path.constData(), target, sizeof target);
        if (size < 0 || size == sizeof target)
            break;
        const QByteArray link(target, size);
        const qsizetype slash = path.lastIndexOf('/');
        path = (link.startsWith('/') || slash < 0) ? link : path.first(slash + 1) + link;
    }
    return path;
}

// Gives the new version a free name beside the file: make(name) makes it,
// or returns -1 and sets errno.
template <class Make> std::string freeName(const std::string& file, Make make, const std::string& doing)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        const std::string name
            = '.' + file + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36).toStdString();
        if (make(name.c_str()) >= 0)
            return name;
        if (errno != EEXIST)
            fail(doing);
    }
    fail(doing, EEXIST);
}

} // namespace

FileReplacement::FileReplacement(const QByteArray& path, QByteArrayView bytes, std::optional<mode_t> permissions)
{
    try {
        prepare(path, bytes, permissions);
    } catch (...) {
        discard();
        throw;
    }
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::prepare(const QByteArray& path, QByteArrayView bytes, std::optional<mode_t> permissions)
{
    const QByteArray file = followLinks(path);
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : file.first(slash);
    name_ = file.sliced(slash + 1).toStdString();
    const auto openFolder = [&] { return open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); };
    folder_ = openFolder();
    if (folder_ < 0 && errno == ENOENT) {
        if (!QDir().mkpath(QFile::decodeName(folder)))
            throw std::runtime_error("its folder " + folder.toStdString() + " cannot be made");
        folder_ = openFolder();
    }
    if (folder_ < 0)
        fail("opening its folder");
    struct stat folderStatus { };
    if (fstat(folder_, &folderStatus) != 0)
        fail("looking at its folder");
    // Read-only as the user sees it: no one may write it, whatever the
    // rights of the account that runs the panel.
    if (!(folderStatus.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        throw std::runtime_error("its folder is read-only");

    file_ = openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // A file system without nameless files: the new version has a name
    // from the start.
    if (file_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        temporary_ = freeName(
            name_,
            [&](const char* name) {
                return file_ = openat(folder_, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            },
            "making a new version of it");
    if (file_ < 0)
        fail("making a new version of it");
    if (permissions && fchmod(file_, *permissions) != 0)
        fail("giving the new version the file's rights");
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file_, data, static_cast<std::size_t>(std::min<qsizetype>(left, 1 << 30)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail("writing it", written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
    }
    if (fsync(file_) != 0)
        fail("flushing it to the disk");
    if (fstat(file_, &status_) != 0)
        fail("looking at the new version");
}

void FileReplacement::commit()
{
    if (temporary_.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(file_);
        temporary_ = freeName(
            name_, [&](const char* name) { return linkat(AT_FDCWD, self.c_str(), folder_, name, AT_SYMLINK_FOLLOW); },
            "naming the new version");
    }
    // Some file systems report a failed write only here.
    const int closed = close(file_);
    file_ = -1;
    if (closed != 0)
        fail("writing it");
    if (renameat(folder_, temporary_.c_str(), folder_, name_.c_str()) != 0)
        fail("putting the new version in its place");
    temporary_.clear();
    // The new version is in place: a folder that cannot be flushed holds
    // the old file or the new one after a crash, never a mix.
    fsync(folder_);
}

void FileReplacement::discard()
{
    if (!temporary_.empty())
        unlinkat(folder_, temporary_.c_str(), 0);
    if (file_ >= 0)
        close(file_);
    if (folder_ >= 0)
        close(folder_);
    temporary_.clear();
    file_ = -1;
    folder_ = -1;
}

} // namespace norvo::qt
