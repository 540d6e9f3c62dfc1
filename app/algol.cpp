#include "algol.h"

#include "button.h"
#include "centring.h"
#include "checkbox.h"
#include "colours.h"
#include "fonts.h"
#include "graphics.h"
#include "image.h"
#include "label.h"
#include "picturebox.h"
#include "pictures.h"
#include "textfield.h"
#include "timer.h"
#include "twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

using toolkit::comicLabel;
using toolkit::commandButton;
using toolkit::kNavy;
using toolkit::kRed;
using toolkit::kYellow;
using toolkit::PictureBox;
using toolkit::TextField;

namespace {

constexpr double kComicPoints = 8.25;

constexpr int kStopwatchSize = 32;

TextField *field(QWidget *parent, double left, double top, double width, double height,
                 const QString &text = QString())
{
    auto *result = new TextField(parent, left, top, width, height, text);
    result->setFont(toolkit::dialogFont());
    return result;
}

// Text fields with the button-face background instead of the window background.
TextField *buttonFaceField(QWidget *parent, double left, double top, double width, double height)
{
    TextField *result = field(parent, left, top, width, height);
    QPalette palette = result->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    result->setPalette(palette);
    return result;
}

} // namespace

Algol::Algol(toolkit::Clock &clock, const ephemeris::RegionalSettings &regional,
             const ephemeris::Elements &elements, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      LastMinimum(elements.epoch),
      Text1(field(this, 360, 120, 3225, 285)),
      Text3(field(this, 3855, 120, 390, 285)),
      Label1(comicLabel(this, 4350, 210, 225, 315, QStringLiteral("h"), kComicPoints)),
      Text4(field(this, 4560, 120, 390, 285)),
      Label2(comicLabel(this, 5070, 210, 180, 195, QStringLiteral("m"), kComicPoints)),
      Text5(field(this, 5310, 120, 390, 285)),
      Label3(comicLabel(this, 5835, 210, 165, 180, QStringLiteral("s"), kComicPoints)),
      Label6(comicLabel(this, 360, 510, 915, 195, QStringLiteral("Jour Julien"), kComicPoints)),
      Text2(buttonFaceField(this, 360, 720, 3180, 285)),
      Command1(commandButton(this, 3945, 630, 1455, 495, QString())),
      Label4(comicLabel(this, 5595, 855, 780, 315, QStringLiteral("TU +"), kComicPoints)),
      Text6(field(this, 6060, 810, 360, 285, QStringLiteral("1"))),
      Label5(comicLabel(this, 360, 1110, 1440, 195, QStringLiteral("Prochain minima"),
                        kComicPoints)),
      Label11(comicLabel(this, 3975, 1170, 2460, 450,
                         QStringLiteral("Position d'algol fournie en temps réel."), kComicPoints,
                         kNavy)),
      Text7(field(this, 360, 1320, 3180, 285)),
      Label7(comicLabel(this, 360, 1635, 435, 225, QStringLiteral("Phase"), kComicPoints)),
      Check1(new toolkit::CheckBox(this, 1995, 1710, 2055, 390,
                                   QStringLiteral("Valeurs et calcul en Temps local"),
                                   toolkit::comicFont(kComicPoints), kNavy)),
      Label8(comicLabel(this, 4845, 1725, 1440, 195, QStringLiteral("Minima du mois"),
                        kComicPoints, kNavy)),
      Text8(buttonFaceField(this, 360, 1845, 780, 285)),
      List1(new QListWidget(this)),
      Picture1(new PictureBox(this, 375, 2235, 2910, 2115, PictureBox::Border::Sunken)),
      A(Picture1->addCircle(1350, 525, 675, 735, kYellow)),
      B(Picture1->addCircle(840, 1155, 510, 540, kRed)),
      Label10(comicLabel(this, 3390, 2280, 1275, 1155,
                         QStringLiteral("Cliquer sur la vue d'Algol en 3D pour voir la courbe de "
                                        "luminosité."),
                         kComicPoints, kNavy)),
      Label9(comicLabel(this, 195, 4410, 5490, 270, QStringLiteral("Algol"), kComicPoints, kNavy)),
      Command4(commandButton(this, 5415, 4410, 1245, 270, QStringLiteral("Liste annuelle"))),
      Command3(commandButton(this, 420, 4800, 5355, 405, QStringLiteral("Informations sur Algol"))),
      Command2(commandButton(this, 5895, 4800, 765, 405, QStringLiteral("&Quitter"))),
      Picture2(new PictureBox(this, 10000, 360, 7005, 4545, PictureBox::Border::None)),
      Image3(new toolkit::Image(Picture2, 0, 0, 6900, 4440, QPixmap(), true)), // see Picture1_Click
      Line1(Picture2->addLine(1425, 3690, 1425, 4000, Qt::black, 1)),
      Line2(Picture2->addLine(6420, 3690, 6420, 4000, Qt::black, 1)),
      Magnitude(Picture2->addLine(-960, 720, -960, 3885, kRed, 3)),
      Image1(new toolkit::Image(this, 10000, 1695, 480, 480,
                                assets::picture(assets::Picture::Stopwatch), false)),
      Image2(new toolkit::Image(this, 10000, 2280, 480, 480,
                                assets::picture(assets::Picture::StopwatchStopped), false)),
      Timer1(new toolkit::Timer(clock, 1000, this)),
      m_clock(clock),
      m_regional(regional),
      m_elements(elements)
{
    setObjectName(QStringLiteral("Algol"));
    const std::pair<QObject *, const char *> names[] = {
        {Text1, "Text1"},     {Text3, "Text3"},       {Label1, "Label1"},     {Text4, "Text4"},
        {Label2, "Label2"},   {Text5, "Text5"},       {Label3, "Label3"},     {Label6, "Label6"},
        {Text2, "Text2"},     {Command1, "Command1"}, {Label4, "Label4"},     {Text6, "Text6"},
        {Label5, "Label5"},   {Label11, "Label11"},   {Text7, "Text7"},       {Label7, "Label7"},
        {Check1, "Check1"},   {Label8, "Label8"},     {Text8, "Text8"},       {List1, "List1"},
        {Picture1, "Picture1"}, {Label10, "Label10"}, {Label9, "Label9"},     {Command4, "Command4"},
        {Command3, "Command3"}, {Command2, "Command2"}, {Picture2, "Picture2"}, {Image3, "Image3"},
        {Image1, "Image1"},   {Image2, "Image2"},     {Timer1, "Timer1"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));

    setWindowTitle(QStringLiteral("Tavrelo"));
    setWindowIcon(assets::starIcon());
    setFixedSize(toolkit::pixelRectFromTwips(0, 0, 6735, 5235).size());
    setFont(toolkit::dialogFont());
    toolkit::centreOnFirstShow(this);

    Text1->setAlignment(Qt::AlignCenter);
    Text2->setAlignment(Qt::AlignCenter);
    Command1->setIconSize(QSize(kStopwatchSize, kStopwatchSize));
    A->bringToFront();
    Label7->setSizedToText(true);
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Check1->setChecked(true);
    Check1->setToolTip(QStringLiteral("Inactif si mode en temps réel, sinon calcul en fonction "
                                      "des heures fournies en GMT"));
    Command4->setToolTip(QStringLiteral("Création d'un fichier texte dans le répertoire de "
                                        "l'appli regroupant les minimas d'une année."));
    List1->setGeometry(toolkit::pixelRectFromTwips(4845, 1965, 1830, 2400));
    List1->setFont(toolkit::dialogFont());
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Picture2->hide();
    Command3->setDefault(true);

    applyStackingAndKeyboardOrder();

    connect(Picture1, &PictureBox::clicked, this, &Algol::Picture1_Click);
    connect(Image3, &toolkit::Image::clicked, this, &Algol::Image3_Click);
    connect(Command2, &QPushButton::clicked, this, &Algol::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Algol::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Algol::Command3_Click);
    connectModeHandlers();
    Timer1->setEnabled(true);
}

Algol::~Algol() = default;

void Algol::applyStackingAndKeyboardOrder()
{
    // Labels and images lie on the window's surface, behind every control that is a window.
    for (QWidget *surface : std::initializer_list<QWidget *>{
             Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
             Label11, Image1, Image2})
        surface->lower();
    // Front to back.
    QWidget *const stacking[] = {Command4, Command3, Picture2, Command2, Command1,
                                       Picture1, List1, Text1, Text2, Text7,
                                       Text8, Check1, Text6, Text5, Text4, Text3};
    for (auto it = std::rbegin(stacking); it != std::rend(stacking); ++it)
        (*it)->raise();

    QWidget *const keyboardOrder[] = {Command3, Text3, Text4, Text5, Text6, Check1,
                                      Text8, Text7, Text2, Text1, List1, Picture1,
                                      Command1, Command2, Picture2, Command4};
    for (std::size_t i = 1; i < std::size(keyboardOrder); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    Command3->setFocus();
}

void Algol::keyPressEvent(QKeyEvent *event)
{
    // Command3 is the window's default button: Enter presses it from anywhere else in the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget()))
            focused->animateClick();
        else
            Command3->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}
