// Plays through the program's real sound service so a script can watch the audio server:
//   soundprobe <wave folder>
// prints "looping" while alarm.wav loops, then "stop" once stop.wav has replaced it.
#include "QtSound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

void waitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundprobe <wave folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QtSound sound;
    sound.play(folder + QStringLiteral("/alarm.wav"), Sound::Mode::Loop);
    waitMs(2500); // longer than one play of the alarm: still heard only if it loops
    std::printf("looping\n");
    std::fflush(stdout);
    waitMs(2500);
    sound.play(folder + QStringLiteral("/stop.wav"), Sound::Mode::Once);
    waitMs(300);
    std::printf("stop\n");
    std::fflush(stdout);
    waitMs(3000);
    std::printf("end\n");
    std::fflush(stdout);
    return 0;
}
