#include "label.h"

#include "fonts.h"
#include "twips.h"

namespace toolkit {

Label::Label(QWidget *parent, double left, double top, double width, double height,
             const QString &text, const QFont &font, const QColor &color)
    : QLabel(text, parent)
{
    setGeometry(pixelRectFromTwips(left, top, width, height));
    setFont(font);
    setAutoFillBackground(true);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    if (color.isValid())
        setTextColor(color);
}

void Label::setTextColor(const QColor &color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

QColor Label::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setSizedToText(bool sized)
{
    m_sizedToText = sized;
    setWordWrap(!sized);
    if (sized)
        resize(sizeHint());
}

void Label::setText(const QString &text)
{
    QLabel::setText(text);
    if (m_sizedToText)
        resize(sizeHint());
}

Label *comicLabel(QWidget *parent, double left, double top, double width, double height,
                  const QString &text, double points, const QColor &color)
{
    return new Label(parent, left, top, width, height, text, comicFont(points), color);
}

} // namespace toolkit
