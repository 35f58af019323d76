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

// For tests: while set, afficherMessage() hands the text as built to this function and shows no box.
using Intercepteur = std::function<void(const QString& texte)>;
void definirIntercepteur(Intercepteur intercepteur);

} // namespace plateforme
