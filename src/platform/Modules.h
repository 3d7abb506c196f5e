// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Printer.h"
#include "Sound.h"

#include <QLibrary>

#include <memory>

// Sound and printing need Qt Multimedia and Qt Print Support, with the sound and print stacks
// they bring: a fifth of the program's memory and start-up for what most runs never use. They
// live in modules beside the program, loaded the first time a sound plays or a listing prints.
// A module that cannot be loaded leaves the program without sound, which a sound reports as no
// output, or reports why it cannot print.

// A service created by a module's factory function, `create` in the library at `path`.
template <typename Service> class ModuleService {
public:
    ModuleService(const QString& path, const char* create) : library_(path), create_(create) {}

    // The service, loaded at the first call; nothing when the module cannot be loaded.
    Service* get() {
        if (!tried_) {
            tried_ = true;
            using Create = Service* (*)();
            if (const auto create = reinterpret_cast<Create>(library_.resolve(create_)))
                service_.reset(create());
        }
        return service_.get();
    }
    QString error() const { return library_.errorString(); }

private:
    QLibrary library_;
    const char* create_;
    bool tried_ = false;
    std::unique_ptr<Service> service_;
};

class ModuleSound final : public Sound {
public:
    explicit ModuleSound(const QString& folder);
    Problem play(const QString& path, Mode mode) override;

private:
    ModuleService<Sound> module_;
};

class ModulePrinter final : public Printer {
public:
    explicit ModulePrinter(const QString& folder);
    Result print(const QList<Line>& lines, const QString& title) override;
    Result saveAsPdf(const QList<Line>& lines, const QString& title, const QString& path) override;

private:
    Result unavailable() const;

    ModuleService<Printer> module_;
};
