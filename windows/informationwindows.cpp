#include "informationwindows.h"

#include "about.h"
#include "description.h"
#include "timer.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

QPointer<Description> s_description;
QPointer<About> s_about;

} // namespace

void bringToFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void showInformationWindow(toolkit::Clock &clock, QWidget *mainWindow,
                           const DescriptionPictures &pictures)
{
    if (s_description) {
        bringToFront(*s_description);
        return;
    }
    auto *window = new Description(clock, mainWindow, pictures);
    s_description = window;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &unloadDescription);
    window->Form_Load(); // shows the window
    bringToFront(*window); // and takes the keyboard, its first opening too
}

void showAboutWindow(std::function<void()> showInformation)
{
    if (s_about) {
        bringToFront(*s_about);
        return;
    }
    auto *window = new About(std::move(showInformation));
    s_about = window;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &unloadAbout);
    window->Form_Load();
    bringToFront(*window);
}

Description *loadedDescription()
{
    return s_description;
}

About *loadedAbout()
{
    return s_about;
}

void unloadDescription()
{
    Description *window = s_description;
    if (!window)
        return;
    s_description = nullptr;
    window->Timer1->setEnabled(false);
    window->hide();
    window->deleteLater();
}

void unloadAbout()
{
    About *window = s_about;
    if (!window)
        return;
    s_about = nullptr;
    window->hide();
    window->deleteLater();
}

void closeInformationWindows()
{
    unloadAbout();
    unloadDescription();
}
