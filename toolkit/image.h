#pragma once

#include <QPixmap>
#include <QWidget>

namespace toolkit {

// A picture on its container: drawn at its natural size from the top-left corner, or stretched
// to the control. Clicks are reported.
class Image : public QWidget
{
    Q_OBJECT

public:
    Image(QWidget *parent, double left, double top, double width, double height,
          const QPixmap &picture, bool stretch);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    bool stretch() const { return m_stretch; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_stretch;
};

// A neutral picture of the given pixel size, for a picture that the program does not have yet.
QPixmap placeholderPicture(int width, int height, const QColor &color = QColor(200, 200, 200));

} // namespace toolkit
