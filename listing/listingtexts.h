#pragma once

#include <QCoreApplication>

// The translation context of the texts of a listing (headings, descriptions, calendar texts):
// Listing::tr("..."). English is the source language; French comes from
// translations/listing_fr.ts.
class Listing
{
    Q_DECLARE_TR_FUNCTIONS(Listing)
};

class QLocale;

namespace listing {

// Loads, in the locale's language when there is a translation for it (English otherwise), the
// listing's texts, the program's own (":/i18n/<program>_<language>.qm", when a program is named)
// and Qt's.
void installTranslations(const QLocale &locale, const QString &program = {});

} // namespace listing
