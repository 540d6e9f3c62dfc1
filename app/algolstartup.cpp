// The main window's start-up, the saved offset, the light-curve panel's clicks and shutdown.

#include "algol.h"

#include "appidentity.h"
#include "clock.h"
#include "graphics.h"
#include "image.h"
#include "orbitview.h"
#include "picturebox.h"
#include "pictures.h"
#include "settingsstore.h"
#include "textconversions.h"
#include "textfield.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

namespace {

const QString kSettingsSection = QStringLiteral("Donnée");
const QString kSettingsKey = QStringLiteral("TU");
const QString kDefaultOffset = QStringLiteral("1");

toolkit::SettingsStore settingsStore()
{
    return toolkit::SettingsStore(toolkit::AppIdentity::current().baseName);
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

void Algol::Form_Load()
{
    Command1->setIcon(Image1->picture());
    Picture2->move(0, 0);
    Picture2->setBackgroundColor(palette().color(QPalette::Window));

    // The saved offset, read by the leading-number rule and written back as plain decimal text;
    // a number beyond the double range leaves the design text.
    const QString stored = settingsStore().read(kSettingsSection, kSettingsKey, kDefaultOffset);
    if (const auto offset = ephemeris::leadingNumber(stored.toStdString()))
        Text6->setText(QString::fromStdString(ephemeris::formatPlainDecimal(*offset)));

    setNowIntoFields();

    // The clock gives local time, whatever Check1 says.
    writeInstant(instantOfFields(ephemeris::timeScaleOf(true, Text6->text().toStdString())));

    FillMonthList();
    DrawOrbitPath();
    show();
}

void Algol::setNowIntoFields()
{
    const QDateTime now = m_clock.now();
    const QDate today = now.date();
    const QTime time = now.time();
    Text1->setText(QString::fromStdString(
        ephemeris::formatDate({today.year(), today.month(), today.day()}, m_regional)));
    Text3->setText(twoDigits(time.hour()));
    Text4->setText(twoDigits(time.minute()));
    Text5->setText(twoDigits(time.second()));
}

void Algol::DrawOrbitPath()
{
    views::centrePrimary(*A, *Picture1);
    views::drawOrbitDots(*Picture1);
}

void Algol::Picture1_Click()
{
    // The light curve is decoded when first shown, not at start.
    if (Image3->picture().isNull())
        Image3->setPicture(assets::picture(assets::Picture::LightCurve));
    Picture2->show();
}

void Algol::Image3_Click()
{
    Picture2->hide();
}

void Algol::Command2_Click()
{
    // An offset beyond the double range is not saved; the one saved before stays. A store that
    // cannot be written does not keep the program from ending.
    if (const auto offset = ephemeris::leadingNumber(Text6->text().toStdString())) {
        settingsStore().write(kSettingsSection, kSettingsKey,
                              QString::fromStdString(ephemeris::formatPlainDecimal(*offset)));
    }
    close();
}

void Algol::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program with all its windows; nothing is saved here.
    event->accept();
    QApplication::quit();
}
