#pragma once

// The file dialogs of the program: its filters, and the suffix added when the user types none.

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace plateforme {

enum class Choix { Ouvrir, Enregistrer };

// A filter of the dialog ("Sections Brivane (*.brivane)") and the suffix it stands for ("brivane").
struct Filtre {
    QString texte;
    QString suffixe;
};

// Asks for a file to open or to save under, starting at `proposition` (a folder or a file), with those
// filters, the first one chosen. A name given with no suffix gets the chosen filter's: to save, always;
// to open, when only the name with the suffix exists. Empty when the user cancels.
QString choisirFichier(QWidget* parent, Choix choix, const QString& proposition,
                       const QList<Filtre>& filtres);

// For tests: while set, choisirFichier() shows no dialog and takes this function's answer as what the
// user chose (empty: cancelled), with the first filter; the suffix is still added.
using Selecteur = std::function<QString(Choix choix, const QString& proposition)>;
void definirSelecteur(Selecteur selecteur);

} // namespace plateforme
