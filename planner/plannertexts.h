#pragma once

#include <QCoreApplication>

// The translation context of the planner's own texts: AlgolPlanner::tr("..."). English is the
// source language; French comes from translations/algol-planner_fr.ts.
class AlgolPlanner
{
    Q_DECLARE_TR_FUNCTIONS(AlgolPlanner)
};
