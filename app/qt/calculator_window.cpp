#include "app/qt/calculator_window.h"

#include "app/controller_connection.h"
#include "ui_calculator_window.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>

namespace {

// Every size the build put into the resources.
QIcon applicationIcon()
{
    QIcon icon;
    for (QDirIterator sizes(":/icons"); sizes.hasNext();) {
        icon.addFile(sizes.next());
    }
    return icon;
}

std::unique_ptr<Ui::CalculatorWindow> loadInterface(QWidget& window)
{
    auto ui = std::make_unique<Ui::CalculatorWindow>();
    ui->setupUi(&window);
    return ui;
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent)
    : QWidget(parent),
      ui(loadInterface(*this)),
      controls{
          .inputField = QtTextField(ui->inputField),
          .squareRootField = QtTextField(ui->squareRootField),
          .resultView = QtTextView(ui->resultView),
          .factorButton = QtPushButton(ui->factorButton),
          .squareRootButton = QtPushButton(ui->squareRootButton),
          .primeButton = QtPushButton(ui->primeButton),
          .asFractionButton = QtPushButton(ui->asFractionButton),
      }
{
    setWindowIcon(applicationIcon());
    connectControls(controller, controls);

    // Typed, pasted or set from code: every change of the text.
    connect(ui->inputField, &QLineEdit::textChanged, this, [this] { controller.controlTextDidChange(); });
    connect(ui->factorButton, &QPushButton::clicked, this, [this] { controller.factor(); });
    connect(ui->squareRootButton, &QPushButton::clicked, this, [this] { controller.squareRoot(); });
    connect(ui->primeButton, &QPushButton::clicked, this, [this] { controller.prime(); });
    connect(ui->asFractionButton, &QPushButton::clicked, this, [this] { controller.asFraction(); });

    // The controller, as the application's delegate, decides whether closing
    // the last window ends the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    connect(qGuiApp, &QGuiApplication::lastWindowClosed, this, [this] {
        if (controller.applicationShouldTerminateAfterLastWindowClosed()) {
            QCoreApplication::quit();
        }
    });

    controller.awakeFromNib();
}

CalculatorWindow::~CalculatorWindow() = default;
