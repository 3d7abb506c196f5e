// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "AtomicFile.h"
#include "Translation.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Temporary files are hidden and named after their target, so a later save can tell its own
// leftovers from anything else in the folder.
std::string tempPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".tockmere-";
}
constexpr std::size_t kTempRandom = 6; // mkstemp's XXXXXX

WriteResult failure(const std::string& what, int error) {
    return {false, what + ": " + std::strerror(error)};
}

// Follows symbolic links one by one (relative ones from the link's folder) to the file a save
// must replace; a link whose target is missing names the file to create.
std::optional<fs::path> linkTarget(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

mode_t userUmask() {
    // umask can only be read by setting it; the program creates no file in between.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A save holds a lock on its temporary file until it ends, and the lock dies with the process;
// a leftover whose lock can be taken belongs to a save that will never finish.
void removeLeftovers(const fs::path& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + kTempRandom || !name.starts_with(prefix))
            continue;
        const fs::path leftover = folder / name;
        const int fd = ::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(leftover.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

// The rename is only durable once the folder that holds the new name reaches the disk.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    const auto resolved = linkTarget(path);
    if (!resolved)
        return failure(translated("AtomicFile", "cannot follow its symbolic link"), ELOOP);
    const fs::path target = *resolved;
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // Renaming over a file needs no right to the file itself, so its own protection is
    // checked here: root, too, leaves a file alone that nobody may write.
    if (exists && (old.st_mode & 0222) == 0)
        return {false, translated("AtomicFile", "the file is read-only")};
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return failure(translated("AtomicFile", "cannot write the file"), errno);

    const std::string prefix = tempPrefix(target);
    removeLeftovers(folder, prefix);
    std::string temp = (folder / (prefix + std::string(kTempRandom, 'X'))).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return failure(translated("AtomicFile", "cannot create a new file in its folder"), errno);
    ::flock(fd, LOCK_EX);

    auto abandon = [&](const std::string& what) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return failure(what, error);
    };
    if (exists) {
        // Only root may give a file away; anyone else keeps what the system allows.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, exists ? (old.st_mode & 07777) : (0666 & ~userUmask())) != 0)
        return abandon(translated("AtomicFile", "cannot set the file's permissions"));
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return abandon(translated("AtomicFile", "cannot write the file"));
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return abandon(translated("AtomicFile", "cannot replace the old file"));
    ::close(fd);
    syncFolder(folder);
    return {};
}

FileStamp fileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}
