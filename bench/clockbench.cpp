// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

// Measures the clock as a user sees it: the real main window runs on the real services, and every
// paint of its clock label that shows a new second is timed against the wall clock. A plain
// free-running 500 ms timer driving a label of its own is measured the same way for comparison.
//
//   clockbench <launch time, ns since the epoch> [seconds for the clock] [seconds for the plain
//   timer]
//
// The launch time comes from the script that starts it, so the start-up figure includes loading
// the program. Run it through bench/run-clockbench.sh, which prepares a settings folder and a
// schedule file so that start-up shows no message.
#include "QtProgram.h"
#include "ClockLabel.h"
#include "MainWindow.h"

#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace {

qint64 realtimeNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct CpuMs {
    double user = 0;
    double system = 0;
};

CpuMs cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3,
            usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3};
}

double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Times each paint of a label that shows a new hh:mm:ss against the start of that second. A paint
// only notes the moment and the text; they are compared after the run, so the measuring adds as
// little as possible to the CPU time being measured.
template <typename Label> class PaintTimer : public QObject {
public:
    explicit PaintTimer(Label* label) : label_(label) {
        paints_.reserve(4096);
        label->installEventFilter(this);
    }

    qint64 firstPaintNs() const { return paints_.empty() ? 0 : paints_.front().first; }
    void restart() { counted_ = paints_.size(); }

    std::vector<double> delaysMs() const {
        constexpr qint64 kDayNs = 86'400'000'000'000;
        std::vector<double> delays;
        for (std::size_t i = std::max<std::size_t>(counted_, 1); i < paints_.size(); ++i) {
            const auto& [nowNs, text] = paints_[i];
            const QTime shown = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
            if (text == paints_[i - 1].second || !shown.isValid())
                continue;
            // Both clocks show UTC: the bench's settings keep the program's UTC switch on and the
            // zone's own offset.
            const qint64 shownNs = qint64(shown.msecsSinceStartOfDay()) * 1'000'000;
            delays.push_back(double(((nowNs - shownNs) % kDayNs + kDayNs) % kDayNs) / 1e6);
        }
        return delays;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint)
            paints_.emplace_back(realtimeNs(), label_->text());
        return false;
    }

private:
    Label* label_;
    std::vector<std::pair<qint64, QString>> paints_;
    std::size_t counted_ = 0;
};

struct Summary {
    double median = 0, p99 = 0, max = 0;
    std::size_t count = 0;
};

Summary summarise(std::vector<double> values) {
    Summary summary;
    summary.count = values.size();
    if (values.empty())
        return summary;
    std::sort(values.begin(), values.end());
    summary.median = values[values.size() / 2];
    summary.p99 = values[std::min(values.size() - 1, values.size() * 99 / 100)];
    summary.max = values.back();
    return summary;
}

void runFor(int seconds) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const qint64 launchNs = argc > 1 ? QByteArray(argv[1]).toLongLong() : realtimeNs();
    const int clockSeconds = argc > 2 ? std::max(10, QByteArray(argv[2]).toInt()) : 60;
    const int plainSeconds = argc > 3 ? std::max(10, QByteArray(argv[3]).toInt()) : 30;

    TockmereApplication app(argc, argv);
    QtProgram desktop;
    Program& program = desktop.program;
    PaintTimer real(program.mainWindow().findChild<ClockLabel*>(QStringLiteral("clockLabel")));
    program.start();

    runFor(2); // let start-up settle before counting
    real.restart();
    const CpuMs cpuBefore = cpuMs();
    runFor(clockSeconds);
    const CpuMs cpuAfter = cpuMs();
    const double userPerMinute = (cpuAfter.user - cpuBefore.user) * 60.0 / clockSeconds;
    const double systemPerMinute = (cpuAfter.system - cpuBefore.system) * 60.0 / clockSeconds;
    const double cpuPerMinute = userPerMinute + systemPerMinute;
    const double rss = residentMb();
    const Summary precise = summarise(real.delaysMs());

    // The plain design: a 500 ms timer started at an arbitrary moment, never re-aimed.
    QLabel plain;
    auto utcNow = [] {
        return QDateTime::currentDateTimeUtc().time().toString(QStringLiteral("HH:mm:ss"));
    };
    plain.setText(utcNow());
    PaintTimer plainTimer(&plain);
    QTimer freeRunning;
    freeRunning.setInterval(500);
    QObject::connect(&freeRunning, &QTimer::timeout, &plain, [&plain, utcNow] {
        const QString now = utcNow();
        if (plain.text() != now)
            plain.setText(now);
    });
    plain.show();
    QTimer::singleShot(137, &freeRunning, qOverload<>(&QTimer::start));
    runFor(plainSeconds);
    const Summary free = summarise(plainTimer.delaysMs());

    std::printf("clock display delay after each second boundary (ms):\n");
    std::printf("  %-28s median %6.1f  p99 %6.1f  max %6.1f  (%zu seconds)\n",
                "aimed precise ticks", precise.median, precise.p99, precise.max, precise.count);
    std::printf("  %-28s median %6.1f  p99 %6.1f  max %6.1f  (%zu seconds)\n",
                "free-running 500 ms timer", free.median, free.p99, free.max, free.count);
    std::printf("cpu per minute: %.1f ms (%.3f %% of one core; user %.1f ms, system %.1f ms)\n",
                cpuPerMinute, cpuPerMinute / 600.0, userPerMinute, systemPerMinute);
    std::printf("resident memory: %.1f MB\n", rss);
    std::printf("process start to first shown window: %.1f ms\n",
                double(real.firstPaintNs() - launchNs) / 1e6);
    std::printf("targets: median <= 3 ms, p99 <= 10 ms, cpu <= 60 ms per minute, memory <= 60 MB, "
                "first window <= 150 ms\n");
    return 0;
}
