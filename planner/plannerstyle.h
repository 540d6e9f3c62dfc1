#pragma once

// The planner's style: the platform's own, except that the menu bar's overflow icon is read when
// it is first drawn rather than when the menu bar is made. Reading it scans the image plugins,
// about 3 ms of every start, for a button that shows only when the menus do not fit.

#include <QProxyStyle>

namespace planner {

class PlannerStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace planner
