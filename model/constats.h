#pragma once

// The findings of the consistency check as the program words them, in the preview window and on the
// command line alike: one sentence per finding, areas rounded to one decimal in the given number
// format (platform/qt/locale.h gives the user's).

#include "model/section.h"
#include "model/verification.h"
#include "platform/nombre.h"

#include <string>
#include <vector>

namespace modele {

// « Le trou n° 2 sort de la matière (200 mm² hors matière). », « Les éléments 1 et 2 se superposent
// (40 mm²). » or « Les trous n° 2 et 3 se superposent (12,5 mm²). », in UTF-8.
std::string texteIncoherence(const Incoherence& incoherence, const plateforme::FormatNombre& format);

// The findings on elements 1 to NbrElement of `section`, in order: first, when the analysis could not
// be computed (`analyseCalculee` false), that the values are too large for it; then each finding of
// verifier(); last, the results lost in the rounding (model/signification.h). Empty when there is
// nothing to say.
std::vector<std::string> constats(const Section& section, bool analyseCalculee,
                                  const plateforme::FormatNombre& format);

// The findings the main window's warning counts: those of verifier() and the lost results.
int nombreConstats(const Section& section);

// The lines the check shows: the findings, or « Aucune incohérence détectée. » when there are none.
std::vector<std::string> lignesVerification(const Section& section, bool analyseCalculee,
                                            const plateforme::FormatNombre& format);

} // namespace modele
