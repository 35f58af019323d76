#pragma once

// Two finishing steps for pages of fixed captions, run once the window's table has been laid out:
// they make the captions read as intended whatever the exact widths of the font's letters.

#include "platform/qt/plan.h"

#include <QString>
#include <span>

class QWidget;

namespace plateforme {

// Every caption shows whole in its box although this font draws letters a little wider than the
// layout was made for: a box of one line never wraps and grows to the right up to the window's edge;
// a caption that still does not fit its box, or a paragraph that would need one more line than its box
// holds, has its letters drawn slightly closer (down to 94 % of their advance). Positions stay.
void ajusterLegendes(QWidget* fenetre);

// A small caption laid over a blank (a run of spaces) or over the end of a larger one: a word in
// bold, a raised exponent, a lowered index. Its left edge is set from where the larger caption's text
// actually falls; a blank too narrow for it, with text after it ("[mm ]"), is widened to hold it.
struct Incrustation {
    enum class Place {
        Apres,    // right after `avant`
        AuCentre, // centred in the run of spaces that follows `avant`
    };
    QString dessus;  // the overlaid label
    QString dessous; // the label whose text it completes
    QString avant;   // the text of `dessous` before the place
    Place place = Place::Apres;
};

void incruster(const Plan& plan, std::span<const Incrustation> incrustations);

} // namespace plateforme
