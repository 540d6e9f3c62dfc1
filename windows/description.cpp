// The information window as laid out, and its start-up.

#include "description.h"

#include "button.h"
#include "colours.h"
#include "descriptiontexts.h"
#include "fonts.h"
#include "graphics.h"
#include "image.h"
#include "informationwindows.h"
#include "label.h"
#include "picturebox.h"
#include "timer.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>

using toolkit::comicLabel;
using toolkit::commandButton;
using toolkit::Image;
using toolkit::kDarkRed;
using toolkit::kNavy;
using toolkit::kPurple;
using toolkit::kRed;
using toolkit::kYellow;
using toolkit::PictureBox;

namespace {

constexpr double kTextPoints = 9;
constexpr double kRightTextPoints = 9.75;

// Designed client area: 15240 x 11010 twips.
constexpr double kDesignWidth = 15240;
constexpr double kDesignHeight = 11010;

// The chart viewer's buttons, in twips inside Picture1.
constexpr double kChartButtonWidth = 2565;
constexpr double kChartButtonHeight = 500;
constexpr double kChartButtonTop = 6495;
constexpr double kCommand1Left = 150;
constexpr double kCommand2Left = 2775;
constexpr double kCommand5Left = 5400;
constexpr double kChartButtonMargin = 100;

constexpr QSize kOrbitPhasesSize(456, 296);
constexpr QSize kLightCurveSize(493, 359);
constexpr QSize kChartSize(1024, 712);

QPixmap orPlaceholder(const QPixmap &picture, QSize size, const QColor &color)
{
    return picture.isNull() ? toolkit::placeholderPicture(size.width(), size.height(), color)
                            : picture;
}

// Controls inside a picture box are placed from the corner of its drawing area.
QRect insideBox(const PictureBox &box, double left, double top, double width, double height)
{
    return toolkit::pixelRectFromTwips(left, top, width, height).translated(box.drawingOrigin());
}

QString text(const char16_t *designText)
{
    return QStringView(designText).toString();
}

} // namespace

