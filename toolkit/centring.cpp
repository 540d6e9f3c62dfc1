#include "centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace toolkit {

namespace {

// Watches its window until the first showing, centres it then and goes away.
class FirstShowCentring : public QObject
{
public:
    explicit FirstShowCentring(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (const QScreen *screen = window->screen()) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }
};

} // namespace

void centreOnFirstShow(QWidget *window)
{
    new FirstShowCentring(window);
}

} // namespace toolkit
