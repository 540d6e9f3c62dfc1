#include "phasesentence.h"

namespace views {

namespace {

struct SentenceRow
{
    double lower;
    double upper;
    const char *text; // UTF-8
};

// The phase sentence table, in the order the rows are tried.
constexpr SentenceRow kSentences[] = {
    {0.0, 0.09375, "Sortie du minima primaire, La magnitude remonte rapidement."},
    {0.09375, 0.4, "Algol est à son maxima."},
    {0.4, 0.6, "Minimum secondaire (non perspectible à l'oeil nu)."},
    {0.6, 0.85, "Algol est à son maxima."},
    {0.85, 0.9, "Approche du minima primaire."},
    {0.9, 1.0, "Chute dans le minima primaire, la magnitude décroit rapidement."},
};

} // namespace

QString phaseSentence(double phase)
{
    for (const SentenceRow &row : kSentences) {
        if (phase >= row.lower && phase <= row.upper)
            return QString::fromUtf8(row.text);
    }
    return QString();
}

} // namespace views
