#include "app/ligne_commande.h"

#include "model/profils.h"
#include "platform/qt/locale.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace commande {

namespace {

struct Options {
    QCommandLineOption calculer{u"calculer"_s,
                                u"Calcule la section du FICHIER et en écrit les résultats sur la sortie "
                                u"standard, sans ouvrir de fenêtre."_s};
    QCommandLineOption json{u"json"_s, u"Avec --calculer : écrit les résultats en un objet JSON."_s};
    QCommandLineOption exporter{
        u"exporter"_s,
        u"Écrit, sans ouvrir de fenêtre, la note de calcul du FICHIER (SORTIE en .pdf ou .html) "
        u"ou ses données (SORTIE en .csv) dans le fichier SORTIE donné après lui."_s};
    QCommandLineOption n{
        u"N"_s, u"Avec --calculer ou une note de --exporter : l'effort normal N (kN, positif en traction)."_s,
        u"VALEUR"_s};
    QCommandLineOption mz{
        u"Mz"_s,
        u"Avec --calculer ou une note de --exporter : le moment Mz (kN·m, positif quand il tend "
        u"les fibres au-dessus de Gz)."_s,
        u"VALEUR"_s};
    QCommandLineOption my{
        u"My"_s,
        u"Avec --calculer ou une note de --exporter : le moment My (kN·m, positif quand il tend "
        u"les fibres à gauche de Gy)."_s,
        u"VALEUR"_s};
    QCommandLineOption profil{u"profil"_s,
                              u"Avec --calculer ou --exporter : le profilé NOM du catalogue (« IPE 200 ») au "
                              u"lieu d'un FICHIER."_s,
                              u"NOM"_s};
    QCommandLineOption profils{u"profils"_s,
                               u"Écrit la liste des profilés du catalogue, un nom par ligne."_s};
    QCommandLineOption version{{u"v"_s, u"version"_s}, u"Affiche la version du programme."_s};
    QCommandLineOption aide{{u"h"_s, u"help"_s}, u"Affiche cette aide."_s};
};

// The one description of the command line, for reading it and for its help.
void decrire(QCommandLineParser& parseur, const Options& options) {
    parseur.setApplicationDescription(
        u"Brivane des sections : calcul commenté des caractéristiques géométriques d'une section de poutre.\n"
        u"Sans option, ouvre la fenêtre principale, sur le FICHIER s'il est donné.\n"
        u"Exportation : brivane --exporter FICHIER SORTIE.\n"
        u"Code de sortie : 0 si tout va bien, 1 si le fichier ne peut pas être utilisé ou si la SORTIE ne "
        u"peut pas être écrite, 2 si la ligne de commande est incorrecte."_s);
    parseur.addOption(options.calculer);
    parseur.addOption(options.json);
    parseur.addOption(options.exporter);
    parseur.addOption(options.n);
    parseur.addOption(options.mz);
    parseur.addOption(options.my);
    parseur.addOption(options.profil);
    parseur.addOption(options.profils);
    parseur.addOption(options.version);
    parseur.addOption(options.aide);
    parseur.addPositionalArgument(u"FICHIER"_s, u"Un fichier de section Brivane (.brivane)."_s,
                                  u"[FICHIER]"_s);
}

Demande pour(Action action) {
    Demande d;
    d.action = action;
    return d;
}

Demande erreur(const QString& texte) {
    Demande d = pour(Action::Erreur);
    d.erreur = texte;
    return d;
}

// The kind of file an output name asks for, by its ending in any case; nothing for another ending.
std::optional<FormatSortie> formatSortie(const QString& sortie) {
    const std::pair<QStringView, FormatSortie> fins[] = {
        {u".pdf", FormatSortie::Pdf}, {u".html", FormatSortie::Html}, {u".csv", FormatSortie::Csv}};
    for (const auto& [fin, format] : fins) {
        if (sortie.endsWith(fin, Qt::CaseInsensitive)) {
            return format;
        }
    }
    return std::nullopt;
}

// --exporter FICHIER SORTIE, with the arguments that follow the options (SORTIE alone with a profile).
Demande exporter(QStringList arguments, const QString& profil) {
    if (!profil.isEmpty()) {
        if (arguments.size() != 1) {
            return erreur(
                u"Avec --profil, l'option --exporter demande une SORTIE seule (il y a %1 argument(s))."_s.arg(
                    arguments.size()));
        }
        arguments.prepend(QString());
    }
    if (arguments.size() != 2) {
        return erreur(u"L'option --exporter demande un FICHIER et une SORTIE (il y a %1 argument(s))."_s.arg(
            arguments.size()));
    }
    const std::optional<FormatSortie> format = formatSortie(arguments.at(1));
    if (!format) {
        return erreur(u"La SORTIE doit se terminer par .pdf, .html ou .csv (« %1 »)."_s.arg(arguments.at(1)));
    }
    Demande d = pour(Action::Exporter);
    d.fichier = arguments.at(0);
    d.sortie = arguments.at(1);
    d.format = *format;
    d.profil = profil;
    return d;
}

QString sansCharges() {
    return u"Les options --N, --Mz et --My ne s'emploient qu'avec --calculer ou --exporter vers une note "
           u"(.pdf ou .html)."_s;
}

// The loads given by --N, --Mz and --My, or the reason they are refused.
std::optional<modele::Efforts> efforts(const QCommandLineParser& parseur, const Options& options,
                                       QString& faute) {
    modele::Efforts e;
    bool donnes = false;
    for (const auto& [option, valeur] :
         {std::pair{&options.n, &e.N}, std::pair{&options.mz, &e.Mz}, std::pair{&options.my, &e.My}}) {
        if (!parseur.isSet(*option)) {
            continue;
        }
        const QString texte = parseur.value(*option);
        std::optional<double> v = plateforme::lireNombre(texte);
        if (!v) {
            v = plateforme::lireNombre(texte.toStdString(), plateforme::FormatNombre{"."});
        }
        if (!v) {
            faute = u"La valeur de --%1 n'est pas un nombre (« %2 »)."_s.arg(option->names().first(), texte);
            return std::nullopt;
        }
        *valeur = *v;
        donnes = true;
    }
    return donnes ? std::optional(e) : std::nullopt;
}

// The profile named by --profil, or the closest names of the catalogue.
std::optional<QString> profilInconnu(const QString& nom) {
    if (nom.isEmpty() || modele::trouverProfil(nom.toStdString()) != nullptr) {
        return std::nullopt;
    }
    QStringList proches;
    for (const std::string& p : modele::profilsProches(nom.toStdString())) {
        proches.append(QString::fromStdString(p));
    }
    return u"Le profilé « %1 » n'est pas au catalogue. Les plus proches : %2."_s.arg(nom,
                                                                                     proches.join(u", "_s));
}

} // namespace

