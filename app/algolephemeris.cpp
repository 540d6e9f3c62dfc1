// The main window's ephemeris procedures: composing the instant into Text2 and computing the
// minima and the phase from it.

#include "algol.h"

#include "checkbox.h"
#include "graphics.h"
#include "instant.h"
#include "label.h"
#include "lightcurvecursor.h"
#include "minima.h"
#include "orbitview.h"
#include "phasesentence.h"
#include "picturebox.h"
#include "textconversions.h"
#include "textfield.h"

#include <cmath>

namespace {

std::optional<double> leadingNumberOf(const QLineEdit *field)
{
    return ephemeris::leadingNumber(field->text().toStdString());
}

} // namespace

// UT, or local time with the offset of Text6, as Check1 says.
ephemeris::TimeScale Algol::fieldsTimeScale() const
{
    return ephemeris::timeScaleOf(Check1->isChecked(), Text6->text().toStdString());
}

// The instant of the date and time fields read in the given time. Empty when the date is not a
// date, or a number or the result cannot be used.
std::optional<ephemeris::JulianDay> Algol::instantOfFields(const ephemeris::TimeScale &scale) const
{
    const auto day = ephemeris::dayNumberOfText(Text1->text().toStdString(), m_regional);
    const auto hours = leadingNumberOf(Text3);
    const auto minutes = leadingNumberOf(Text4);
    const auto seconds = leadingNumberOf(Text5);
    if (!day || !hours || !minutes || !seconds)
        return std::nullopt;
    return ephemeris::composeInstant(*day, *hours, *minutes, *seconds, scale);
}

// A UT instant in the instant format, in the time of the fields. Empty when it cannot be shown.
std::optional<QString> Algol::shownInstant(ephemeris::JulianDay instant) const
{
    const auto shown = fieldsTimeScale().fromUniversal(instant - ephemeris::kJulianDayOffset);
    if (!shown)
        return std::nullopt;
    const auto text = ephemeris::formatInstant(*shown, m_regional);
    if (!text)
        return std::nullopt;
    return QString::fromStdString(*text);
}

void Algol::writeInstant(std::optional<ephemeris::JulianDay> instant)
{
    if (instant)
        Text2->setText(QString::fromStdString(ephemeris::formatRegionalNumber(*instant, m_regional)));
}

void Algol::ComposeInstant()
{
    // A date that is not a date, or a number beyond the double range, leaves Text2 as it was.
    writeInstant(instantOfFields(fieldsTimeScale()));
    ComputeMinima();
}

ephemeris::JulianDay Algol::ComposeInstantAt(const ephemeris::SerialDate &date,
                                             const float &timeOfDay)
{
    std::optional<ephemeris::JulianDay> instant;
    if (std::isfinite(date))
        instant = ephemeris::composeInstantAt(static_cast<long long>(std::floor(date)), timeOfDay,
                                              fieldsTimeScale());
    writeInstant(instant);
    ComputeMinima();
    return instant.value_or(std::nan(""));
}

void Algol::ComputeMinima()
{
    InstantText = Text2->text();
    const std::string instantText = InstantText.toStdString();
    const std::optional<double> lead = ephemeris::leadingNumber(instantText);
    if (!lead || !(*lead >= ephemeris::kMinimumValidJulianDay))
        return;
    // Text2 that is not a number in the regional format, or an instant so far away that the
    // stepping could not end, is ignored like an instant below the valid range.
    const std::optional<double> instant = ephemeris::parseRegionalNumber(instantText, m_regional);
    if (!instant)
        return;
    const std::optional<double> last = ephemeris::lastMinimumAtOrBefore(*instant, m_elements);
    if (!last)
        return;
    LastMinimum = *last;

    if (const auto next = shownInstant(LastMinimum + m_elements.period))
        Text7->setText(*next);

    CurrentPhase = ephemeris::phaseOf(*instant, LastMinimum, m_elements);
    Text8->setText(QString::fromStdString(ephemeris::formatPhase(CurrentPhase, m_regional)));

    UpdateOrbitView();
    UpdateLightCurveCursor();
}

void Algol::UpdateOrbitView()
{
    views::placeCompanion(CurrentPhase, *A, *B, *Picture1);
    Label9->setText(views::phaseSentence(CurrentPhase));
}

void Algol::UpdateLightCurveCursor()
{
    Magnitude->setX1(views::lightCurveCursorX(CurrentPhase, Line1->x1(), Line2->x1()));
    Magnitude->setX2(Magnitude->x1());
}
