// A long random session on the real windows: the arrows, the shape list, solid or hole, typing and
// pasting numbers and non-numbers, "Appliquer", opening every window from the main window, typing the
// coordinate of the shifted axis of the second-moment windows and switching its frame. After every
// action the section, what the windows show and the messages are checked against a reference kept
// here, computed from the records by the formulas of the program's help in their stated order.
//
// BRIVANE_GRAINE sets the seed and BRIVANE_ACTIONS the number of actions; a failure prints both
// with the index of the failing action and the actions just before it, so that it can be replayed.
// BRIVANE_TRACE names a file that receives, after each action that changed the section or the axis
// of a second-moment window, the engine's figures for it in exact bits (tests/trace.h).

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"
#include "programme.h"
#include "sections.h"
#include "tests/trace.h"

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "ui/main/fenetre_donnee.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <locale.h>
#include <memory>
#include <optional>
#include <random>
#include <vector>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------------------------------------
// The reference: numbers, notation and the section's arithmetic, written afresh from their rules.

const double Pi = static_cast<double>(3.1415927f);

struct Faute {};

// Every step of the computation is checked: an infinite or NaN result is a fault.
double v(double x) {
    if (!std::isfinite(x)) {
        throw Faute{};
    }
    return x;
}

// A number in the French locale: optional sign, digits with an optional decimal comma (at least one
// digit on one side), an optional exponent; its value must be a finite double.
std::optional<double> nombre(const QString& t) {
    static const QRegularExpression forme(u"^[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)?$"_s);
    if (!forme.match(t).hasMatch()) {
        return std::nullopt;
    }
    const QByteArray c = t.toLatin1().replace(',', '.');
    // In the C locale whatever the process's own (QApplication sets it from the environment).
    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double x = strtod_l(c.constData(), nullptr, localeC);
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    return x;
}

// Plain number text: 15 significant digits, no trailing zeros, scientific from the exponent 15 up and
// from -5 down, with at least two exponent digits; a decimal comma.
QString texte(double x) {
    if (x == 0.0) {
        return u"0"_s;
    }
    char b[64];
    const char* fin = std::to_chars(b, b + sizeof b, x, std::chars_format::general, 15).ptr;
    return QString::fromLatin1(b, fin - b).toUpper().replace(u'.', u',');
}

struct Notation {
    double mantisse = 0.0;
    double exposant = 0.0;
};

// One step of the notation's scaling: x times or divided by 10, rounded to double once. Long double
// holds x × 10 exactly (53 + 4 bits); x / 10 has the repeating binary digits of a fifth (0011…), never
// ten alike in a row, so rounding it to 64 bits and then to 53 lands where one rounding does.
double foisDix(double x, int sens) {
    const long double l = x;
    return static_cast<double>(sens > 0 ? l * 10.0L : l / 10.0L);
}

// The power of ten of the first digit of a positive x, from its decimal text (17 digits never carry
// a double below a power of ten up to it).
int exposantDecimal(double x) {
    char b[32];
    const char* fin = std::to_chars(b, b + sizeof b, x, std::chars_format::scientific, 16).ptr;
    const char* e = std::find(static_cast<const char*>(b), fin, 'e') + 1;
    int n = 0;
    std::from_chars(e + (*e == '+' ? 1 : 0), fin, n);
    return n;
}

// x rounded to d decimals, the tie decided on the double x × 10^d: to_chars rounds an exact half to
// even, and from_chars reads the digits back with the point moved d places.
double arrondi(double x, int d) {
    static constexpr long double Puissances[] = {1.0L, 10.0L, 100.0L, 1000.0L};
    const double produit = static_cast<double>(x * Puissances[d]); // exact in long double, then rounded
    std::array<char, 400> b{};                                     // a double's 309 integer digits, then e-d
    char* fin = std::to_chars(b.data(), b.data() + b.size(), produit, std::chars_format::fixed, 0).ptr;
    *fin++ = 'e';
    *fin++ = '-';
    *fin++ = static_cast<char>('0' + d);
    double arrondi = 0.0;
    std::from_chars(b.data(), fin, arrondi);
    return arrondi;
}

// The magnitude of a finite x is scaled into (100, 1000] from 10000 up and into [1, 10) below 1, one
// step at a time; 3 decimals are kept below 10, 2 below 100, 1 below 1000; the sign is put back.
Notation noterReference(double x) {
    if (x == 0.0) {
        return {};
    }
    double v = std::fabs(x);
    int p = 0;
    const int sens = v >= 10000.0 ? -1 : v < 1.0 ? 1 : 0;
    while ((sens < 0 && v > 1000.0) || (sens > 0 && v < 1.0)) {
        v = foisDix(v, sens);
        p -= sens;
    }
    return {std::copysign(arrondi(v, std::max(0, 3 - exposantDecimal(v))), x), double(p)};
}

