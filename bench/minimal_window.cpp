// The smallest Qt 6 Widgets programs with a window: the floor that start-up
// time and memory are compared with. With the argument "label" the window
// shows one line of text, which adds the toolkit's style and font set-up.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "label") == 0;
    const std::unique_ptr<QWidget> window = withLabel ? std::make_unique<QLabel>("Number Tool") : std::make_unique<QWidget>();
    window->show();
    return QApplication::exec();
}
