// Brivane: the geometric properties of a beam cross-section, with an explanation of every step.
//
// The command line is read before any application object exists, to choose the one to build: the
// main window needs a QApplication (and a display), everything else runs on a QCoreApplication and
// needs none, a bad command line included. A bad command line is read a second time, with the same
// parser, once Qt's translator is installed, so that the parser's own error texts are French; the
// verdict cannot change, only its words. Building a first QCoreApplication to parse and then a
// QApplication would put two application objects in one run, which Qt does not support. The export
// runs a QGuiApplication on the offscreen platform, with no display either.

#include "app/ligne_commande.h"
#include "app/traductions.h"
#include "document/fichier_section.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/police.h"
#include "rapport/donnees.h"
#include "rapport/note.h"
#include "rapport/resultats.h"
#include "ui/main/fenetre_donnee.h"
#include "ui/main/textes_donnee.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <optional>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

void ecrire(std::FILE* flux, const QString& texte) {
    const QByteArray octets = texte.toUtf8();
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), flux);
}

// The file of the command line, or nothing when it cannot be used (its message said).
std::optional<document::Lecture> lire(const commande::Demande& demande) {
    document::Lecture lecture = document::ouvrir(demande.fichier);
    if (!lecture.section) {
        ecrire(stderr, lecture.message + u'\n');
        return std::nullopt;
    }
    return lecture;
}

// A negative total area is said as after "Appliquer", once the work is done.
void avertir(const document::Lecture& lecture) {
    if (lecture.aireNegative) {
        ecrire(stderr, donnee::messageAireNegative() + u'\n');
    }
}

// --calculer: the file read, its results on standard output.
int calculer(const commande::Demande& demande) {
    const std::optional<document::Lecture> lu = lire(demande);
    if (!lu) {
        return commande::SortieFichierInutilisable;
    }
    const document::Lecture& lecture = *lu;
    const std::optional<Efforts> efforts = demande.efforts ? demande.efforts : lecture.efforts;
    if (demande.json) {
        const QByteArray json = rapport::jsonResultats(*lecture.section, efforts);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    } else {
        ecrire(stdout, rapport::texteResultats(*lecture.section, efforts));
    }
    avertir(lecture);
    return 0;
}

// --exporter: the file read and written to the output, on the offscreen platform (the note's
// drawing and its PDF need a QGuiApplication, which then needs no display).
int exporter(int argc, char* argv[], const commande::Demande& demande) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(u"Brivane"_s);
    commande::installerTraductionsQt(application);
    const std::optional<document::Lecture> lu = lire(demande);
    if (!lu) {
        return commande::SortieFichierInutilisable;
    }
    std::optional<QString> faute;
    switch (demande.format) {
    case commande::FormatSortie::Csv:
        faute = rapport::exporterDonnees(demande.sortie, *lu->section);
        break;
    case commande::FormatSortie::Pdf:
    case commande::FormatSortie::Html:
        faute = rapport::exporterNote(demande.sortie, *lu->section,
                                      QFileInfo(QDir::cleanPath(demande.fichier)).fileName());
        break;
    }
    if (faute) {
        ecrire(stderr, *faute + u'\n');
        return commande::SortieSortieImpossible;
    }
    avertir(*lu);
    return 0;
}

// Everything but the main window, on a QCoreApplication.
int console(int argc, char* argv[], commande::Demande demande) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"Brivane"_s);
    commande::installerTraductionsQt(application);
    if (demande.action == commande::Action::Erreur) {
        // The same fault, in the words of the translated parser.
        demande.erreur = commande::lire(QCoreApplication::arguments()).erreur;
    }
    switch (demande.action) {
    case commande::Action::Aide:
        ecrire(stdout, commande::texteAide());
        return 0;
    case commande::Action::Version:
        ecrire(stdout, commande::texteVersion() + u'\n');
        return 0;
    case commande::Action::Erreur:
        ecrire(stderr, demande.erreur + u'\n');
        return commande::SortieLigneIncorrecte;
    case commande::Action::Calculer:
        return calculer(demande);
    case commande::Action::Fenetre:
    case commande::Action::Exporter:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const commande::Demande demande = commande::lire(commande::arguments(argc, argv));
    if (demande.action == commande::Action::Exporter) {
        return exporter(argc, argv, demande);
    }
    if (demande.action != commande::Action::Fenetre) {
        return console(argc, argv, demande);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Brivane"_s);
    commande::installerTraductionsQt(application);
    plateforme::installerPolices();

    Section section;
    plateforme::Registre fenetres;
    FenetreDonnee fenetre(section, fenetres);
    // A file that cannot be used: its message, then the window with a fresh section.
    if (!demande.fichier.isEmpty()) {
        fenetre.ouvrirFichier(demande.fichier);
    }
    fenetre.show();
    return QApplication::exec();
}
