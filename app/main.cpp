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
#include "model/profils.h"
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
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

void ecrire(std::FILE* flux, const QString& texte) {
    const QByteArray octets = texte.toUtf8();
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), flux);
}

// The file of the command line, or the section of its profile; nothing when the file cannot be used
// (its message said).
std::optional<document::Lecture> lire(const commande::Demande& demande) {
    if (!demande.profil.isEmpty()) {
        document::Lecture profil;
        profil.section = construireProfil(*trouverProfil(demande.profil.toStdString()));
        profil.document.profil = demande.profil.toStdString();
        return profil;
    }
    document::Lecture lecture = document::ouvrir(demande.fichier);
    if (!lecture.section) {
        ecrire(stderr, lecture.message + u'\n');
        return std::nullopt;
    }
    return lecture;
}

// A negative total area is said as after "Appliquer", an empty section as the note says it, once the
// work is done.
void avertir(const document::Lecture& lecture) {
    if (lecture.aireNegative) {
        ecrire(stderr, donnee::messageAireNegative() + u'\n');
    }
    if (lecture.section->Atotale == 0.0) {
        ecrire(stderr, rapport::SectionVide + u'\n');
    }
}

// Standard output closed before the program started: /dev/null takes its place, so that no file the
// program opens can take it and be written as results, and true is given back.
bool remplacerSortieFermee() {
    if (::fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF) {
        return false;
    }
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd >= 0 && fd != STDOUT_FILENO) {
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
    return true;
}

// The results on standard output, the write, the flush and the close checked: a script must never
// take a failed write for results. False, with the reason on standard error, when they are not all
// written.
bool ecrireResultats(const QByteArray& octets, bool sortieFermee) {
    QString raison = u"la sortie standard est fermée"_s;
    if (!sortieFermee) {
        errno = 0;
        const bool ecrit = std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()),
                                       stdout) == static_cast<std::size_t>(octets.size()) &&
                           std::fflush(stdout) == 0;
        if (ecrit && std::fclose(stdout) == 0) {
            return true;
        }
        raison = document::raisonSysteme(errno);
    }
    ecrire(stderr, u"impossible d'écrire les résultats : "_s + raison + u".\n"_s);
    return false;
}

// --calculer: the file read, its results on standard output.
int calculer(const commande::Demande& demande, bool sortieFermee) {
    const std::optional<document::Lecture> lu = lire(demande);
    if (!lu) {
        return commande::SortieFichierInutilisable;
    }
    const document::Lecture& lecture = *lu;
    modele::Document document = lecture.document;
    if (demande.efforts) {
        document.efforts = demande.efforts;
    }
    const QByteArray resultats = demande.json ? rapport::jsonResultats(*lecture.section, document)
                                              : rapport::texteResultats(*lecture.section, document).toUtf8();
    if (!ecrireResultats(resultats, sortieFermee)) {
        return commande::SortieSortieImpossible;
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
        faute = rapport::exporterDonnees(demande.sortie, *lu->section, demande.fichier);
        break;
    case commande::FormatSortie::Pdf:
    case commande::FormatSortie::Html: {
        modele::Document document = lu->document;
        if (demande.efforts) {
            document.efforts = demande.efforts;
        }
        faute = rapport::exporterNote(demande.sortie, *lu->section,
                                      QFileInfo(QDir::cleanPath(demande.fichier)).fileName(), demande.fichier,
                                      document);
        break;
    }
    }
    if (faute) {
        ecrire(stderr, *faute + u'\n');
        return commande::SortieSortieImpossible;
    }
    avertir(*lu);
    return 0;
}

// Everything but the main window, on a QCoreApplication.
int console(int argc, char* argv[], commande::Demande demande, bool sortieFermee) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"Brivane"_s);
    commande::installerTraductionsQt(application);
    if (demande.action == commande::Action::Erreur) {
        // The same fault, in the words of the translated parser.
        demande.erreur = commande::lire(QCoreApplication::arguments()).erreur;
    }
    switch (demande.action) {
    case commande::Action::Aide:
    case commande::Action::Version: {
        const QString texte = demande.action == commande::Action::Aide ? commande::texteAide()
                                                                       : commande::texteVersion() + u'\n';
        return ecrireResultats(texte.toUtf8(), sortieFermee) ? 0 : commande::SortieSortieImpossible;
    }
    case commande::Action::Erreur:
        ecrire(stderr, demande.erreur + u'\n');
        return commande::SortieLigneIncorrecte;
    case commande::Action::Calculer:
        return calculer(demande, sortieFermee);
    case commande::Action::Profils: {
        QByteArray noms;
        for (const Profil& p : catalogueProfils()) {
            noms += QByteArray::fromStdString(p.nom) + '\n';
        }
        return ecrireResultats(noms, sortieFermee) ? 0 : commande::SortieSortieImpossible;
    }
    case commande::Action::Fenetre:
    case commande::Action::Exporter:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool sortieFermee = remplacerSortieFermee();
    if (!commande::argumentsLisibles(argc, argv)) {
        ecrire(stderr, commande::NomIllisible + u'\n');
        return commande::SortieLigneIncorrecte;
    }
    const commande::Demande demande = commande::lire(commande::arguments(argc, argv));
    if (demande.action == commande::Action::Exporter) {
        return exporter(argc, argv, demande);
    }
    if (demande.action != commande::Action::Fenetre) {
        return console(argc, argv, demande, sortieFermee);
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