struct Element {
    QString forme = u"Rectangle"_s;
    double d1 = 0.0, d2 = 0.0, aire = 0.0, yg = 0.0, zg = 0.0, signe = 1.0, igz = 0.0, igy = 0.0;
};

struct Totaux {
    double a = 0.0, soz = 0.0, soy = 0.0, yg = 0.0, zg = 0.0, igz = 0.0, igy = 0.0, iGy = 0.0, iGz = 0.0;
};

bool aHauteur(const QString& forme) {
    return forme == essai::formes[0] || forme == essai::formes[1];
}

// The record of a shape, sign applied; throws Faute.
Element capturer(const QString& forme, double d1, double d2, double zg, double yg, bool plein) {
    Element e;
    e.forme = forme;
    e.d1 = d1;
    e.d2 = d2;
    e.zg = zg;
    e.yg = yg;
    e.signe = plein ? 1.0 : -1.0;
    const int rang = int(essai::formes.indexOf(forme));
    const double b = d1, h = d2, r = d1;
    double aire = 0.0, igz = 0.0, igy = 0.0;
    const auto r4Pi = [&] { return v(v(v(v(r * Pi) * r) * r) * r); };
    const auto r4 = [&] { return v(v(v(r * r) * r) * r); };
    if (rang == 0) {
        aire = v(h * b);
        igz = v(v(v(v(h * b) * h) * h) / 12.0);
        igy = v(v(v(v(h * b) * b) * b) / 12.0);
    } else if (rang == 1) {
        aire = v(v(h * b) / 2.0);
        igz = v(v(v(v(h * b) * h) * h) / 36.0);
        igy = v(v(v(v(h * b) * b) * b) / 36.0);
    } else if (rang == 2) {
        aire = v(v(r * Pi) * r);
        igz = igy = v(r4Pi() / 4.0);
    } else if (rang <= 6) {
        const double k8 = (Pi / 8.0) - ((8.0 / 9.0) / Pi);
        aire = v(v(v(r * Pi) * r) / 2.0);
        const double plat = v(k8 * r4());
        const double symetrie = v(r4Pi() / 8.0);
        if (rang <= 4) { // cut horizontally
            igz = plat;
            igy = symetrie;
        } else {
            igz = symetrie;
            igy = plat;
        }
    } else {
        const double k16 = (Pi / 16.0) - ((4.0 / 9.0) / Pi);
        aire = v(v(v(r * Pi) * r) / 4.0);
        igz = igy = v(k16 * r4());
    }
    e.aire = v(aire * e.signe);
    e.igz = v(igz * e.signe);
    e.igy = v(igy * e.signe);
    return e;
}

Totaux calculer(const std::array<Element, 10>& el, int n) {
    Totaux t;
    t.a = el[0].aire;
    for (int k = 1; k < n; ++k) {
        t.a = v(t.a + el[k].aire);
    }
    if (t.a == 0.0) {
        return t;
    }
    for (int k = 0; k < n; ++k) {
        t.soz = v(t.soz + v(el[k].yg * el[k].aire));
        t.soy = v(t.soy + v(el[k].zg * el[k].aire));
    }
    for (int k = 0; k < n; ++k) {
        t.igz = v(t.igz + v(v(el[k].yg * el[k].aire) * el[k].yg));
        t.igz = v(t.igz + el[k].igz);
    }
    for (int k = 0; k < n; ++k) {
        t.igy = v(t.igy + v(v(el[k].zg * el[k].aire) * el[k].zg));
        t.igy = v(t.igy + el[k].igy);
    }
    t.yg = v(t.soz / t.a);
    t.zg = v(t.soy / t.a);
    t.igz = v(t.igz - v(v(t.yg * t.a) * t.yg));
    t.igy = v(t.igy - v(v(t.zg * t.a) * t.zg));
    t.iGz = v(std::pow(v(std::fabs(t.igz) / std::fabs(t.a)), 0.5));
    t.iGy = v(std::pow(v(std::fabs(t.igy) / std::fabs(t.a)), 0.5));
    return t;
}

// ---------------------------------------------------------------------------------------------
// The texts the program shows.

// The two second-moment windows: about GY (abscissas, Zo) and about GZ (ordinates, Yo).
struct Axe {
    const char* fenetre;
    const char* bouton;
    const char* champ;
    const char* valeur;
    const char* e;
    const char* puissance;
    const essai::FautesAxe& fautes; // what the window says when a value leaves the range of a double
};

