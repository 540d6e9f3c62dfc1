#pragma once

#include <QCoreApplication>

// The translation context of algol-minima's own texts (options, messages): AlgolMinima::tr("...").
// English is the source language; French comes from translations/algol-minima_fr.ts.
class AlgolMinima
{
    Q_DECLARE_TR_FUNCTIONS(AlgolMinima)
};
