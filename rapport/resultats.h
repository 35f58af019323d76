#pragma once

// The results of a section, for the command line and for the main window's copy: the totals, the
// preview's analysis and the consistency check's findings, as lines of text or as one JSON object.

#include "model/document.h"
#include "model/section.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rapport {

// One line per quantity, "A = 2400 mm²" ... "Ip = 2832395,83333333 mm⁴", each value as its plain number
// text in the user's locale, then It, Iw, Zc and Yc (torsion by finite elements) or the sentence
// saying why some are not given, then one line per finding of the check (as the preview words them);
// every line ends with "\n". When the analysis cannot be computed, its quantities are left out and the
// check says why; with a total area not above 0, the plastic moduli are left out. A result lost in the
// rounding (model/signification.h) reads « Igz = non significatif (perdu dans les arrondis) ».
// With a profile, « Profilé IPE 200 » first and, for I, H and UPE profiles, the line of the axes; with
// a profile or a density, the mass per metre after those of the torsion. With loads in `document`, then « σG
// = … MPa », « σmax = … MPa en (z ; y) », « σmin = … », « Axe neutre : … ° depuis Gz, passant par (z ; y) »
// (or « Pas d'axe neutre : contrainte uniforme. »), points in the user's frame, or the sentence that says why
// there are no stresses.
QString texteResultats(const modele::Section& section, const modele::Document& document = {});

// « Profilé IPE 200 »; empty when the section is no profile.
QString texteProfil(const modele::Document& document);
// « Igz : axe fort (Iy des tableaux) ; Igy : axe faible (Iz) » for an I, H or UPE profile, else empty.
QString texteAxesAcier(const modele::Document& document);
// What presents a profile or a material, for the preview and the note: « Profilé IPE 200 », the axes'
// line, « Masse linéique : 22,36 kg/m (masse volumique : 7850 kg/m³) »; empty when `document` says none.
QStringList lignesProfil(const modele::Section& section, const modele::Document& document);
// The mass per metre in kg/m, A × density.
double masseLineique(const modele::Section& section, const modele::Document& document);

// The first seven of those lines, the section's totals: A, Zg, Yg, Igz, Igy, igz and igy.
QString texteResultatsPrincipaux(const modele::Section& section);

// The same as one JSON object: the quantities under the keys A, Zg, Yg, Igz, Igy, igz, igy, Igzy, I1,
// I2, alpha, vsup, vinf, vgauche, vdroite, Welz, Wely, Wplz, Wply, Ip (numbers at full precision, in mm
// powers; null for the analysis' quantities when it cannot be computed, and for the plastic moduli with a
// total area not above 0, and for a result lost in the rounding), It, Iw, Zc, Yc and erreurTorsion (the
// estimated relative error; null when not computed), the keys of the lost results under
// "nonSignificatifs" and the findings under "verification" (lists, empty when there are none).
// Always i1, i2 (mm), W1, W2 (mm³) and noyau, the central kern's vertices [[z, y], …] (null when there
// is no kern); with loads in `document`, sigmaG, sigmaMax, sigmaMin (MPa), pointMax, pointMin ([z, y],
// null when σ is uniform) and axeNeutre ({"angle": degrees, "point": [z, y]}, null when both moments are
// 0), all null when the stresses cannot be computed.
// With a profile or a density, its mass per metre under "masseLineique" (kg/m) and the profile under
// "profil".
QByteArray jsonResultats(const modele::Section& section, const modele::Document& document = {});

} // namespace rapport
