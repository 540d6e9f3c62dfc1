#pragma once

// The information window and the about window each exist in one instance at most. Showing one
// creates it when it is not loaded (its Form_Load runs then) and otherwise makes it visible and
// active; unloading hides it at once, stops its timer and discards it when control next returns to
// an event loop, so that a window may unload itself from one of its own handlers, even from inside
// the animation's processing of pending events. Both windows are modeless and have no owner.
//
// At the end of the program's event loop (QCoreApplication::aboutToQuit) every loaded window is
// unloaded and discarded with the other deferred deletions; nothing needs to be called for that.

#include "description.h"

#include <functional>

class About;
class QWidget;

namespace toolkit {
class Clock;
}

// The main window's "Informations sur Algol" (and the about window's "Retour"). mainWindow is the
// window that the information window's "&Retour" brings back. The pictures are used when the
// window is created; null ones are drawn as neutral pictures of the designed sizes.
void showInformationWindow(toolkit::Clock &clock, QWidget *mainWindow,
                           const DescriptionPictures &pictures = DescriptionPictures());

// The information window's "&A Propos". The about window's "Retour" calls showInformation after
// it has unloaded the about window.
void showAboutWindow(std::function<void()> showInformation);

// Shows a window, raises it and makes it the active one (the one that takes the keyboard).
void bringToFront(QWidget &window);

// The loaded windows, or null.
Description *loadedDescription();
About *loadedAbout();

// Unload one window, or both.
void unloadDescription();
void unloadAbout();
void closeInformationWindows();
