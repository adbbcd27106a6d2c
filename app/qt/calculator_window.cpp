#include "app/qt/calculator_window.h"

#include "app/controller_connection.h"
#include "app/qt/answer_copier.h"
#include "ui_calculator_window.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>
#include <QShortcut>

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
          .reasonView = QtLabelView(ui->reasonLine),
      }
{
    setWindowIcon(applicationIcon());
    // Room for two lines of reasons, so that the layout does not jump as
    // the sentence changes length with every keystroke.
    ui->reasonLine->setMinimumHeight(2 * ui->reasonLine->fontMetrics().lineSpacing());
    connectControls(controller, controls);

    // Typed, pasted or set from code: every change of the text.
    connect(ui->inputField, &QLineEdit::textChanged, this, [this] { controller.controlTextDidChange(); });
    connect(ui->inputField, &NumberLineEdit::textRefused, this,
            [this](const QString& refused) { controller.controlDidFailToValidate(refused.toStdString()); });
    connectAction(ui->factorButton, &Controller::factor);
    connectAction(ui->squareRootButton, &Controller::squareRoot);
    connectAction(ui->primeButton, &Controller::prime);
    connectAction(ui->asFractionButton, &Controller::asFraction);

    auto* clear = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(clear, &QShortcut::activated, this, [this] {
        ui->inputField->clear();
        ui->inputField->setFocus();
    });
    auto* copier = new AnswerCopier(ui->resultView, this);
    copier->watch(ui->inputField);

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

void CalculatorWindow::connectAction(QAbstractButton* button, void (Controller::*action)())
{
    connect(button, &QAbstractButton::clicked, this, [this, action] {
        (controller.*action)();
        ui->inputField->setFocus();
    });
}
