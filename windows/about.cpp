#include "about.h"

#include "appidentity.h"
#include "centring.h"
#include "clickablelabel.h"
#include "colours.h"
#include "fonts.h"
#include "graphics.h"
#include "informationwindows.h"
#include "label.h"
#include "orbitview.h"
#include "picturebox.h"
#include "shellopen.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPushButton>

using toolkit::ClickableLabel;
using toolkit::comicLabel;
using toolkit::kBlue;
using toolkit::kPurple;
using toolkit::kRed;
using toolkit::kYellow;
using toolkit::PictureBox;

namespace {

// The author's addresses are build settings (ALGOL_AUTHOR_MAIL, ALGOL_AUTHOR_WEB).
const QString kAuthorMail = QStringLiteral(ALGOL_AUTHOR_MAIL);
const QString kAuthorWeb = QStringLiteral(ALGOL_AUTHOR_WEB);

ClickableLabel *link(QWidget *parent, double left, double top, double width, double height,
                     const QString &text)
{
    auto *result = new ClickableLabel(parent, left, top, width, height, text,
                                      toolkit::arialFont(12, true), kBlue);
    result->setSizedToText(true);
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

} // namespace

About::About(std::function<void()> showInformation)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Label1_0(comicLabel(this, 308, 360, 6135, 1020,
                          QStringLiteral("Certaines infos et images ont été pompées sur des "
                                         "sites du oueb, merci les auteurs. "),
                          14.25, kPurple)),
      Picture2(new PictureBox(this, 1920, 1575, 2910, 1380, PictureBox::Border::None)),
      B(Picture2->addCircle(840, 1155, 510, 540, kRed)),
      A(Picture2->addCircle(1350, 525, 675, 735, kYellow)), // in front of B
      Label1_1(comicLabel(this, 308, 3105, 6135, 870,
                          QStringLiteral("Ce programme est gratuit : vous pouvez le copier et le "
                                         "distribuer librement, sans le vendre."),
                          12)),
      Label2(link(this, 1860, 4080, 3120, 270, QStringLiteral("Envoyer un coucou à l'auteur..."))),
      Label3(link(this, 2025, 4545, 2655, 270, QStringLiteral("Visiter le site de l'auteur..."))),
      Command1(new QPushButton(QStringLiteral("Retour"), this)),
      m_showInformation(std::move(showInformation))
{
    setObjectName(QStringLiteral("About"));
    const std::pair<QObject *, const char *> names[] = {
        {Label1_0, "Label1(0)"}, {Picture2, "Picture2"}, {Label1_1, "Label1(1)"},
        {Label2, "Label2"},      {Label3, "Label3"},     {Command1, "Command1"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));

    setWindowTitle(QStringLiteral("A Propos... Version 2."));
    setAttribute(Qt::WA_QuitOnClose, false); // ending the program is the main window's business
    setFixedSize(toolkit::pixelRectFromTwips(0, 0, 6750, 5475).size());
    setFont(toolkit::dialogFont());
    toolkit::centreOnFirstShow(this);

    // As designed the orbit picture has the window colour; Form_Load blends it into the window.
    Picture2->setBackgroundColor(palette().color(QPalette::Base));
    Picture2->setForegroundColor(palette().color(QPalette::WindowText));
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Command1->setGeometry(toolkit::pixelRectFromTwips(496, 4995, 5835, 420));
    Command1->setFont(toolkit::dialogFont());
    Command1->setAutoDefault(false);

    // The labels lie behind the picture and the button.
    for (QWidget *surface : std::initializer_list<QWidget *>{Label1_0, Label1_1, Label2, Label3})
        surface->lower();
    setTabOrder(Command1, Picture2);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &About::Command1_Click);
    connect(Label2, &ClickableLabel::clicked, this, &About::Label2_Click);
    connect(Label3, &ClickableLabel::clicked, this, &About::Label3_Click);
}

About::~About() = default;

void About::Form_Load()
{
    Picture2->setBackgroundColor(palette().color(QPalette::Window));
    views::centrePrimary(*A, *Picture2);
    views::drawOrbitDots(*Picture2);
}

QString About::mailUrl()
{
    const toolkit::AppIdentity identity = toolkit::AppIdentity::current();
    return QStringLiteral("mailto:%1?subject=%2 V%3.%4.%5")
        .arg(kAuthorMail, identity.baseName)
        .arg(identity.major)
        .arg(identity.minor)
        .arg(identity.revision);
}

QString About::webUrl()
{
    return QStringLiteral("http://") + kAuthorWeb;
}

void About::Label2_Click()
{
    toolkit::openUrl(mailUrl());
}

void About::Label3_Click()
{
    toolkit::openUrl(webUrl());
}

void About::Command1_Click()
{
    // Copied first: unloading starts discarding this window.
    const std::function<void()> showInformation = m_showInformation;
    unloadAbout();
    if (showInformation)
        showInformation();
}

void About::closeEvent(QCloseEvent *event)
{
    // Closed by its title bar: discarded; the information window stays as it is.
    event->accept();
    unloadAbout();
}
