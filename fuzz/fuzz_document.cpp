// The section file's reader over any bytes: it never crashes; a refused file gives its message and no
// section; an accepted one is a section of 1 to 10 elements, element 1 current, with finite totals,
// and its text written again reads back as the same section, also with its shape names in Unicode's
// decomposed form, and is refused with a key given twice.

#include "document/fichier_section.h"
#include "verifier.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QString nom = QStringLiteral("f.brivane");
    const QByteArray contenu(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const document::Lecture l = document::lire(contenu, nom);
    if (!l.section) {
        EXIGER(l.message.startsWith(QStringLiteral("Le fichier f.brivane ne peut pas être ouvert : ")));
        EXIGER(l.message.endsWith(QLatin1Char('.')));
        EXIGER(!l.aireNegative);
        return 0;
    }
    const modele::Section& s = *l.section;
    EXIGER(l.message.isEmpty());
    EXIGER(s.NbrElement >= 1 && s.NbrElement <= modele::Section::MaxElements);
    EXIGER(s.ElementCourant == 1);
    EXIGER(s.FormeSelectionnee == s.element(1).Forme);
    for (const double t : {s.Atotale, s.Soz, s.Soy, s.Yg, s.Zg, s.Igz, s.Igy, s.iGy, s.iGz}) {
        EXIGER(std::isfinite(t));
    }
    EXIGER(l.aireNegative == (s.Atotale < 0.0));
    const document::Lecture relu = document::lire(document::ecrire(s), nom);
    EXIGER(relu.section && *relu.section == s);
    EXIGER(relu.aireNegative == l.aireNegative);
    const QByteArray texte = document::ecrire(s);
    const QString decompose = QString::fromUtf8(texte).normalized(QString::NormalizationForm_D);
    const document::Lecture nfd = document::lire(decompose.toUtf8(), nom);
    EXIGER(nfd.section && *nfd.section == s);
    const QByteArray doublon = QByteArray(texte).replace("\"unite\"", "\"unite\": \"cm\", \"unit\\u0065\"");
    EXIGER(document::lire(doublon, nom)
               .message.endsWith(QStringLiteral("la clé « unite » apparaît deux fois.")));
    return 0;
}
