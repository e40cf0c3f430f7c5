#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <string>

#include <sys/stat.h>

namespace norvo::qt {

// A new version of a file, written in full beside it and flushed to the disk,
// then put in its place in one step: until commit() the file is as it was.
// A replacement that is not committed leaves nothing behind, and the new
// version has no name until it is committed (where the file system allows),
// so that not even a process that dies leaves one. A symbolic link keeps
// pointing at the file it names, which is replaced.
class FileReplacement {
public:
    // Writes the bytes and flushes them; the new version gets the given
    // rights (those of the file it replaces), or a new file's. Raises
    // std::runtime_error saying why when the folder cannot be made or is
    // read-only, or when any byte cannot be written or flushed.
    FileReplacement(const QByteArray& path, QByteArrayView bytes, std::optional<mode_t> permissions);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The new version as the file will be once committed.
    const struct stat& status() const { return status_; }
    // Puts the new version in the file's place; raises std::runtime_error,
    // having changed nothing, when it cannot.
    void commit();

private:
    void prepare(const QByteArray& path, QByteArrayView bytes, std::optional<mode_t> permissions);
    void discard();

    int folder_ = -1;
    int file_ = -1;
    // The file's name in its folder, and the new version's, once it has one.
    std::string name_;
    std::string temporary_;
    struct stat status_ { };
};

} // namespace norvo::qt
