// The section's data as CSV: read back in both locales, every number is the engine's double itself;
// the byte-order mark, the CRLF line ends, the header, the element rows and the total row; the file
// written whole or not at all. The results text of the main window's copy.

#include "attendu.h"
#include "document/fichier_section.h"
#include "model/calcul.h"
#include "rapport/donnees.h"
#include "rapport/resultats.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace modele;

namespace {

const QString Exemples = QStringLiteral(BRIVANE_EXEMPLES);

const QLocale Francais(QLocale::French, QLocale::France);
const QLocale Anglais(QLocale::English, QLocale::UnitedStates);

// The fields of one CSV line, quotes undone.
QStringList champs(const QString& ligne, QChar separateur) {
    QStringList resultat;
    QString champ;
    bool cite = false;
    for (qsizetype i = 0; i < ligne.size(); ++i) {
        const QChar c = ligne.at(i);
        if (cite && c == u'"' && i + 1 < ligne.size() && ligne.at(i + 1) == u'"') {
            champ += c;
            ++i;
        } else if (c == u'"') {
            cite = !cite;
        } else if (c == separateur && !cite) {
            resultat.append(champ);
            champ.clear();
        } else {
            champ += c;
        }
    }
    resultat.append(champ);
    return resultat;
}

// The file read as a spreadsheet reads it: the mark checked and dropped, the lines split at CRLF.
struct Lu {
    bool marque = false;
    bool crlf = true; // no line end but CRLF
    std::vector<QStringList> lignes;
};

Lu lire(const QByteArray& octets, QChar separateur) {
    Lu lu;
    lu.marque = octets.startsWith("\xEF\xBB\xBF");
    QString texte = QString::fromUtf8(octets.mid(lu.marque ? 3 : 0));
    EXPECT_TRUE(texte.endsWith(QStringLiteral("\r\n")));
    texte.chop(2);
    for (const QString& l : texte.split(QStringLiteral("\r\n"))) {
        lu.crlf = lu.crlf && !l.contains(u'\n') && !l.contains(u'\r');
        lu.lignes.push_back(champs(l, separateur));
    }
    return lu;
}

// The number a field holds in that locale, or NaN when it holds none.
double nombre(const QString& champ, const QLocale& locale) {
    bool ok = false;
    const double v = locale.toDouble(champ, &ok);
    return ok ? v : std::nan("");
}

Section exemple(const char* nom) {
    const document::Lecture l = document::ouvrir(Exemples + u'/' + QString::fromUtf8(nom));
    EXPECT_TRUE(l.section.has_value()) << nom;
    return l.section.value_or(Section{});
}

// Numbers that no short decimal writes: thirds, tenths, powers far from 1.
Section difficile() {
    Section s;
    s.NbrElement = 3;
    s.element(1) = MemoriseDonnees("Rectangle", 0.1, 1.0 / 3.0, 1e-7, 2.5e17, true);
    s.element(2) = MemoriseDonnees("Disque", 0.3, 0.0, -0.7, 123456.789, false);
    s.element(3) = MemoriseDonnees("Triangle", 7e10, 3e-3, 1.0 / 7.0, -1e-300, true);
    EXPECT_FALSE(Calcul(s).faute);
    return s;
}

struct Cas {
    const char* nom;
    Section section;
    bool francais;
};

class Csv : public ::testing::TestWithParam<Cas> {};

TEST_P(Csv, ReadsBackToTheEngineDoubles) {
    const Cas& c = GetParam();
    const QLocale& locale = c.francais ? Francais : Anglais;
    const QChar separateur = c.francais ? u';' : u',';
    const Section& s = c.section;
    const Lu lu = lire(rapport::donneesCsv(s, locale), separateur);
    EXPECT_TRUE(lu.marque);
    EXPECT_TRUE(lu.crlf);
    ASSERT_EQ(lu.lignes.size(), static_cast<std::size_t>(s.NbrElement) + 2);
    EXPECT_EQ(lu.lignes.front().join(u'|'),
              QStringLiteral("numéro|forme|dimension1|dimension2|zg|yg|matière|aire|Igz|Igy"));
    for (int k = 1; k <= s.NbrElement; ++k) {
        const QStringList& l = lu.lignes.at(static_cast<std::size_t>(k));
        const ElementSection& e = s.element(k);
        ASSERT_EQ(l.size(), 10) << k;
        EXPECT_EQ(l.at(0), QString::number(k));
        EXPECT_EQ(l.at(1).toStdString(), e.Forme);
        EXPECT_EQ(nombre(l.at(2), locale), e.Dimension1) << k;
        EXPECT_EQ(nombre(l.at(3), locale), e.Dimension2) << k;
        EXPECT_EQ(nombre(l.at(4), locale), e.Zg) << k;
        EXPECT_EQ(nombre(l.at(5), locale), e.Yg) << k;
        EXPECT_EQ(l.at(6), e.Signe < 0 ? QStringLiteral("trou") : QStringLiteral("plein"));
        EXPECT_EQ(nombre(l.at(7), locale), e.Aire) << k;
        EXPECT_EQ(nombre(l.at(8), locale), e.Igz) << k;
        EXPECT_EQ(nombre(l.at(9), locale), e.Igy) << k;
    }
    const QStringList& total = lu.lignes.back();
    ASSERT_EQ(total.size(), 10);
    EXPECT_EQ(total.at(0), QStringLiteral("total"));
    for (const int vide : {1, 2, 3, 6}) {
        EXPECT_EQ(total.at(vide), QString()) << vide;
    }
    EXPECT_EQ(nombre(total.at(4), locale), s.Zg);
    EXPECT_EQ(nombre(total.at(5), locale), s.Yg);
    EXPECT_EQ(nombre(total.at(7), locale), s.Atotale);
    EXPECT_EQ(nombre(total.at(8), locale), s.Igz);
    EXPECT_EQ(nombre(total.at(9), locale), s.Igy);
}

INSTANTIATE_TEST_SUITE_P(Table, Csv,
                         ::testing::Values(Cas{"aide_fr", exemple("exemple-aide.brivane"), true},
                                           Cas{"aide_en", exemple("exemple-aide.brivane"), false},
                                           Cas{"ipe200_fr", exemple("ipe200.brivane"), true},
                                           Cas{"ipe200_en", exemple("ipe200.brivane"), false},
                                           Cas{"te_fr", exemple("te.brivane"), true},
                                           Cas{"difficile_fr", difficile(), true},
                                           Cas{"difficile_en", difficile(), false}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

// The exact bytes of the help page's example, in each locale: the shortest forms, no padding.
TEST(Csv, HelpPageExampleBytes) {
    const Section s = exemple("exemple-aide.brivane");
    EXPECT_EQ(attendu::ecart("donnees/exemple-aide-fr.csv", rapport::donneesCsv(s, Francais)), "");
    EXPECT_EQ(attendu::ecart("donnees/exemple-aide-en.csv", rapport::donneesCsv(s, Anglais)), "");
}

// A text holding the separator or a quote is quoted, and reads back whole.
TEST(Csv, QuotesAFieldHoldingTheSeparator) {
    Section s;
    s.element(1).Forme = "a;b \"c\"";
    const QByteArray octets = rapport::donneesCsv(s, Francais);
    EXPECT_TRUE(octets.contains("\n1;\"a;b \"\"c\"\"\";0;"));
    EXPECT_EQ(lire(octets, u';').lignes.at(1).at(1), QStringLiteral("a;b \"c\""));
}

// The main window's copy: the seven totals' lines of the command line's results, in the user's locale.
TEST(Resultats, MainWindowCopyIsTheFirstSevenLines) {
    const Section s = exemple("exemple-aide.brivane");
    QLocale::setDefault(Francais);
    const QString principaux = rapport::texteResultatsPrincipaux(s);
    EXPECT_EQ(attendu::ecart("donnees/resultats-principaux.txt", principaux), "");
    EXPECT_TRUE(rapport::texteResultats(s).startsWith(principaux));
    QLocale::setDefault(Anglais);
    EXPECT_TRUE(rapport::texteResultatsPrincipaux(s).startsWith(
        QStringLiteral("A = 2400 mm²\nZg = 35 mm\nYg = 29.79")));
    QLocale::setDefault(QLocale::c());
}

class Export : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dossier.isValid());
        QLocale::setDefault(Francais);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    QString chemin(const char* nom) const { return m_dossier.filePath(QString::fromUtf8(nom)); }
    QTemporaryDir m_dossier;
};

// Written in the user's locale; an existing file is replaced whole.
TEST_F(Export, WritesTheFileInTheUsersLocale) {
    const Section s = exemple("exemple-aide.brivane");
    QFile ancien(chemin("donnees.csv"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write(QByteArray(10000, 'x'));
    ancien.close();
    EXPECT_EQ(rapport::exporterDonnees(chemin("donnees.csv"), s), std::nullopt);
    QFile f(chemin("donnees.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), rapport::donneesCsv(s, Francais));
}

// A place that cannot be written: the message of the section file's own saving, and nothing left.
TEST_F(Export, RefusesAPlaceThatCannotBeWritten) {
    ASSERT_TRUE(QDir(m_dossier.path()).mkdir(QStringLiteral("dossier.csv")));
    const Section s = exemple("exemple-aide.brivane");
    for (const char* nom : {"dossier.csv", "absent/donnees.csv"}) {
        const std::optional<QString> message = rapport::exporterDonnees(chemin(nom), s);
        ASSERT_TRUE(message.has_value()) << nom;
        const QString debut = QStringLiteral("Le fichier %1 ne peut pas être enregistré : ")
                                  .arg(QString::fromUtf8(nom).section(u'/', -1));
        EXPECT_TRUE(message->startsWith(debut)) << message->toStdString();
        EXPECT_TRUE(message->endsWith(u'.'));
        EXPECT_EQ(*message, document::enregistrer(chemin(nom), s)) << "one wording for every file";
    }
    EXPECT_EQ(QDir(m_dossier.path()).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(QFileInfo(chemin("dossier.csv")).isDir());
}

} // namespace