const std::array<Axe, 2> Axes{{
    {"DetailIGY", "IgyBoutton", "Z", "IyValeur", "EIy", "IyPuissance", essai::fautesIgy},
    {"DetailIGZ", "IgzBoutton", "Y", "IzValeur", "EIz", "IzPuissance", essai::fautesIgz},
}};

// The results panel: value, "E" and exponent labels of each total.
struct Rangee {
    const char* valeur;
    const char* e;
    const char* puissance;
    double Totaux::*total;
};
const Rangee Rangees[] = {
    {"AireTotaleValeur", "EAire", "AireTotP", &Totaux::a},
    {"ZgValeur", "EZg", "ZgPuissance", &Totaux::zg},
    {"YgValeur", "EYg", "YgPuissance", &Totaux::yg},
    {"IgzValeur", "EIgz", "Izpuissance", &Totaux::igz},
    {"IgyValeur", "EIgy", "Iypuissance", &Totaux::igy},
    {"RGigzaff", "ERGigz", "RGizpuissance", &Totaux::iGz},
    {"RGigyaff", "ERGigy", "RGiypuissance", &Totaux::iGy},
};

// The buttons of the main window that open a window; the second-moment ones are in Axes.
const char* const AutresBoutons[] = {"AireTotaleBoutton",    "ZgBoutton",     "YgBoutton",
                                     "BouttonRecapitulatif", "BouttonApercu", "AideBoutton"};

const char* const Champs[] = {"DimSection1", "DimSection2", "ZG", "YG"};

} // namespace

class TestSessionAleatoire : public QObject {
    Q_OBJECT

private:
    // What the section and the windows must hold.
    struct Modele {
        int n = 1;
        int courant = 1;
        std::array<Element, 10> elements{};
        Totaux totaux;
        // The main window's input zone.
        std::array<QString, 4> champs{u"0"_s, u"0"_s, u"0"_s, u"0"_s};
        QString forme = u"Rectangle"_s;
        bool plein = true;
        // The second-moment windows.
        struct Detail {
            bool ouvert = false;
            bool centre = false;
            QString coordonnee = u"0"_s;
            std::optional<double> affiche; // the second moment about the typed axis shown, if any
        };
        std::array<Detail, 2> details;
        // What the centroid windows last announced (DetailYg, DetailZg).
        std::array<QString, 2> annonces;
    };

    // --- the reference's side of each action ---

