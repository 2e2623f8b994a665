// Loaded into a running Kov program (LD_PRELOAD) by the tests that end it as a person would. It writes "DRIVER"
// to standard error as soon as it is in, and "READY" once the main window shows. It answers every message box with
// its default button and writes "MESSAGE title|text". When the file named by KOV_DRIVER_CLOSE_ON exists, it closes
// the main window by the window system's close request, as the window's close button does, or, when the file says
// "exit", calls exit(1) from the event loop, as Qt does when the display goes away.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace {

void answerMessageBoxes()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (!box || !box->isVisible())
            continue;
        std::fprintf(stderr, "MESSAGE %s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
        std::fflush(stderr);
        QAbstractButton* button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            button->click();
    }
}

void watchMainWindow()
{
    static bool ready = false;
    static bool closing = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QLatin1String("MDI") || !window->isVisible())
            continue;
        if (!ready) {
            ready = true;
            std::fprintf(stderr, "READY\n");
            std::fflush(stderr);
        }
        const QString closeOn = qEnvironmentVariable("KOV_DRIVER_CLOSE_ON");
        if (!closing && !closeOn.isEmpty() && QFile::exists(closeOn)) {
            closing = true;
            QTimer::singleShot(100, window, [window, closeOn] {
                QFile signal(closeOn);
                if (signal.open(QIODevice::ReadOnly) && signal.readAll() == "exit")
                    std::exit(1);
                window->windowHandle()->close();
            });
        }
    }
}

void startDriver()
{
    std::fprintf(stderr, "DRIVER\n");
    std::fflush(stderr);
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [] {
        answerMessageBoxes();
        watchMainWindow();
    });
    timer->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
