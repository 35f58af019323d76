#pragma once

// The command line: brivane [options] [FICHIER].
//
//   brivane [FICHIER]                 the main window (with that file)
//   brivane --calculer FICHIER        the results on standard output, no window
//   brivane --calculer --json FICHIER the same as one JSON object
//   brivane --exporter FICHIER SORTIE the calculation note (SORTIE ending in .pdf or .html) or the
//                                     data (.csv) written to SORTIE, no window
//   brivane --calculer --profil NOM   the same for a rolled profile of the catalogue (« IPE 200 »)
//   brivane --exporter --profil NOM SORTIE
//   brivane --profils                 the catalogue's profiles, one name a line
//   brivane --version | --help
//
// Exit status: 0, 1 when the file cannot be used or the output cannot be written (standard output
// included), 2 for a bad command line (an output of another kind, an argument not valid UTF-8).

#include <QString>
#include <QStringList>

namespace commande {

inline constexpr int SortieFichierInutilisable = 1;
inline constexpr int SortieSortieImpossible = 1; // the output cannot be written
inline constexpr int SortieLigneIncorrecte = 2;

enum class Action {
    Fenetre,  // the main window, with `fichier` if one is named
    Calculer, // the results of `fichier`, as text or as JSON
    Exporter, // `fichier` written to `sortie` in the kind `format` says
    Profils,  // the catalogue's names
    Aide,
    Version,
    Erreur, // a bad command line, said by `erreur`
};

// What --exporter writes, from the ending of SORTIE (in any case).
enum class FormatSortie { Pdf, Html, Csv };

struct Demande {
    Action action = Action::Fenetre;
    QString fichier; // empty when none is named
    QString profil;  // with --profil, in place of the file: a name of the catalogue
    bool json = false;
    QString erreur;
    QString sortie; // with --exporter
    FormatSortie format = FormatSortie::Csv;
};

// Said, with the exit status SortieLigneIncorrecte, of an argument that is not valid UTF-8.
inline const QString NomIllisible =
    QStringLiteral("le nom du fichier n'est pas lisible dans l'encodage du système (UTF-8)");

// Whether every argument reads in the encoding Qt decodes them with (UTF-8): a file name that does not
// could be neither opened nor written by that name.
bool argumentsLisibles(int argc, char* argv[]);

// The program's arguments as QCoreApplication::arguments() gives them, before any application
// exists (the local 8-bit encoding, as Qt decodes them).
QStringList arguments(int argc, char* argv[]);

// What `arguments` (the program's name first) ask for. Needs no application object, so that the
// program can choose the one it builds from it; the parser's own error texts are translated only when
// an application with its translator is there.
Demande lire(const QStringList& arguments);

// The help: the usage line, the options and the argument, in French. Needs the application object
// (the usage line names the program as it was started).
QString texteAide();

// "Brivane 2.0".
QString texteVersion();

} // namespace commande
