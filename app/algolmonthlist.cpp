// The minima of the month: eleven successive minima that start just before the month of the date
// in Text1.

#include "algol.h"

#include "monthlist.h"
#include "textconversions.h"
#include "textfield.h"

#include <QListWidget>

void Algol::FillMonthList()
{
    const auto date = ephemeris::parseDateText(Text1->text().toStdString(), m_regional);
    if (!date)
        return;
    // A Text2 that is not a number in the regional format, or so far away that the stepping could
    // not end, leaves the list as it was.
    const QString instantText = Text2->text();
    const auto instant = ephemeris::parseRegionalNumber(instantText.toStdString(), m_regional);
    if (!instant)
        return;
    const auto start = ephemeris::monthListStart(*instant, date->day, m_elements);
    if (!start)
        return;

    List1->clear();
    InstantText = instantText;
    LastMinimum = *start;
    for (int k = 0; k < ephemeris::kMonthListLength; ++k) {
        // An item that cannot be shown is left out; the next ones are still tried.
        if (const auto item = shownInstant(ephemeris::monthListMinimum(LastMinimum, k, m_elements)))
            List1->addItem(*item);
    }
    ComputeMinima();
}
