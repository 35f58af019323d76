#pragma once

// The file dialogs of the program: one filter, one suffix added when the user types none.

#include <QString>
#include <functional>

class QWidget;

namespace plateforme {

enum class Choix { Ouvrir, Enregistrer };

// Asks for a file to open or to save under, starting at `proposition` (a folder or a file). The filter
// is `filtre` (e.g. "Sections Brivane (*.brivane)"); a name given with no suffix gets `suffixe`
// ("brivane"): to save, always; to open, when only the name with the suffix exists. Empty when the user
// cancels.
QString choisirFichier(QWidget* parent, Choix choix, const QString& proposition, const QString& filtre,
                       const QString& suffixe);

// For tests: while set, choisirFichier() shows no dialog and takes this function's answer as what the
// user chose (empty: cancelled); the suffix is still added.
using Selecteur = std::function<QString(Choix choix, const QString& proposition)>;
void definirSelecteur(Selecteur selecteur);

} // namespace plateforme
