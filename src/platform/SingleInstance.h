// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One running program per user and settings folder. The first start holds a lock on a file and
// listens on a socket beside it; a later start finds the lock taken, asks the running program to
// come forward and ends. The lock dies with the process that held it, so a crash never blocks
// the next start.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // `key` names the settings folder; the lock and the socket go to the user's runtime folder.
    explicit SingleInstance(const QString& key);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other copy runs, and this one now listens for later starts. False when one
    // does: it has been asked to come forward.
    bool claim();

signals:
    void anotherStartAsked();

private:
    void accept();

    QString base_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
