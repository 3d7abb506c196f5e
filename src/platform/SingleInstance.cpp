// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

sockaddr_un socketAddress(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    return address;
}

} // namespace

SingleInstance::SingleInstance(const QString& key) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QDir().mkpath(folder);
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    base_ = QDir(folder).filePath(QStringLiteral("tockmere-") + QLatin1String(hash));
}

SingleInstance::~SingleInstance() {
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(QFile::encodeName(base_ + QStringLiteral(".socket")).constData());
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool SingleInstance::claim() {
    const QByteArray lockPath = QFile::encodeName(base_ + QStringLiteral(".lock"));
    const QByteArray socketPath = QFile::encodeName(base_ + QStringLiteral(".socket"));
    const sockaddr_un address = socketAddress(socketPath);
    const auto* any = reinterpret_cast<const sockaddr*>(&address);

    lockFd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is no telling; running is better than refusing to start.
    if (lockFd_ < 0)
        return true;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd_);
        lockFd_ = -1;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        // The connection itself is the request; nothing is written, so a running program
        // that has already hung up cannot kill this one with SIGPIPE.
        if (fd >= 0) {
            (void)::connect(fd, any, sizeof(address));
            ::close(fd);
        }
        return false;
    }
    // A socket file left by a crash is in the way of the new one.
    ::unlink(socketPath.constData());
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ >= 0 &&
        (::bind(listenFd_, any, sizeof(address)) != 0 || ::listen(listenFd_, 4) != 0)) {
        ::close(listenFd_);
        listenFd_ = -1;
    }
    if (listenFd_ >= 0) {
        notifier_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::accept);
    }
    return true;
}

void SingleInstance::accept() {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return;
    ::close(fd);
    emit anotherStartAsked();
}
