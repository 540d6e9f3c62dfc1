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
#include "regional.h"
#include "textconversions.h"
#include "textfield.h"

#include <cmath>

namespace {

std::optional<double> leadingNumberOf(const QLineEdit *field)
{
    return ephemeris::leadingNumber(field->text().toStdString());
}

} // namespace

const ephemeris::RegionalSettings &Algol::regional() const
{
    return toolkit::regionalSettings();
}

// The offset of local time when the fields are local time, none when they are UT. Empty optional
// inside: Text6 holds a number beyond the double range.
std::optional<std::optional<double>> Algol::offsetForFields() const
{
    if (!Check1->isChecked())
        return std::optional<double>();
    const std::optional<double> offset = leadingNumberOf(Text6);
    if (!offset)
        return std::nullopt;
    return offset;
}

void Algol::writeInstant(std::optional<ephemeris::JulianDay> instant)
{
    if (instant)
        Text2->setText(QString::fromStdString(ephemeris::formatRegionalNumber(*instant, regional())));
}

void Algol::ComposeInstant()
{
    const std::optional<long long> day =
        ephemeris::dayNumberOfText(Text1->text().toStdString(), regional());
    const auto offset = offsetForFields();
    const auto hours = leadingNumberOf(Text3);
    const auto minutes = leadingNumberOf(Text4);
    const auto seconds = leadingNumberOf(Text5);
    // A date that is not a date, or a number beyond the double range, leaves Text2 as it was.
    if (day && offset && hours && minutes && seconds)
        writeInstant(ephemeris::composeInstant(*day, *hours, *minutes, *seconds, *offset));
    ComputeMinima();
}

ephemeris::JulianDay Algol::ComposeInstantAt(const ephemeris::SerialDate &date,
                                             const float &timeOfDay)
{
    const auto offset = offsetForFields();
    std::optional<ephemeris::JulianDay> instant;
    if (offset && std::isfinite(date))
        instant = ephemeris::composeInstantAt(static_cast<long long>(std::floor(date)), timeOfDay,
                                              *offset);
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
    const std::optional<double> instant = ephemeris::parseRegionalNumber(instantText, regional());
    if (!instant)
        return;
    const std::optional<double> last = ephemeris::lastMinimumAtOrBefore(*instant, m_elements);
    if (!last)
        return;
    LastMinimum = *last;

    const double next = LastMinimum + m_elements.period;
    std::optional<double> shown = next - ephemeris::kJulianDayOffset;
    if (Check1->isChecked()) {
        const std::optional<double> offset = leadingNumberOf(Text6);
        shown = offset ? std::optional<double>(*shown + *offset / ephemeris::kHoursPerDay)
                       : std::nullopt;
    }
    if (shown) {
        if (const auto text = ephemeris::formatInstant(*shown, regional()))
            Text7->setText(QString::fromStdString(*text));
    }

    CurrentPhase = ephemeris::phaseOf(*instant, LastMinimum, m_elements);
    Text8->setText(QString::fromStdString(ephemeris::formatPhase(CurrentPhase, regional())));

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
