// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

// The yardstick for bench/run-sidebyside.sh: the least a Qt Widgets clock needs, one label showing
// hh:mm:ss and one precise single-shot timer aimed afresh from the clock at each true second, so
// whatever Tockmere spends beyond it is what its own windows and services cost. Like Tockmere it
// draws through the X socket rather than shared memory, whose flush waits for a completion event:
// it wakes once a second, as Tockmere does.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[]) {
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("minimal clock"));
    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    const auto showTime = [&label, &tick] {
        // A timer never fires early, so the reading is already in the new second; the next tick
        // is aimed from it, so a stepped clock is followed within a second.
        const QTime now = QTime::currentTime();
        label.setText(now.toString(QStringLiteral("HH:mm:ss")));
        tick.start(1000 - now.msec());
    };
    QObject::connect(&tick, &QTimer::timeout, &label, showTime);
    showTime();
    label.show();
    return app.exec();
}
