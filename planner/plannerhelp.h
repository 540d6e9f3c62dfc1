#pragma once

// The planner's help: the about box's text, and the page that explains the words of the window.
// Both are made when first asked for.

#include <QString>

class QWidget;

namespace planner {

// The version, the licence and where the data come from, as rich text.
QString aboutText();

// A window that explains the terms of the planner (the elements, HJD, the watchable hours, the
// uncertainty and the scatter, the classic window's minima, the nights; the estimates, the timing,
// the user's timings and elements files and the O−C diagram), in the user's language.
QWidget *termsWindow(QWidget *parent, const QString &timingsPath, const QString &elementsPath);

} // namespace planner
