#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace plateforme {

// What separates the lines of a message.
inline const QString FinDeLigne = QStringLiteral("\r\n");

// The one message box of the program: title "Brivane", no icon, one OK button, modal, plain text.
// The lines of `texte` are separated by FinDeLigne, "\r\n" (as the program builds them), and are shown one
// under another. Returns once OK is pressed. The box keeps the text as built in its property "texteBrut".
void afficherMessage(QWidget* parent, const QString& texte);

// The same box, shown once the event being handled has returned: for a message found by a window's
// rebuild, which runs inside the platform's activation and must not open a modal loop there. Dropped
// if `parent` is destroyed before.
void afficherMessageEnsuite(QWidget* parent, const QString& texte);

// The answers to the questions asked before something is dropped: the first button (the default), the
// second, or "Annuler" (also Échap and the box's close button).
enum class Reponse {
    Enregistrer,
    NePasEnregistrer,
    Annuler,
    Appliquer = Enregistrer,
    Ignorer = NePasEnregistrer
};

// The same box asking `question`, with the buttons "Enregistrer" (the default), "Ne pas enregistrer" and
// "Annuler" (also Échap and the window's close button).
Reponse demanderEnregistrement(QWidget* parent, const QString& question);

// The same box asking `question` before typed values are dropped, with the buttons "Appliquer" (the
// default), "Ignorer" and "Annuler".
Reponse demanderApplication(QWidget* parent, const QString& question);

// For tests: while set, afficherMessage() hands the text as built to this function and shows no box.
using Intercepteur = std::function<void(const QString& texte)>;
void definirIntercepteur(Intercepteur intercepteur);

// For tests: while set, demanderEnregistrement() and demanderApplication() hand the question to this function
// and return its answer.
using Repondeur = std::function<Reponse(const QString& question)>;
void definirRepondeur(Repondeur repondeur);

} // namespace plateforme
