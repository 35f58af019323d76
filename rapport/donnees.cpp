#include "rapport/donnees.h"

#include "document/fichier_section.h"
#include "platform/nombre.h"

#include <QStringList>
#include <algorithm>

using namespace modele;

namespace rapport {

namespace {

struct Conventions {
    QChar separateur;
    QChar decimale;
};

Conventions conventions(const QLocale& locale) {
    if (locale.decimalPoint() == QStringLiteral(",")) {
        return {u';', u','};
    }
    return {u',', u'.'};
}

QString nombre(double v, const Conventions& c) {
    return QString::fromStdString(plateforme::texteCourt(v)).replace(u'.', c.decimale);
}

// A field as it is written: quoted, its quotes doubled, when it holds the separator, a quote or a
// line end.
QString champ(const QString& texte, const Conventions& c) {
    if (!texte.contains(c.separateur) && !texte.contains(u'"') && !texte.contains(u'\n') &&
        !texte.contains(u'\r')) {
        return texte;
    }
    return u'"' + QString(texte).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

} // namespace

QByteArray donneesCsv(const Section& section, const QLocale& locale) {
    const Conventions c = conventions(locale);
    QList<QStringList> rangees;
    rangees.append({QStringLiteral("numéro"), QStringLiteral("forme"), QStringLiteral("dimension1"),
                    QStringLiteral("dimension2"), QStringLiteral("zg"), QStringLiteral("yg"),
                    QStringLiteral("matière"), QStringLiteral("aire"), QStringLiteral("Igz"),
                    QStringLiteral("Igy")});
    const int n = std::clamp<int>(section.NbrElement, 1, Section::MaxElements);
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = section.element(k);
        rangees.append({QString::number(k), QString::fromStdString(e.Forme), nombre(e.Dimension1, c),
                        nombre(e.Dimension2, c), nombre(e.Zg, c), nombre(e.Yg, c),
                        e.Signe < 0.0 ? QStringLiteral("trou") : QStringLiteral("plein"), nombre(e.Aire, c),
                        nombre(e.Igz, c), nombre(e.Igy, c)});
    }
    rangees.append({QStringLiteral("total"),
                    {},
                    {},
                    {},
                    nombre(section.Zg, c),
                    nombre(section.Yg, c),
                    {},
                    nombre(section.Atotale, c),
                    nombre(section.Igz, c),
                    nombre(section.Igy, c)});

    QString texte;
    for (const QStringList& r : rangees) {
        QStringList champs;
        for (const QString& t : r) {
            champs.append(champ(t, c));
        }
        texte += champs.join(c.separateur) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + texte.toUtf8();
}

std::optional<QString> exporterDonnees(const QString& chemin, const Section& section, const QString& source) {
    return document::enregistrerFichier(chemin, donneesCsv(section, QLocale()), source);
}

} // namespace rapport
