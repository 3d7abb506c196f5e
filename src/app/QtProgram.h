// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "DBusNotifier.h"
#include "DesktopId.h"
#include "KernelClockHealth.h"
#include "Program.h"
#include "Modules.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtHelpViewer.h"
#include "QtSettingsStore.h"
#include "XdgAutostart.h"

#include <QApplication>

namespace detail {

// The clock redraws a small area every second. Over X shared memory each redraw first waits for
// the server to release the previous image, a round trip (two thread wake-ups) that costs more
// than sending those few kilobytes down the socket, so the program draws through the socket. Qt
// reads the choice once, while connecting to the display; it is taken back straight after, so
// nothing this process starts later inherits it. A choice already in the environment stands.
class DrawThroughSocketWhileConnecting {
protected:
    DrawThroughSocketWhileConnecting() : setHere_(!qEnvironmentVariableIsSet(kVariable)) {
        if (setHere_)
            qputenv(kVariable, "1");
    }
    void connected() const {
        if (setHere_)
            qunsetenv(kVariable);
    }

private:
    static constexpr const char* kVariable = "QT_XCB_NO_MITSHM";
    bool setHere_;
};

} // namespace detail

// The application object of the program and of its benchmark.
class TockmereApplication : private detail::DrawThroughSocketWhileConnecting, public QApplication {
public:
    TockmereApplication(int& argc, char** argv) : QApplication(argc, argv) {
        connected();
        setApplicationName(QStringLiteral("Tockmere"));
        // The id of the desktop entry, the icon and the AppStream data, for the desktop's
        // taskbar and window switcher.
        setDesktopFileName(kDesktopId);
        // Closing the main window ends the program; the hidden table window must not keep it
        // alive.
        setQuitOnLastWindowClosed(false);
    }
};

// The program on the real services of this desktop, as started by main() and measured by the
// benchmarks. Needs a TockmereApplication.
struct QtProgram {
    QtClock clock;
    KernelClockHealth clockHealth;
    QtSettingsStore settings;
    QtDialogs dialogs;
    ModuleSound sound{QCoreApplication::applicationDirPath()};
    ModulePrinter printer{QCoreApplication::applicationDirPath()};
    QtHelpViewer help;
    DBusNotifier notifier;
    XdgAutostart autostart{QCoreApplication::applicationFilePath()};
    Program program{
        {clock, clockHealth, settings, dialogs, sound, printer, help, notifier, autostart},
        QCoreApplication::applicationDirPath()};
};
