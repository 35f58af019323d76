#pragma once

// The texts the main window shows in its message boxes.

#include "model/section.h"
#include "platform/qt/fichiers.h"

#include <QString>
#include <QStringList>

namespace donnee {

// The controls that explain themselves on a double-click, in the order of their messages.
const QStringList& controlesExpliques();

// The explanation of that control, its lines joined by "\r\n"; the two radius-of-gyration messages
// are built from the current totals. Empty for a control that explains nothing.
QString explication(const QString& controle, const modele::Section& section);

// The note shown on a double-click on the program's icon.
QString noteDeVersion();

// The window's title: the program's alone for a section never saved, else the file's name first; with
// Qt's modified marker in both.
QString titre(const QString& nomFichier);
// The question asked before unsaved changes are dropped.
QString questionEnregistrer();
// The question asked before values typed for element `element` and not applied are dropped.
QString questionAppliquer(int element);
// Below the preview's button: « 1 incohérence : voir l'aperçu », « 3 incohérences : voir l'aperçu ».
QString avertissementVerification(int nombre);
// The filters of the file dialogs: the section's files, the calculation note (PDF, HTML), the data.
QList<plateforme::Filtre> filtresSection();
QList<plateforme::Filtre> filtresNote();
QList<plateforme::Filtre> filtresDonnees();

// A number field holds something that is not a number.
QString messageSaisieNonNumerique();
// "Appliquer" with a field that is empty, a lone "-" or not a number.
QString messageValeursNonNumeriques();
// The total area came out negative.
QString messageAireNegative();
// An action stopped because a value left the range of the computation; nothing was changed.
QString messageCalculImpossible();

} // namespace donnee
