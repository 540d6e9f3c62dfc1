#pragma once

class QWidget;

namespace toolkit {

// Centres the window on its screen's available area when it is first shown; later showings leave
// it where the user put it.
void centreOnFirstShow(QWidget *window);

} // namespace toolkit