    void refill() {
        const Element& e = m_m.elements[m_m.courant - 1];
        m_m.forme = e.forme;
        m_m.champs = {texte(e.d1), texte(e.d2), texte(e.zg), texte(e.yg)};
        m_m.plein = e.signe == 1.0;
    }
    // The totals for a count, or nothing on a fault; expects the messages of the outcome.
    bool recalculer(int n, const std::array<Element, 10>& elements) {
        try {
            const Totaux t = calculer(elements, n);
            m_m.totaux = t;
            m_m.n = n;
            m_m.elements = elements;
            if (t.a < 0.0) {
                m_attendus << essai::aireNegative;
            }
            return true;
        } catch (Faute) {
            m_attendus << essai::calculImpossible;
            return false;
        }
    }
    // A keystroke or a paste has made the field's text `t`: the check of that field.
    void editer(int champ, const QString& t) {
        const bool tiret = champ >= 2 && t == u"-"_s;
        if (t.isEmpty() || tiret || nombre(t)) {
            m_m.champs[champ] = t;
        } else {
            m_attendus << essai::nonNumerique;
            m_m.champs[champ] = u"0"_s;
        }
    }
    // The second moment about the axis at zo into what the window shows; false on a fault.
    bool decale(int a, double zo) {
        Modele::Detail& d = m_m.details[a];
        const double g = a == 0 ? m_m.totaux.zg : m_m.totaux.yg;
        const double moment = a == 0 ? m_m.totaux.igy : m_m.totaux.igz;
        try {
            const double dist = d.centre ? zo : v(zo - g);
            d.affiche = v(v(v(dist * dist) * m_m.totaux.a) + moment);
            return true;
        } catch (Faute) {
            d.affiche.reset();
            return false;
        }
    }
    // The box's change: a lone "-" counts as 0, any other non-number becomes "0"; a fault is said once.
    void calculDecale(int a) {
        Modele::Detail& d = m_m.details[a];
        const auto zo = d.coordonnee == u"-"_s ? std::optional<double>(0.0) : nombre(d.coordonnee);
        if (!zo) {
            d.coordonnee = u"0"_s;
            calculDecale(a);
        } else if (!decale(a, *zo)) {
            m_attendus << (*zo == 0.0 ? Axes[a].fautes.axeZeroTropLoin : Axes[a].fautes.coordonneeTropGrande);
            if (*zo != 0.0) {
                d.coordonnee = u"0"_s;
                decale(a, 0.0);
            }
        }
    }
    void ecrireCoordonnee(int a, const QString& t) {
        m_m.details[a].coordonnee = t;
        calculDecale(a);
    }
    // The opening of a second-moment window: the table, then the typed axis back to 0; one message at
    // most, the table's first.
    void reconstruireDetail(int a) {
        QString message;
        try {
            const double centre = a == 0 ? m_m.totaux.zg : m_m.totaux.yg;
            double statique = 0.0;
            for (int k = 0; k < m_m.n; ++k) {
                const Element& e = m_m.elements[k];
                const double dist = v((a == 0 ? e.zg : e.yg) - centre);
                const double p = v(dist * e.aire);
                v(v(v(dist * dist) * e.aire) + (a == 0 ? e.igy : e.igz));
                statique = k == 0 ? p : v(statique + p);
            }
        } catch (Faute) {
            message = Axes[a].fautes.tableauImpossible;
        }
        m_m.details[a].coordonnee = u"0"_s;
        if (!decale(a, 0.0) && message.isEmpty()) {
            message = Axes[a].fautes.axeZeroTropLoin;
        }
        if (!message.isEmpty()) {
            m_attendus << message;
        }
    }
    // The rebuild of DetailYg (c = 0) or DetailZg (c = 1): an element's static moment is not among
    // the totals when the total area is 0, and can leave the double range; said once while it holds.
    void reconstruireCentre(int c) {
        QStringList lignes;
        for (int k = 0; k < m_m.n; ++k) {
            const Element& e = m_m.elements[k];
            if (!std::isfinite(e.aire * (c == 0 ? e.yg : e.zg))) {
                lignes
                    << u"Le moment statique de l'élément %1 est trop grand pour être calculé : sa case reste "
                       u"vide."_s.arg(k + 1);
            }
        }
        const QString t = lignes.join(u"\r\n"_s);
        if (t != m_m.annonces[c]) {
            m_m.annonces[c] = t;
            if (!t.isEmpty()) {
                m_attendus << t;
            }
        }
    }

    // --- the user's side of each action ---

    QLineEdit* champ(int i) const { return m_p.ctl<QLineEdit>(Champs[i]); }