Description::Description(toolkit::Clock &clock, QWidget *mainWindow,
                         const DescriptionPictures &pictures)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      Label1(comicLabel(this, 60, 60, 1665, 360, QStringLiteral("Description"), 12, kNavy)),
      Label2_0(comicLabel(this, 15, 555, 7725, 495, text(descriptiontexts::T1), kTextPoints,
                          kNavy)),
      Label2_1(comicLabel(this, 15, 1095, 7725, 765, text(descriptiontexts::T2), kTextPoints,
                          kNavy)),
      Label2_2(comicLabel(this, 15, 1815, 7725, 255, text(descriptiontexts::T3), kTextPoints,
                          kNavy)),
      Label2_3(comicLabel(this, 15, 2085, 7725, 555, text(descriptiontexts::T4), kTextPoints,
                          kNavy)),
      Label2_4(comicLabel(this, 15, 2715, 7725, 795, text(descriptiontexts::T5), kTextPoints,
                          kNavy)),
      Label2_5(comicLabel(this, 15, 3540, 7725, 1080, text(descriptiontexts::T6), kTextPoints,
                          kNavy)),
      Label3_0(comicLabel(this, 15, 4590, 3930, 300,
                          QStringLiteral("- Almach (gamma Andromède)  (magnitude 2,1)."),
                          kTextPoints, kNavy)),
      Label3_3(comicLabel(this, 15, 4890, 3930, 300,
                          QStringLiteral("- Alpha Triangle (magnitude 3,4)."), kTextPoints,
                          kNavy)),
      Picture2(new PictureBox(this, 4695, 4890, 2910, 1380, PictureBox::Border::None)),
      A(Picture2->addCircle(1350, 525, 675, 735, kYellow)),
      B(Picture2->addCircle(840, 1155, 510, 540, kRed)), // in front of A
      Image4(new Image(this, 0, 6540, 6840, 4440,
                       orPlaceholder(pictures.orbitPhases, kOrbitPhasesSize, QColor(190, 190, 190)),
                       false)),
      Image3(new Image(this, 6975, 6960, 6030, 4035,
                       orPlaceholder(pictures.lightCurve, kLightCurveSize, QColor(255, 250, 225)),
                       true)),
      Label5(comicLabel(this, 9510, 105, 1965, 240, QStringLiteral("Localiser Algol."),
                        kRightTextPoints)),
      Image1(new Image(this, 8130, 360, 4545, 3405,
                       orPlaceholder(pictures.chartMagnitudes, kChartSize, QColor(40, 40, 60)),
                       true)),
      Image5(new Image(this, 8280, 0, 4545, 3405,
                       orPlaceholder(pictures.chartSky, kChartSize, QColor(30, 40, 110)), true)),
      Image2(new Image(this, 86100, 3600, 5310, 4995,
                       orPlaceholder(pictures.chartNames, kChartSize, QColor(60, 40, 40)), true)),
      Label4(comicLabel(this, 8445, 3780, 4095, 255,
                        QStringLiteral("Cliquez sur la carte pour l'agrandir."), kRightTextPoints,
                        kRed)),
      Label7(comicLabel(this, 8055, 4380, 2115, 285, QStringLiteral("Moments des Tavrelo"),
                        kRightTextPoints, kPurple)),
      Label8(comicLabel(this, 8070, 4710, 4605, 2130, text(descriptiontexts::T7),
                        kRightTextPoints, kPurple)),
      Label6_0(comicLabel(this, 12855, 255, 1950, 3045, text(descriptiontexts::T8),
                          kRightTextPoints, kPurple)),
      Label6_1(comicLabel(this, 12765, 3450, 2265, 3000, text(descriptiontexts::T9),
                          kRightTextPoints, kDarkRed)),
      Command6(commandButton(this, 13515, 9120, 1575, 435, QStringLiteral("&Cartes"))),
      Command4(commandButton(this, 13515, 9705, 1575, 435, QStringLiteral("&A Propos"))),
      Command3(commandButton(this, 13515, 10350, 1575, 435, QStringLiteral("&Retour"))),
      Picture1(new PictureBox(this, 10000, 1320, 8430, 7515, PictureBox::Border::Sunken)),
      Command1(commandButton(Picture1,
                      insideBox(*Picture1, kCommand1Left, kChartButtonTop, kChartButtonWidth,
                                kChartButtonHeight),
                      QStringLiteral("Carte des magnitudes"))),
      Command2(commandButton(Picture1,
                      insideBox(*Picture1, kCommand2Left, kChartButtonTop, kChartButtonWidth,
                                kChartButtonHeight),
                      QStringLiteral("Cartes des noms"))),
      Command5(commandButton(Picture1,
                      insideBox(*Picture1, kCommand5Left, kChartButtonTop, kChartButtonWidth,
                                kChartButtonHeight),
                      QStringLiteral("Localisation Générale"))),
      Timer1(new toolkit::Timer(clock, 100, this)),
      m_clock(clock),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Description"));
    const std::pair<QObject *, const char *> names[] = {
        {Label1, "Label1"},       {Label2_0, "Label2(0)"}, {Label2_1, "Label2(1)"},
        {Label2_2, "Label2(2)"},  {Label2_3, "Label2(3)"}, {Label2_4, "Label2(4)"},
        {Label2_5, "Label2(5)"},  {Label3_0, "Label3(0)"}, {Label3_3, "Label3(3)"},
        {Picture2, "Picture2"},   {Image4, "Image4"},      {Image3, "Image3"},
        {Label5, "Label5"},       {Image1, "Image1"},      {Image5, "Image5"},
        {Image2, "Image2"},       {Label4, "Label4"},      {Label7, "Label7"},
        {Label8, "Label8"},       {Label6_0, "Label6(0)"}, {Label6_1, "Label6(1)"},
        {Command6, "Command6"},   {Command4, "Command4"},  {Command3, "Command3"},
        {Picture1, "Picture1"},   {Command1, "Command1"},  {Command2, "Command2"},
        {Command5, "Command5"},   {Timer1, "Timer1"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));

    setWindowTitle(QStringLiteral("Description d'Algol, cette merveille celeste."));
    setAttribute(Qt::WA_QuitOnClose, false); // ending the program is the main window's business
    setFont(toolkit::dialogFont());
    resize(toolkit::pixelRectFromTwips(0, 0, kDesignWidth, kDesignHeight).size());

    Image5->hide();
    Picture1->hide();
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Picture2->setForegroundColor(palette().color(QPalette::WindowText));
    Image1->setCursor(Qt::PointingHandCursor);

    applyStackingAndKeyboardOrder();

    connect(Image1, &Image::clicked, this, &Description::Image1_Click);
    connect(Command6, &QPushButton::clicked, this, &Description::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &Description::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Description::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Description::Command5_Click);
    connect(Picture1, &PictureBox::clicked, this, &Description::Picture1_Click);
    connect(Command3, &QPushButton::clicked, this, &Description::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Description::Command4_Click);
    connect(Timer1, &toolkit::Timer::timeout, this, &Description::Timer1_Timer);
    Timer1->setEnabled(true);
}

