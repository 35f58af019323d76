#pragma once

// The results of a section, for the command line and for the main window's copy: the totals, the
// preview's analysis and the consistency check's findings, as lines of text or as one JSON object.

#include "model/section.h"

#include <QByteArray>
#include <QString>

namespace rapport {

// One line per quantity, "A = 2400 mm²" ... "Ip = 2832395,83333333 mm⁴", each value as its plain number
// text in the user's locale, then It, Iw, Zc and Yc (torsion by finite elements) or the sentence
// saying why some are not given, then one line per finding of the check (as the preview words them);
// every line ends with "\n". When the analysis cannot be computed, its quantities are left out and the
// check says why; with a total area not above 0, the plastic moduli are left out.
QString texteResultats(const modele::Section& section);

// The first seven of those lines, the section's totals: A, Zg, Yg, Igz, Igy, igz and igy.
QString texteResultatsPrincipaux(const modele::Section& section);

// The same as one JSON object: the quantities under the keys A, Zg, Yg, Igz, Igy, igz, igy, Igzy, I1,
// I2, alpha, vsup, vinf, vgauche, vdroite, Welz, Wely, Wplz, Wply, Ip (numbers at full precision, in mm
// powers; null for the analysis' quantities when it cannot be computed, and for the plastic moduli with a
// total area not above 0), It, Iw, Zc, Yc and erreurTorsion (the estimated relative error; null when
// not computed) and the findings under
// "verification" (a list of texts, empty when there are none).
QByteArray jsonResultats(const modele::Section& section);

} // namespace rapport