    // A text a user might type: numbers of every size, with commas or points, and non-numbers.
    QString texteAuHasard() {
        std::uniform_int_distribution<int> genre(0, 19);
        const auto entier = [this](int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_alea); };
        const int g = genre(m_alea);
        static const QStringList grands = {u"1E50"_s,   u"5,6E103"_s, u"-5,6E103"_s, u"1E80"_s,
                                           u"1E154"_s,  u"1E200"_s,   u"-1E300"_s,   u"1,5E-3"_s,
                                           u"1E-320"_s, u"1,7E308"_s};
        static const QStringList autres = {u"-"_s,   u"abc"_s, u"1 000"_s, u"+"_s, u"E5"_s,
                                           u"--1"_s, u"1E"_s,  u","_s,     u"x"_s, u"12,5,3"_s};
        if (g < 4) {
            return QString::number(entier(-200, 200));
        } else if (g < 6) {
            return QString::number(entier(-999, 999)) + u',' + QString::number(entier(0, 99));
        } else if (g == 6) {
            return u","_s + QString::number(entier(0, 999));
        } else if (g == 7) {
            return QString::number(entier(1, 99)) + u"."_s + QString::number(entier(0, 9));
        } else if (g == 8) {
            return grands[entier(0, int(grands.size()) - 1)];
        } else if (g == 9) {
            return u"1E999"_s;
        } else if (g == 10) {
            return autres[entier(0, int(autres.size()) - 1)];
        } else if (g == 11) {
            QString chiffres = QString::number(entier(1, 9));
            const int longueur = entier(5, 30) * (entier(0, 9) == 0 ? 13 : 1);
            for (int i = 1; i < longueur; ++i) {
                chiffres += QChar(u'0' + entier(0, 9));
            }
            return chiffres;
        }
        return g == 12 ? u"-"_s + QString::number(entier(1, 500)) : QString::number(entier(0, 100));
    }

    // Types `t` at the end of the field, one key at a time, each keystroke checked; `remplacer` types
    // the first key over the whole text.
    void taper(QLineEdit* c, const QString& t, bool remplacer,
               const std::function<void(const QString&)>& apres) {
        c->setFocus();
        if (remplacer) {
            c->selectAll();
        } else {
            c->end(false);
        }
        for (const QChar touche : t) {
            QTest::keyClicks(c, QString(touche));
            apres(QString(touche));
        }
    }

    // One random action; describes itself into m_action.
    void agir() {
        std::uniform_int_distribution<int> tirage(0, 99);
        const int t = tirage(m_alea);
        const auto entier = [this](int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_alea); };
        if (t < 8) { // the count
            const bool haut = entier(0, 1) == 1;
            m_action = haut ? u"nombre +"_s : u"nombre -"_s;
            m_p.fleche("SpinButton1", haut);
            int n = m_m.n + (haut ? 1 : -1);
            n = std::clamp(n, 1, 10);
            if (recalculer(n, m_m.elements) && m_m.courant > m_m.n) {
                m_m.courant = m_m.n;
                refill();
            }
        } else if (t < 18) { // the current element
            const bool haut = entier(0, 1) == 1;
            m_action = haut ? u"élément +"_s : u"élément -"_s;
            m_p.fleche("SpinButton2", haut);
            const int c = m_m.courant + (haut ? 1 : -1);
            if (c >= 1 && c <= m_m.n) {
                m_m.courant = c;
                refill();
            }
        } else if (t < 26) { // a shape
            const QString forme = essai::formes[entier(0, 10)];
            m_action = u"forme "_s + forme;
            auto* liste = m_p.ctl<QListWidget>("ListeForme");
            QListWidgetItem* item =
                liste->findItems(forme, Qt::MatchExactly | Qt::MatchCaseSensitive).first();
            liste->scrollToItem(item);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
            m_m.forme = forme;
        } else if (t < 31) { // solid or hole
            const bool plein = entier(0, 1) == 1;
            m_action = plein ? u"Additionner"_s : u"Soustraire"_s;
            QTest::mouseClick(m_p.ctl(plein ? "ButtonAdditionner" : "BouttonSoustraire"), Qt::LeftButton);
            m_m.plein = plein;
        } else if (t < 64) { // a number field
            int i = entier(0, 3);
            if (i == 1 && !aHauteur(m_m.forme)) {
                i = 0; // the height field is hidden
            }
            QLineEdit* c = champ(i);
            const int mode = entier(0, 9);
            if (mode < 5 || mode > 8) {
                const bool remplacer = mode < 5;
                const QString s = texteAuHasard();
                m_action = (remplacer ? u"taper "_s : u"ajouter "_s) + s + u" dans "_s + c->objectName();
                bool premier = remplacer;
                taper(c, s, remplacer, [&](const QString& touche) {
                    editer(i, premier ? touche : m_m.champs[i] + touche);
                    premier = false;
                });
            } else if (mode < 7) {
                const QString s = texteAuHasard();
                m_action = u"coller "_s + s + u" dans "_s + c->objectName();
                QApplication::clipboard()->setText(s);
                c->setFocus();
                c->selectAll();
                QTest::keySequence(c, QKeySequence::Paste);
                editer(i, s);
            } else {
                const int fois = entier(1, 3);
                m_action = u"effacer %1 dans "_s.arg(fois) + c->objectName();
                c->setFocus();
                c->end(false);
                for (int k = 0; k < fois; ++k) {
                    QTest::keyClick(c, Qt::Key_Backspace);
                    if (!m_m.champs[i].isEmpty()) {
                        editer(i, m_m.champs[i].chopped(1));
                    }
                }
            }
        } else if (t < 79) { // "Appliquer"
            m_action = u"Appliquer"_s;
            QTest::mouseClick(m_p.ctl("BouttonAppliquer"), Qt::LeftButton);
            std::array<std::optional<double>, 4> x;
            for (int k = 0; k < 4; ++k) {
                x[k] = nombre(m_m.champs[k]);
            }
            if (!x[0] || !x[1] || !x[2] || !x[3]) {
                m_attendus << essai::appliquerRefuse;
            } else {
                try {
                    std::array<Element, 10> elements = m_m.elements;
                    elements[m_m.courant - 1] = capturer(m_m.forme, *x[0], *x[1], *x[2], *x[3], m_m.plein);
                    recalculer(m_m.n, elements);
                } catch (Faute) {
                    m_attendus << essai::calculImpossible;
                }
            }
        } else if (t < 86) { // open a window
            const int quelle = entier(0, 8);
            if (quelle < 2) {
                m_action = u"ouvrir "_s + QString::fromUtf8(Axes[quelle].fenetre);
                QTest::mouseClick(m_p.ctl(Axes[quelle].bouton), Qt::LeftButton);
                m_m.details[quelle].ouvert = true;
                reconstruireDetail(quelle);
            } else if (quelle < 8) {
                const char* bouton = AutresBoutons[quelle - 2];
                m_action = u"ouvrir par "_s + QString::fromUtf8(bouton);
                QTest::mouseClick(m_p.ctl(bouton), Qt::LeftButton);
                if (quelle == 3 || quelle == 4) {
                    reconstruireCentre(quelle == 4 ? 0 : 1);
                }
            } else {
                m_action = u"ouvrir le zoom"_s;
                for (QWidget* croquis : m_p.w()->findChildren<QWidget*>()) {
                    if (croquis->objectName().startsWith(u"Image"_s) &&
                        croquis->objectName() != u"Image1"_s && croquis->isVisibleTo(m_p.w())) {
                        QTest::mouseClick(croquis, Qt::LeftButton);
                    }
                }
            }
            QCoreApplication::processEvents(); // the platform's activation, and what is said after it
        } else {
            std::vector<int> ouverts;
            for (int a = 0; a < 2; ++a) {
                if (m_m.details[a].ouvert) {
                    ouverts.push_back(a);
                }
            }
            if (ouverts.empty()) {
                m_action = u"rien"_s;
                return;
            }
            const int a = ouverts[std::size_t(entier(0, int(ouverts.size()) - 1))];
            QWidget* f = essai::fenetreNommee(Axes[a].fenetre);
            Modele::Detail& d = m_m.details[a];
            if (t < 95) { // type in the box of the axis
                auto* c = essai::exige<QLineEdit>(f, Axes[a].champ);
                const bool remplacer = entier(0, 2) != 0;
                const QString s = texteAuHasard();
                m_action = (remplacer ? u"taper "_s : u"ajouter "_s) + s + u" dans "_s +
                           QString::fromUtf8(Axes[a].fenetre);
                bool premier = remplacer;
                taper(c, s, remplacer, [&](const QString& touche) {
                    ecrireCoordonnee(a, premier ? touche : d.coordonnee + touche);
                    premier = false;
                });
            } else { // switch the frame of the axis
                m_action = u"changer de repère dans "_s + QString::fromUtf8(Axes[a].fenetre);
                QTest::mouseClick(essai::exige(f, "Label30"), Qt::LeftButton);
                const double zo = nombre(d.coordonnee).value_or(0.0);
                const double g = a == 0 ? m_m.totaux.zg : m_m.totaux.yg;
                const double nouvelle = d.centre ? zo + g : zo - g;
                if (!std::isfinite(nouvelle)) {
                    m_attendus << Axes[a].fautes.changementImpossible;
                } else {
                    d.centre = !d.centre;
                    ecrireCoordonnee(a, texte(nouvelle));
                }
            }
        }
    }

    // --- the checks after each action ---

    QString ecart(const QString& quoi, const QString& vu, const QString& attendu) const {
        return quoi + u": shown \""_s + vu + u"\", expected \""_s + attendu + u'"';
    }
    static bool memes(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

    // A value shown as mantissa, "E" and exponent.
    QString verifierNotation(const QWidget* f, const char* valeur, const char* e, const char* puissance,
                             double x) const {
        const Notation n = noterReference(x);
        const QString m = essai::texte(f, valeur);
        if (m != texte(n.mantisse)) {
            return ecart(QString::fromUtf8(valeur), m, texte(n.mantisse));
        }
        const bool montre = n.exposant != 0.0;
        if (essai::exige(f, e)->isVisibleTo(f) != montre ||
            essai::exige(f, puissance)->isVisibleTo(f) != montre) {
            return QString::fromUtf8(e) + u" shown or hidden wrongly"_s;
        }
        if (montre && essai::texte(f, puissance) != texte(n.exposant)) {
            return ecart(QString::fromUtf8(puissance), essai::texte(f, puissance), texte(n.exposant));
        }
        return {};
    }

    // A record for a failure message: the shape, then d1, d2, A, Yg, Zg, sign, Igz, Igy in exact digits.
    static QString decrire(const QString& forme, std::initializer_list<double> valeurs) {
        QStringList t{forme};
        for (const double x : valeurs) {
            t << QString::number(x, 'g', 17);
        }
        return t.join(u' ');
    }

    QString verifier() const {
        const Section& s = *m_p.section;
        // The invariants, then the section against the reference.
        if (s.NbrElement < 1 || s.NbrElement > 10 || s.ElementCourant < 1 ||
            s.ElementCourant > s.NbrElement) {
            return u"count %1, current element %2"_s.arg(s.NbrElement).arg(s.ElementCourant);
        }
        if (s.NbrElement != m_m.n || s.ElementCourant != m_m.courant) {
            return u"count %1 and current %2, expected %3 and %4"_s.arg(s.NbrElement)
                .arg(s.ElementCourant)
                .arg(m_m.n)
                .arg(m_m.courant);
        }
        for (int k = 0; k < 10; ++k) {
            const ElementSection& e = s.Elements[std::size_t(k)];
            const Element& r = m_m.elements[std::size_t(k)];
            if (QString::fromStdString(e.Forme) != r.forme || !memes(e.Dimension1, r.d1) ||
                !memes(e.Dimension2, r.d2) || !memes(e.Aire, r.aire) || !memes(e.Yg, r.yg) ||
                !memes(e.Zg, r.zg) || !memes(e.Signe, r.signe) || !memes(e.Igz, r.igz) ||
                !memes(e.Igy, r.igy)) {
                return u"record of element %1: %2, expected %3"_s.arg(k + 1).arg(
                    decrire(QString::fromStdString(e.Forme),
                            {e.Dimension1, e.Dimension2, e.Aire, e.Yg, e.Zg, e.Signe, e.Igz, e.Igy}),
                    decrire(r.forme, {r.d1, r.d2, r.aire, r.yg, r.zg, r.signe, r.igz, r.igy}));
            }
        }
        const Totaux& t = m_m.totaux;
        const double vus[] = {s.Atotale, s.Soz, s.Soy, s.Yg, s.Zg, s.Igz, s.Igy, s.iGy, s.iGz};
        const double attendus[] = {t.a, t.soz, t.soy, t.yg, t.zg, t.igz, t.igy, t.iGy, t.iGz};
        const char* noms[] = {"Atotale", "Soz", "Soy", "Yg", "Zg", "Igz", "Igy", "iGy", "iGz"};
        for (int i = 0; i < 9; ++i) {
            if (!memes(vus[i], attendus[i])) {
                return u"total %1 = %2, expected %3"_s.arg(QString::fromUtf8(noms[i]))
                    .arg(vus[i], 0, 'g', 17)
                    .arg(attendus[i], 0, 'g', 17);
            }
        }
        if (QString::fromStdString(s.FormeSelectionnee) != m_m.forme) {
            return u"selected shape "_s + QString::fromStdString(s.FormeSelectionnee) + u", expected "_s +
                   m_m.forme;
        }

        // The main window.
        if (essai::texte(m_p.w(), "NbrElementAffich") != QString::number(m_m.n) ||
            essai::texte(m_p.w(), "NumElement") != QString::number(m_m.courant)) {
            return u"count or element number shown wrongly"_s;
        }
        for (int i = 0; i < 4; ++i) {
            if (champ(i)->text() != m_m.champs[i]) {
                return ecart(QString::fromUtf8(Champs[i]), champ(i)->text(), m_m.champs[i]);
            }
        }
        const QListWidgetItem* item = m_p.ctl<QListWidget>("ListeForme")->currentItem();
        if (item == nullptr || item->text() != m_m.forme) {
            return u"shape list selection"_s;
        }
        if (champ(1)->isVisibleTo(m_p.w()) != aHauteur(m_m.forme) ||
            essai::texte(m_p.w(), "DimSection1Texte") != (aHauteur(m_m.forme) ? u"Base ="_s : u"Rayon ="_s)) {
            return u"height field shown or hidden wrongly"_s;
        }
        if (m_p.ctl<QRadioButton>(m_m.plein ? "ButtonAdditionner" : "BouttonSoustraire")->isChecked() !=
            true) {
            return u"solid or hole option"_s;
        }
        for (const Rangee& r : Rangees) {
            if (QString e = verifierNotation(m_p.w(), r.valeur, r.e, r.puissance, t.*r.total); !e.isEmpty()) {
                return e;
            }
        }

        // The second-moment windows.
        for (int a = 0; a < 2; ++a) {
            const Modele::Detail& d = m_m.details[a];
            if (!d.ouvert) {
                continue;
            }
            const QWidget* f = essai::fenetreNommee(Axes[a].fenetre);
            const QString zo = essai::exige<QLineEdit>(f, Axes[a].champ)->text();
            if (zo != d.coordonnee) {
                return ecart(QString::fromUtf8(Axes[a].fenetre) + u" axis"_s, zo, d.coordonnee);
            }
            if (essai::texte(f, "Repere") != (d.centre ? essai::repereCentre : essai::repereSaisie)) {
                return QString::fromUtf8(Axes[a].fenetre) + u": frame caption"_s;
            }
            if (d.affiche) {
                if (QString e = verifierNotation(f, Axes[a].valeur, Axes[a].e, Axes[a].puissance, *d.affiche);
                    !e.isEmpty()) {
                    return QString::fromUtf8(Axes[a].fenetre) + u": "_s + e;
                }
            } else if (!essai::texte(f, Axes[a].valeur).isEmpty() ||
                       essai::exige(f, Axes[a].e)->isVisibleTo(f) ||
                       essai::exige(f, Axes[a].puissance)->isVisibleTo(f)) {
                return QString::fromUtf8(Axes[a].fenetre) +
                       u": a second moment shown that could not be computed"_s;
            }
        }
        return {};
    }

    // The messages seen against those expected, each once.
    QString verifierMessages(const QStringList& vus) const {
        if (vus == m_attendus) {
            return {};
        }
        return u"messages ["_s + vus.join(u" | "_s) + u"], expected ["_s + m_attendus.join(u" | "_s) + u']';
    }

    // The trace after action i, when the section or a shown axis changed since the last one.
    void tracer(std::FILE* f, int i, std::optional<Section>& avant, std::array<double, 2>& axesAvant) const {
        std::array<double, 2> axes{};
        for (int a = 0; a < 2; ++a) {
            const Modele::Detail& d = m_m.details[std::size_t(a)];
            const double zo = nombre(d.coordonnee).value_or(0.0);
            axes[std::size_t(a)] = d.centre ? zo : zo - (a == 0 ? m_m.totaux.zg : m_m.totaux.yg);
        }
        const Section& s = *m_p.section;
        if (avant && *avant == s && memes(axes[0], axesAvant[0]) && memes(axes[1], axesAvant[1])) {
            return;
        }
        avant = s;
        axesAvant = axes;
        std::fprintf(f, "# %d\n", i);
        trace::section(f, s, {axes[0], axes[1]});
    }

    essai::Programme m_p;
    std::mt19937_64 m_alea;
    Modele m_m;
    QStringList m_attendus;
    QString m_action;

private Q_SLOTS:
    void initTestCase() {
        essai::localeFrancaise();
        essai::taireRaiseOffscreen();
    }

    void init() {
        essai::localeFrancaise();
        QVERIFY(m_p.demarrer());
        m_m = Modele{};
    }

    void cleanup() { m_p.arreter(); }

    void session() {
        const QByteArray graine = qgetenv("BRIVANE_GRAINE");
        const QByteArray nombreActions = qgetenv("BRIVANE_ACTIONS");
        const unsigned long long g = graine.isEmpty() ? 20240611ULL : graine.toULongLong();
        const int actions = nombreActions.isEmpty() ? 20000 : nombreActions.toInt();
        m_alea.seed(g);
        QCOMPARE(verifier(), QString());

        const QByteArray nomTrace = qgetenv("BRIVANE_TRACE");
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichierTrace(
            nomTrace.isEmpty() ? nullptr : std::fopen(nomTrace.constData(), "w"), &std::fclose);
        QVERIFY(nomTrace.isEmpty() || fichierTrace);
        std::optional<Section> traceAvant;
        std::array<double, 2> axesAvant{};

        std::deque<QString> dernieres;
        int fautes = 0, refus = 0;
        for (int i = 0; i < actions; ++i) {
            m_attendus.clear();
            agir();
            const QStringList vus = m_p.messages->prendre();
            fautes += int(vus.count(essai::calculImpossible));
            refus += int(vus.count(essai::nonNumerique) + vus.count(essai::appliquerRefuse));
            dernieres.push_back(m_action);
            if (dernieres.size() > 8) {
                dernieres.pop_front();
            }
            QString e = verifierMessages(vus);
            if (e.isEmpty()) {
                e = verifier();
            }
            if (!e.isEmpty()) {
                QStringList avant(dernieres.begin(), dernieres.end());
                QFAIL(
                    qPrintable(u"BRIVANE_GRAINE=%1, action %2 (%3): %4\nlast actions: %5"_s.arg(g).arg(i).arg(
                        m_action, e, avant.join(u"; "_s))));
            }
            if (fichierTrace) {
                tracer(fichierTrace.get(), i, traceAvant, axesAvant);
            }
        }
        qInfo("seed %llu: %d actions, %d refused inputs, %d computations too large", g, actions, refus,
              fautes);
        // The session went through the paths it is meant to exercise.
        QVERIFY(refus > 0);
        QVERIFY(fautes > 0);
    }
};

QTEST_MAIN(TestSessionAleatoire)
#include "test_session_aleatoire.moc"
