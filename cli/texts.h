#pragma once

#include <QCoreApplication>

// The translation context of every text that algol-minima shows: AlgolMinima::tr("...").
// English is the source language; French comes from translations/algol-minima_fr.ts.
class AlgolMinima
{
    Q_DECLARE_TR_FUNCTIONS(AlgolMinima)
};

class QLocale;

namespace cli {

// Loads the program's texts, and Qt's own (the option parser's), in the locale's language when
// there is a translation for it; English otherwise.
void installTranslations(const QLocale &locale);

} // namespace cli
