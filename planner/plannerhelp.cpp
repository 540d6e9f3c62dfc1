#include "plannerhelp.h"

#include "plannertexts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace planner {

QString aboutText()
{
    return AlgolPlanner::tr(
        "<h3>Algol planner %1</h3>"
        "<p>Plans the nights to watch the minima of Algol (β Persei) from your site.</p>"
        "<p>Licence: MIT.</p>"
        "<p>Data: the comparison stars from the Yale Bright Star Catalogue, 5th revised edition "
        "(Hoffleit and Warren); the elements of Algol's minima from the O−C gateway's linear "
        "elements for Algol, and the 1972 elements of the Algol window; the eclipse model's radii "
        "and inclination from Baron et al. (2012, ApJ 752, 20); the site of a first start from "
        "tzdata's zone tables.</p>")
        .arg(QStringLiteral(ALGOL_VERSION));
}

QWidget *termsWindow(QWidget *parent, const QString &timingsPath, const QString &elementsPath)
{
    auto *window = new QDialog(parent);
    window->setWindowTitle(AlgolPlanner::tr("Terms used in this window"));
    auto *layout = new QVBoxLayout(window);
    auto *page = new QTextBrowser(window);
    page->setAccessibleName(AlgolPlanner::tr("Terms used in this window"));
    page->setOpenExternalLinks(false);
    page->setHtml(AlgolPlanner::tr(
        "<h3>Terms used in this window</h3>"
        "<p><b>Minimum.</b> Algol fades from magnitude 2.1 to 3.4 for about ten hours every 2.867 "
        "days, when its fainter companion passes in front of it; the minimum is the faintest "
        "moment, the middle of the eclipse.</p>"
        "<p><b>Night of 19/20 Dec.</b> A night runs from noon to noon and is named by its evening "
        "and its morning: a minimum at 04:35 on the 20th belongs to the night of 19/20, the night "
        "you go out on the 19th.</p>"
        "<p><b>Elements.</b> Two numbers that predict every minimum: an epoch (the instant of one "
        "minimum, as a Julian Day) and a period (the days between two minima); minimum number E "
        "falls at epoch + E × period. <b>Current (O−C gateway)</b>: the linear elements for Algol "
        "that the O−C gateway, the database of observed times of minimum of eclipsing binaries, "
        "gives from recent timings. <b>Classic (1972)</b>: the elements of the Algol window, "
        "older. <b>Custom</b>: numbers of your own. <b>Fitted to my timings</b>: the elements file "
        "that <tt>algol-minima fit</tt> writes from your own times of minimum.</p>"
        "<p><b>HJD and JD.</b> A Julian Day counts days without months or years. The light of Algol "
        "reaches the Earth up to about 8 minutes before or after it reaches the Sun, depending on "
        "where the Earth is on its orbit; heliocentric Julian Days (HJD) count the instant as seen "
        "from the Sun, so that minima fall at regular intervals. The list and the chart give the "
        "times as seen from the Earth, in your time zone.</p>"
        "<p><b>Watchable hours.</b> A timing needs the fading and the brightening on both sides of "
        "the minimum: the list counts how many of the 6 hours centred on the minimum have Algol at "
        "least as high as “Algol at least” and the Sun no higher than “Sun at most”. The chart shows "
        "these 6 hours as a grey strip along its bottom, and their watchable part in green.</p>"
        "<p><b>Uncertainty.</b> How far the real minimum may be from the predicted one: 15 minutes "
        "for the current elements between 2015 and 2030, more outside those years; for fitted "
        "elements, the error of the fit carried to each minimum. <b>Scatter</b>: how far your "
        "timings stray from the fitted line, typically; one timing of yours may be off by that "
        "much.</p>"
        "<p><b>Why the classic window's minima differ.</b> The Algol window uses its 1972 elements "
        "as they are, in geocentric days and without the light-time correction. Algol's period "
        "changes slowly and the 1972 period is a little short, so that its minima now come more "
        "than two hours before those of the current elements; with the classic set, the "
        "Uncertainty column says how far for each one.</p>"
        "<p><b>Twilights.</b> Civil, nautical and astronomical twilight end when the Sun is 6, 12 "
        "and 18 degrees below the horizon; the chart shows them as bands, from day (light) to "
        "night (dark).</p>")
        + AlgolPlanner::tr(
              "<p><b>Step estimate.</b> “a 2 V 3 b”: Algol (V) two steps fainter than the comparison "
              "star a and three steps brighter than b, which puts its magnitude two fifths of the way "
              "from a's to b's. The stars are named as the log lists them, or by their AAVSO label, "
              "the magnitude times ten (δ Per, 3.01, is 30). “&lt;3.5”: Algol fainter than 3.5.</p>"
              "<p><b>Time of minimum.</b> The night's points timed as <tt>algol-minima time</tt> "
              "times a file: by Kwee and van Woerden's method (the light curve folded onto itself) "
              "when the points are many and even, otherwise by fitting Algol's eclipse (the "
              "template, drawn on the chart); the error is one standard deviation. <b>O−C</b>: the "
              "observed minimum less the one the elements in use predict, E the number of that "
              "minimum.</p>"
              "<p><b>My timings, the O−C diagram and Refit.</b> Add to my timings keeps the night's "
              "timing in your timings file, %1, where <tt>algol-minima time --append</tt> keeps its "
              "own, never twice. The O−C diagram shows them against the elements in use, with the "
              "line that a fit of them gives: a flat offset means a wrong epoch, a slope a wrong "
              "period. Refit fits them (leaving out those beyond 3 sigma, as <tt>algol-minima fit "
              "--reject</tt> does), writes the elements file %2 and predicts with it.</p>")
              .arg(timingsPath.toHtmlEscaped(), elementsPath.toHtmlEscaped())
        + AlgolPlanner::tr(
              "<p><b>Other eclipsing binaries.</b> The star chosen at the top of the settings "
              "replaces Algol everywhere above: its list, chart, comparison stars, log, timings and "
              "elements (another star's Refit writes its own file beside Algol's). Its elements are "
              "the catalogue's, without a published uncertainty: the list says whose elements they "
              "are (“elements of 2018”) rather than a number. Its watch window is the central five "
              "eighths of its eclipse (Algol's 6 hours of 9.6). A secondary minimum (S) is listed "
              "where it is deeper than a tenth of a magnitude. <b>Every star tonight</b> lists the "
              "minima of every star of the catalogue in the selected night.</p>"));
    layout->addWidget(page);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    window->resize(620, 560);
    return window;
}

} // namespace planner
