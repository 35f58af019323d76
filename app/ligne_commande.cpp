#include "app/ligne_commande.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace commande {

namespace {

struct Options {
    QCommandLineOption calculer{u"calculer"_s,
                                u"Calcule la section du FICHIER et en écrit les résultats sur la sortie "
                                u"standard, sans ouvrir de fenêtre."_s};
    QCommandLineOption json{u"json"_s, u"Avec --calculer : écrit les résultats en un objet JSON."_s};
    QCommandLineOption version{{u"v"_s, u"version"_s}, u"Affiche la version du programme."_s};
    QCommandLineOption aide{{u"h"_s, u"help"_s}, u"Affiche cette aide."_s};
};

// The one description of the command line, for reading it and for its help.
void decrire(QCommandLineParser& parseur, const Options& options) {
    parseur.setApplicationDescription(
        u"Brivane des sections : calcul commenté des caractéristiques géométriques d'une section de poutre.\n"
        u"Sans option, ouvre la fenêtre principale, sur le FICHIER s'il est donné.\n"
        u"Code de sortie : 0 si tout va bien, 1 si le fichier ne peut pas être utilisé, 2 si la ligne de "
        u"commande est incorrecte."_s);
    parseur.addOption(options.calculer);
    parseur.addOption(options.json);
    parseur.addOption(options.version);
    parseur.addOption(options.aide);
    parseur.addPositionalArgument(u"FICHIER"_s, u"Un fichier de section Brivane (.brivane)."_s,
                                  u"[FICHIER]"_s);
}

Demande erreur(const QString& texte) {
    return {Action::Erreur, {}, false, texte};
}

} // namespace

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
        return {Action::Aide, {}, false, {}};
    }
    if (parseur.isSet(options.version)) {
        return {Action::Version, {}, false, {}};
    }
    const QStringList fichiers = parseur.positionalArguments();
    if (fichiers.size() > 1) {
        return erreur(u"Un seul FICHIER peut être donné (il y en a %1)."_s.arg(fichiers.size()));
    }
    const QString fichier = fichiers.value(0);
    const bool calculer = parseur.isSet(options.calculer);
    const bool json = parseur.isSet(options.json);
    if (json && !calculer) {
        return erreur(u"L'option --json ne s'emploie qu'avec --calculer."_s);
    }
    if (calculer && fichier.isEmpty()) {
        return erreur(u"L'option --calculer demande un FICHIER."_s);
    }
    return {calculer ? Action::Calculer : Action::Fenetre, fichier, json, {}};
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
