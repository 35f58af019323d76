// Brivane: the geometric properties of a beam cross-section, with an explanation of every step.

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/police.h"
#include "ui/main/fenetre_donnee.h"

#include <QApplication>

using namespace modele;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    plateforme::installerPolices();

    Section section;
    plateforme::Registre fenetres;
    FenetreDonnee fenetre(section, fenetres);
    fenetre.show();
    return QApplication::exec();
}
