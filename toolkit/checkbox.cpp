#include "checkbox.h"

#include "twips.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace toolkit {

CheckBox::CheckBox(QWidget *parent, double left, double top, double width, double height,
                   const QString &text, const QFont &font, const QColor &color)
    : QCheckBox(text, parent)
{
    setGeometry(pixelRectFromTwips(left, top, width, height));
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    setPalette(palette);
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QStyleOptionButton indicatorOption = option;
    indicatorOption.rect = indicator;
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicatorOption);

    const int textLeft = indicator.right() + 5;
    const QRect textRect(textLeft, 0, width() - textLeft, height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter |
                                                        Qt::TextWordWrap, text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool CheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace toolkit