Description::~Description() = default;

void Description::applyStackingAndKeyboardOrder()
{
    // Labels and images lie on the window's surface, behind every control that is a window.
    for (QWidget *surface : std::initializer_list<QWidget *>{
             Label1, Label2_0, Label2_1, Label2_2, Label2_3, Label2_4, Label2_5, Label3_0, Label3_3,
             Image4, Image3, Label5, Image1, Image5, Image2, Label4, Label7, Label8, Label6_0,
             Label6_1})
        surface->lower();
    // Raised from the back: Command6 ends in front, then Command4, Command3, Picture1 (inside it
    // Command5, Command2, Command1), Picture2.
    for (QWidget *control : std::initializer_list<QWidget *>{Picture2, Picture1, Command3,
                                                              Command4, Command6})
        control->raise();
    for (QWidget *control : std::initializer_list<QWidget *>{Command1, Command2, Command5})
        control->raise();

    QWidget *const keyboardOrder[] = {Picture1, Command1, Command2, Picture2,
                                      Command3, Command4, Command5, Command6};
    for (std::size_t i = 1; i < std::size(keyboardOrder); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    Picture2->setFocus(); // the first control of the order that is shown
}

void Description::Form_Load()
{
    Picture2->setBackgroundColor(palette().color(QPalette::Window));

    // The viewer covers the window from its top-left corner at the size of the screen.
    const QSize screen = this->screen()->geometry().size();
    Picture1->setTwipsGeometry(0, 0, toolkit::twipsFromPixels(screen.width()),
                               toolkit::twipsFromPixels(screen.height()));
    placeChartButtons(Picture1->heightTwips() - kChartButtonHeight - kChartButtonMargin);

    DrawAnimationPath();
}

// Command1.Top, then Command2.Top and Command5.Top the same; their Left stays as designed.
void Description::placeChartButtons(double top)
{
    Command1->setGeometry(
        insideBox(*Picture1, kCommand1Left, top, kChartButtonWidth, kChartButtonHeight));
    Command2->setGeometry(
        insideBox(*Picture1, kCommand2Left, top, kChartButtonWidth, kChartButtonHeight));
    Command5->setGeometry(
        insideBox(*Picture1, kCommand5Left, top, kChartButtonWidth, kChartButtonHeight));
}

DescriptionPictures Description::pictures() const
{
    return {Image4->picture(), Image3->picture(), Image1->picture(), Image2->picture(),
            Image5->picture()};
}

void Description::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager: unloaded like "&Retour", but the main window is left alone.
    event->accept();
    unloadDescription();
}