bool argumentsLisibles(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QString::fromLocal8Bit(argv[i])) != QByteArrayView(argv[i])) {
            return false;
        }
    }
    return true;
}

QStringList arguments(int argc, char* argv[]) {
    QStringList liste;
    for (int i = 0; i < argc; ++i) {
        liste.append(QString::fromLocal8Bit(argv[i]));
    }
    return liste;
}

Demande lire(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parseur;
    decrire(parseur, options);
    if (!parseur.parse(arguments)) {
        return erreur(parseur.errorText());
    }
    if (parseur.isSet(options.aide)) {
        return pour(Action::Aide);
    }
    if (parseur.isSet(options.version)) {
        return pour(Action::Version);
    }
    QString fauteEfforts;
    const std::optional<modele::Efforts> charges = efforts(parseur, options, fauteEfforts);
    if (!fauteEfforts.isEmpty()) {
        return erreur(fauteEfforts);
    }
    const QStringList fichiers = parseur.positionalArguments();
    const bool calculer = parseur.isSet(options.calculer);
    const bool json = parseur.isSet(options.json);
    const QString profil = parseur.value(options.profil);
    if (parseur.isSet(options.profils)) {
        return parseur.optionNames().size() == 1 && fichiers.isEmpty()
                   ? pour(Action::Profils)
                   : erreur(u"L'option --profils s'emploie seule."_s);
    }
    if (const std::optional<QString> inconnu = profilInconnu(profil)) {
        return erreur(*inconnu);
    }
    if (parseur.isSet(options.profil) &&
        (profil.isEmpty() || !(calculer || parseur.isSet(options.exporter)))) {
        return erreur(u"L'option --profil s'emploie avec --calculer ou --exporter et un nom de profilé."_s);
    }
    if (parseur.isSet(options.exporter)) {
        if (calculer || json) {
            return erreur(u"L'option --exporter ne s'emploie ni avec --calculer ni avec --json."_s);
        }
        Demande d = exporter(fichiers, profil);
        if (charges && d.action == Action::Exporter && d.format == FormatSortie::Csv) {
            return erreur(sansCharges()); // the data have no stresses
        }
        d.efforts = charges;
        return d;
    }
    if (!profil.isEmpty() && !fichiers.isEmpty()) {
        return erreur(u"Avec --profil, aucun FICHIER n'est donné."_s);
    }
    if (fichiers.size() > 1) {
        return erreur(u"Un seul FICHIER peut être donné (il y en a %1)."_s.arg(fichiers.size()));
    }
    const QString fichier = fichiers.value(0);
    if (json && !calculer) {
        return erreur(u"L'option --json ne s'emploie qu'avec --calculer."_s);
    }
    if (calculer && fichier.isEmpty() && profil.isEmpty()) {
        return erreur(u"L'option --calculer demande un FICHIER."_s);
    }
    if (charges && !calculer) {
        return erreur(sansCharges());
    }
    Demande d = pour(calculer ? Action::Calculer : Action::Fenetre);
    d.fichier = fichier;
    d.profil = profil;
    d.json = json;
    d.efforts = charges;
    return d;
}

QString texteAide() {
    const Options options;
    QCommandLineParser parseur;
    decrire(parseur, options);
    return parseur.helpText();
}

QString texteVersion() {
    return u"Brivane "_s + QString::fromUtf8(BRIVANE_VERSION);
}

} // namespace commande
