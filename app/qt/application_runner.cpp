#include "app/qt/application_runner.h"

#include "app/qt/calculator_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

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

// The display servers the platform will try to reach, as the environment
// names them: "WAYLAND_DISPLAY=wayland-0 or DISPLAY=:0".
std::string displaysTried(int argc, char** argv)
{
    std::string tried;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (isSet(variable)) {
            tried += (tried.empty() ? "" : " or ") + std::string(variable) + "=" + std::getenv(variable);
        }
    }
    const std::string_view platform = requestedPlatform(argc, argv);
    if (!platform.empty()) {
        tried += (tried.empty() ? "the platform " : " through the platform ") + std::string(platform);
    }
    return tried;
}

// Whoever asks for Qt's plugin or logging output gets all of it.
bool debuggingStartUp()
{
    return isSet("QT_DEBUG_PLUGINS") || isSet("QT_LOGGING_RULES");
}

// While the platform starts, what Qt and the display libraries write to
// standard error goes to a scratch file instead: their warnings about each
// platform they try are noise to a user whose window opens, and to one whose
// window cannot open, one plain line says more.
class StartUpQuiet {
public:
    StartUpQuiet()
    {
        std::fflush(stderr);
        _saved = dup(STDERR_FILENO);
        std::FILE* scratch = std::tmpfile();
        if (_saved < 0 || scratch == nullptr) {
            return;
        }
        dup2(fileno(scratch), STDERR_FILENO);
        std::fclose(scratch);
    }
    ~StartUpQuiet() { restore(); }
    StartUpQuiet(const StartUpQuiet&) = delete;
    StartUpQuiet& operator=(const StartUpQuiet&) = delete;

    void restore()
    {
        if (_saved < 0) {
            return;
        }
        std::fflush(stderr);
        dup2(_saved, STDERR_FILENO);
        close(_saved);
        _saved = -1;
    }

private:
    int _saved = -1;
};

StartUpQuiet* startUpQuiet = nullptr;
std::string displays;

// While the platform starts, a fatal message (no display reachable, no
// platform plugin) ends the program with one line and status 1 instead of
// an abort.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type != QtFatalMsg) {
        return;
    }
    if (startUpQuiet != nullptr) {
        startUpQuiet->restore();
    }
    if (displays.empty()) {
        std::fprintf(stderr, "number-tool: the window could not be opened: %s\n", message.toLocal8Bit().constData());
    } else {
        std::fprintf(stderr, "number-tool: the window could not be opened: no display server answered at %s.\n",
                     displays.c_str());
    }
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
    std::optional<QApplication> application;
    if (debuggingStartUp()) {
        application.emplace(argc, argv);
    } else {
        displays = displaysTried(argc, argv);
        StartUpQuiet quiet;
        startUpQuiet = &quiet;
        const QtMessageHandler defaultMessageHandler = qInstallMessageHandler(startupMessageHandler);
        application.emplace(argc, argv);
        qInstallMessageHandler(defaultMessageHandler);
        startUpQuiet = nullptr;
    }
    // Matches the installed desktop entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(NUMBER_TOOL_APP_ID);

    CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
