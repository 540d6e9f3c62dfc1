#pragma once

#include <QFont>

// The fonts of the layouts. Comic Sans MS, MS Sans Serif and Arial are not found on every system,
// so the program carries scalable stand-ins of similar metrics as resources: Comic Neue for
// Comic Sans MS, Liberation Sans for MS Sans Serif and for Arial. Sizes are given in points at
// 96 dpi and turned into pixel sizes, so that texts keep to their boxes whatever the screen's dpi.
namespace toolkit {

// Makes the bundled fonts known to the application; call once after QApplication exists.
void registerBundledFonts();

QFont comicFont(double points);
QFont dialogFont(); // MS Sans Serif 8.25 pt
QFont arialFont(double points, bool underline = false);

} // namespace toolkit
