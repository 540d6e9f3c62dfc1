#pragma once

// The about window: the version in its caption, a thanks line, the distribution notice, the two
// stars on a dotted orbit whose companion the information window's animation moves while this
// window is visible, and two links that hand a mail or web address to the desktop. "Retour"
// unloads the window and shows the information window again.
//
// The window exists in one instance at most: the program creates, shows and discards it through
// the functions of informationwindows.h.

#include <QWidget>

#include <functional>

class QPushButton;

namespace toolkit {
class CircleShape;
class ClickableLabel;
class Label;
class PictureBox;
} // namespace toolkit

class About : public QWidget
{
    Q_OBJECT

public:
    // showInformation shows the information window; "Retour" calls it after unloading this one.
    explicit About(std::function<void()> showInformation);
    ~About() override;

    // Start-up: blends the orbit picture into the window, centres A and draws the dotted orbit.
    void Form_Load();
    void Command1_Click();
    void Label2_Click();
    void Label3_Click();

    // The texts the links hand to the desktop.
    static QString mailUrl();
    static QString webUrl();

    // Controls, as laid out.
    toolkit::Label *const Label1_0;
    toolkit::PictureBox *const Picture2;
    toolkit::CircleShape *const B;
    toolkit::CircleShape *const A;
    toolkit::Label *const Label1_1;
    toolkit::ClickableLabel *const Label2;
    toolkit::ClickableLabel *const Label3;
    QPushButton *const Command1;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const std::function<void()> m_showInformation;
};
