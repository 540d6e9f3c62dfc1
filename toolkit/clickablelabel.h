#pragma once

#include "label.h"

namespace toolkit {

// A label that reports a click of the left button released over it, for labels used as links.
class ClickableLabel : public Label
{
    Q_OBJECT

public:
    using Label::Label;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace toolkit
