// The program started as its own entry starts it, for the start-up benchmark: the same application,
// Qt's translations, fonts, section, registry and main window, shown; it quits once the main window has been
// painted.

#include "app/traductions.h"
#include "bench/apres_peinture.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/police.h"
#include "ui/main/fenetre_donnee.h"

#include <QApplication>

using namespace modele;

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Brivane"_s);
    commande::installerTraductionsQt(application);
    plateforme::installerPolices();

    Section section;
    plateforme::Registre fenetres;
    FenetreDonnee fenetre(section, fenetres);
    ApresPeinture guetteur;
    fenetre.installEventFilter(&guetteur);
    fenetre.show();
    return QApplication::exec();
}
