#include "QtProgram.h"

#include <cstdio>

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "tockmere: no display found (DISPLAY is not set); on a machine "
                     "without one, start it as: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    TockmereApplication app(argc, argv);

    QtProgram desktop;
    Program& program = desktop.program;
    program.start();
    return QApplication::exec();
}
