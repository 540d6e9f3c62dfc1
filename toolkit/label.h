#pragma once

#include <QLabel>

namespace toolkit {

// A caption on its container's surface: opaque, left-aligned unless told otherwise, wrapping at
// word boundaries and cut at its height; or, when sized to its text, one line as wide as the text.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(QWidget *parent, double left, double top, double width, double height,
          const QString &text, const QFont &font, const QColor &color = QColor());

    void setTextColor(const QColor &color);
    QColor textColor() const;
    void setSizedToText(bool sized); // the label follows its text's size from now on
    void setText(const QString &text);

private:
    bool m_sizedToText = false;
};

// A label in the layouts' Comic Sans stand-in of the given size.
Label *comicLabel(QWidget *parent, double left, double top, double width, double height,
                  const QString &text, double points, const QColor &color = QColor());

} // namespace toolkit
