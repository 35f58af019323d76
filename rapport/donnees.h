#pragma once

// The section's data as a CSV file, for spreadsheets: a header row, one row per element, then the
// section's totals.
//
//   numéro;forme;dimension1;dimension2;zg;yg;matière;aire;Igz;Igy
//   1;Rectangle;70;70;35;35;plein;4900;2000833,3333333333;2000833,3333333333
//   ...
//   total;;;;35;29,791666666666668;;2400;1352395,8333333326;1480000
//
// Each number is the shortest text that reads back to the same double. Where the locale's decimal
// separator is a comma, the fields are separated by ";" and the numbers take the decimal comma;
// otherwise "," and ".". UTF-8 with a byte-order mark (spreadsheets then read the accents), CRLF line
// ends; a field holding the separator, a quote or a line end is quoted.

#include "model/section.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

namespace rapport {

// The file's bytes for elements 1 to NbrElement of `section`, in the conventions of `locale`.
QByteArray donneesCsv(const modele::Section& section, const QLocale& locale);

// Writes donneesCsv() in the user's locale at `chemin`, whole or not at all, never over the section's
// own file `source`. Empty when it worked, else « Le fichier NOM ne peut pas être enregistré : RAISON. ».
std::optional<QString> exporterDonnees(const QString& chemin, const modele::Section& section,
                                       const QString& source = {});

} // namespace rapport
