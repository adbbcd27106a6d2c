#include "app/qt/application_runner.h"

#include "app/qt/calculator_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The platform Qt will use: a "-platform" argument, else QT_QPA_PLATFORM.
std::string_view requestedPlatform(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform") {
            return argv[i + 1];
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform == nullptr ? std::string_view() : std::string_view(platform);
}

// X11 and Wayland need a display server; other platforms, such as
// offscreen or vnc, bring their own.
bool hasDisplay(int argc, char** argv)
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return true;
    }
    const std::string_view platform = requestedPlatform(argc, argv);
    return !platform.empty() && !platform.starts_with("xcb") && !platform.starts_with("wayland");
}

QtMessageHandler defaultMessageHandler = nullptr;

// While the platform starts, a fatal message (no display reachable, no
// platform plugin) ends the program with one line and status 1 instead of
// an abort.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        defaultMessageHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "number-tool: the window could not be opened: %s\n", message.toLocal8Bit().constData());
    std::_Exit(1);
}

} // namespace

int runApplication(int argc, char** argv)
{
    if (!hasDisplay(argc, argv)) {
        std::fputs("number-tool: a desktop session is needed to open the window, "
                   "but neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
                   stderr);
        return 1;
    }
    defaultMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(defaultMessageHandler);
    // Matches the installed desktop entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(NUMBER_TOOL_APP_ID);

    CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
