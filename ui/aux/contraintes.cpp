#include "ui/aux/contraintes.h"

#include "dessin/contraintes.h"
#include "model/analyse.h"
#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/qt/controles.h"
#include "platform/qt/geometrie.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "platform/qt/police.h"
#include "ui/commun/affichage.h"

#include <QLineEdit>
#include <QPainter>
#include <cmath>

using namespace Qt::StringLiterals;
using modele::Efforts;
using modele::PointZY;
using plateforme::Controle;
using plateforme::Etiquette;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

constexpr double Largeur = 250.0;
constexpr double Hauteur = 226.0;
constexpr double Droite = 136.0; // the left edge of the fields and the results, mm

// The fields' rows.
constexpr double HautChamps = 8.0;
constexpr double PasChamps = 6.4;

// The result rows, in the preview's pattern.
constexpr double HautResultats = 72.0;
constexpr double Pas = 6.4;
constexpr double Legende = Droite;
constexpr double Valeur = Droite + 24.0;
constexpr double LettreE = Valeur + 11.2;
constexpr double Puissance = LettreE + 2.3;
constexpr double Unite = Puissance + 8.5;
const plateforme::Colonne ColonnesResultat[] = {
    {u"%1Texte"_s, u"%2"_s, Legende, 0.0, Valeur - Legende - 1.0, 4.2, Grasse},
    {u"%1Valeur"_s, u"0"_s, Valeur, 0.0, 11.0, 4.2, Normale},
    {u"%3"_s, u"E"_s, LettreE, 0.7, 2.1, 2.8, Petite},
    {u"%4"_s, u"0"_s, Puissance, 0.0, 8.0, 4.2, Normale},
    {u"%1Unite"_s, u"%5"_s, Unite, 0.0, 9.0, 4.2, Normale},
    {u"%6"_s, {}, Unite + 9.0, 0.0, Largeur - Unite - 11.0, 4.2, Normale},
};

// The step table, under the drawing.
constexpr double HautEtapes = 140.0;
const plateforme::Colonne ColonnesEtape[] = {
    {u"Etape%1Nom"_s, {}, 2.0, 0.0, 17.0, 9.6, Grasse},
    {u"Etape%1Formule"_s, {}, 19.5, 0.0, 52.0, 9.6, Petite},
    {u"Etape%1Valeurs"_s, {}, 72.0, 0.0, 72.0, 9.6, Petite},
    {u"Etape%1Termes"_s, {}, 144.5, 0.0, 64.0, 9.6, Petite},
    {u"Etape%1Resultat"_s, {}, 209.0, 0.0, 39.0, 9.6, Grasse},
};

} // namespace

// The drawing of the stresses, repainted from the window's study.
class Contraintes::Dessin final : public QWidget {
public:
    explicit Dessin(const Contraintes* fenetre, QWidget* parent) : QWidget(parent), m_fenetre(fenetre) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(font());
        dessin::dessinerContraintes(p, rect(), m_fenetre->m_section, m_fenetre->m_etude, m_fenetre->m_pointN);
    }

private:
    const Contraintes* m_fenetre;
};

namespace {

class Conventions final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(font());
        dessin::dessinerConventions(p, rect());
    }
};

} // namespace

Contraintes::Contraintes(const modele::Section& section, const modele::Document* document)
    : plateforme::FenetreSecondaire(u"Contraintes"_s, u"Contraintes normales"_s, Largeur, Hauteur, true),
      m_section(section), m_document(document), m_plan(this), m_dessin(new Dessin(this, this)) {
    m_dessin->setObjectName(u"Dessin"_s);
    m_dessin->setAccessibleName(u"Dessin des contraintes et du noyau central"_s);
    m_dessin->setGeometry(plateforme::rectangle({2.0, 2.0, 130.0, 134.0}));
    m_dessin->setFont(plateforme::police(Petite));

    std::vector<Controle> controles;
    controles.push_back(
        {Genre::Etiquette, u"TitreEfforts"_s, u"Efforts"_s, {Droite, 2.0, 60.0, 4.6}, Grasse});
    for (int i = 0; i < NombreChamps; ++i) {
        const contraintes::ChampEffort& c = contraintes::Champs[i];
        const QString nom = QString::fromUtf16(c.nom);
        const double haut = HautChamps + i * PasChamps + (i >= Ez ? 2.0 : 0.0);
        controles.push_back({Genre::Etiquette,
                             nom + u"Texte"_s,
                             QString::fromUtf16(c.legende),
                             {Droite, haut + 0.8, 10.0, 4.2},
                             Grasse});
        controles.push_back({Genre::Champ, nom, u"0"_s, {Droite + 10.0, haut, 24.0, 5.6}, Normale});
        controles.push_back({Genre::Etiquette,
                             nom + u"Unite"_s,
                             QString::fromUtf16(c.unite),
                             {Droite + 35.0, haut + 0.8, 10.0, 4.2},
                             Normale});
    }
    controles.push_back({Genre::Etiquette,
                         u"ExcentriciteTexte"_s,
                         u"Facultatif : N appliqué en (ez ; ey) depuis G donne Mz = N·ey et My = N·ez."_s,
                         {Droite + 47.0, HautChamps + 3 * PasChamps + 2.0, Largeur - Droite - 49.0, 11.0},
                         Petite});
    controles.push_back(
        {Genre::Etiquette, u"Message"_s, {}, {Droite, HautResultats + 6 * Pas, 112.0, 18.0}, Normale});
    m_plan.ajouter(controles);

    std::vector<QStringList> valeurs;
    for (const contraintes::Ligne& l : contraintes::Lignes) {
        const QString nom = QString::fromUtf16(l.nom);
        const bool degres = QStringView(l.unite) == u"°";
        valeurs.push_back({nom, QString::fromUtf16(l.legende), degres ? QString() : u"E"_s + nom,
                           degres ? QString() : nom + u"Puissance"_s, QString::fromUtf16(l.unite),
                           l.point != nullptr ? nom + u"Point"_s : QString()});
    }
    m_plan.ajouter(plateforme::Famille{
        ColonnesResultat, HautResultats, Pas, static_cast<int>(std::size(contraintes::Lignes)), {}, valeurs});
    m_plan.ajouter(plateforme::Famille{ColonnesEtape, HautEtapes + 5.0, 10.0, NombreEtapes});
    const std::vector<Controle> entetes = {
        {Genre::Etiquette, u"EnteteEtape"_s, u"Étape"_s, {2.0, HautEtapes, 17.0, 4.2}, Grasse},
        {Genre::Etiquette, u"EnteteFormule"_s, u"Formule"_s, {19.5, HautEtapes, 52.0, 4.2}, Grasse},
        {Genre::Etiquette, u"EnteteValeurs"_s, u"Avec les valeurs"_s, {72.0, HautEtapes, 72.0, 4.2}, Grasse},
        {Genre::Etiquette, u"EnteteTermes"_s, u"Termes"_s, {144.5, HautEtapes, 64.0, 4.2}, Grasse},
        {Genre::Etiquette, u"EnteteResultat"_s, u"Résultat"_s, {209.0, HautEtapes, 39.0, 4.2}, Grasse},
    };
    m_plan.ajouter(entetes);
    for (int k = 1; k <= NombreEtapes; ++k) {
        for (const QString& colonne : {u"Nom"_s, u"Formule"_s, u"Valeurs"_s, u"Termes"_s, u"Resultat"_s}) {
            m_plan.get<Etiquette>(u"Etape%1"_s.arg(k) + colonne)->setWordWrap(true);
        }
    }
    auto* message = m_plan.get<Etiquette>(u"Message"_s);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_plan.get<Etiquette>(u"ExcentriciteTexte"_s)->setWordWrap(true);

    auto* conventions = new Conventions(this);
    conventions->setObjectName(u"Conventions"_s);
    conventions->setAccessibleName(u"Conventions de signe"_s);
    conventions->setFont(plateforme::police(Petite));
    conventions->setGeometry(plateforme::rectangle({Droite, 43.0, Largeur - Droite - 2.0, 26.0}));

    for (int i = 0; i < NombreChamps; ++i) {
        QLineEdit* champ = m_plan.get<QLineEdit>(QString::fromUtf16(contraintes::Champs[i].nom));
        champ->setAccessibleName(QString::fromUtf16(contraintes::Champs[i].accessible));
        m_champs[static_cast<std::size_t>(i)] = champ;
        connect(champ, &QLineEdit::textChanged, this, [this, i] { saisieChangee(static_cast<Champ>(i)); });
        connect(champ, &QLineEdit::editingFinished, this, &Contraintes::saisieTerminee);
    }
    m_champs[Ez]->clear();
    m_champs[Ey]->clear();
    for (int i = 0; i < NombreChamps; ++i) {
        m_derniers[static_cast<std::size_t>(i)] = m_champs[static_cast<std::size_t>(i)]->text();
    }
    for (const contraintes::ChampEffort& c : contraintes::Champs) {
        plateforme::surDoubleClic(
            m_plan.get<Etiquette>(QString::fromUtf16(c.nom) + u"Texte"_s), this,
            [this, &c] { plateforme::afficherMessage(this, QString::fromUtf16(c.explication)); });
    }
    for (const contraintes::Ligne& l : contraintes::Lignes) {
        plateforme::surDoubleClic(
            m_plan.get<Etiquette>(QString::fromUtf16(l.nom) + u"Texte"_s), this, [this, &l] {
                QString texte = QString::fromUtf16(l.explication);
                for (const rapport::Etape& e : m_etapes) {
                    // σmax and σmin explained by the one row of a uniform stress
                    if (e.nom == l.etape || (e.nom == u"σ"_s && QStringView(l.etape).startsWith(u"σm"))) {
                        texte += plateforme::FinDeLigne + u"["_s + e.formule + u"]"_s +
                                 plateforme::FinDeLigne + e.valeurs + plateforme::FinDeLigne +
                                 (e.termes.isEmpty() ? QString() : e.termes + plateforme::FinDeLigne) +
                                 e.nom + u" : "_s + contraintes::resultat(e);
                        break;
                    }
                }
                plateforme::afficherMessage(this, texte);
            });
    }
}

Contraintes::~Contraintes() {
    // Hidden after this, in ~QWidget: a field losing its focus then would call saisieTerminee on
    // members already destroyed.
    for (QLineEdit* champ : m_champs) {
        champ->blockSignals(true);
    }
}

bool Contraintes::avecExcentricite() const {
    return !m_champs[Ez]->text().isEmpty() || !m_champs[Ey]->text().isEmpty();
}

Efforts Contraintes::effortsTapes() const {
    const auto lu = [this](Champ c) {
        return plateforme::lireCoordonneeEnFrappe(m_champs[c]->text()).value_or(0.0);
    };
    Efforts e{lu(N), lu(Mz), lu(My)};
    if (avecExcentricite()) {
        e.Mz = e.N * lu(Ey) / 1000.0;
        e.My = e.N * lu(Ez) / 1000.0;
    }
    return e;
}

void Contraintes::ecrire(Champ champ, double valeur) {
    QLineEdit* c = m_champs[champ];
    const std::optional<double> lu = plateforme::lireCoordonneeEnFrappe(c->text());
    if (!lu || *lu != valeur) {
        const bool avant = std::exchange(m_enEcriture, true);
        c->setText(plateforme::texteNombre(valeur));
        m_derniers[champ] = c->text();
        m_enEcriture = avant;
    }
}

void Contraintes::activer() {
    const Efforts e = m_document != nullptr ? m_document->efforts.value_or(Efforts{}) : Efforts{};
    ecrire(N, e.N);
    if (avecExcentricite() && !(effortsTapes() == e)) {
        const bool avant = std::exchange(m_enEcriture, true);
        m_champs[Ez]->clear();
        m_champs[Ey]->clear();
        m_enEcriture = avant;
    }
    ecrire(Mz, e.Mz);
    ecrire(My, e.My);
    calculer();
}

void Contraintes::saisieChangee(Champ champ) {
    if (m_enEcriture) {
        return;
    }
    QLineEdit* c = m_champs[champ];
    const QString t = c->text();
    if (!t.isEmpty() && !plateforme::lireCoordonneeEnFrappe(t)) {
        // The last number back before the message: its box takes the focus, and the field's
        // editingFinished would otherwise keep the wrong text as a load of 0.
        const bool avant = std::exchange(m_enEcriture, true);
        c->setText(m_derniers[champ]); // nothing changed
        m_enEcriture = avant;
        plateforme::afficherMessage(this, affichage::messageSaisieNonNumerique());
        return;
    }
    m_derniers[champ] = t;
    calculer();
}

void Contraintes::saisieTerminee() {
    for (const QLineEdit* c : m_champs) {
        if (!c->text().isEmpty() && !plateforme::lireCoordonneeEnFrappe(c->text())) {
            return; // a text that is no number is never kept
        }
    }
    const Efforts e = effortsTapes();
    const Efforts actuels = m_document != nullptr ? m_document->efforts.value_or(Efforts{}) : Efforts{};
    if (std::isfinite(e.Mz) && std::isfinite(e.My) && !(e == actuels)) {
        Q_EMIT effortsSaisis(e);
    }
}

void Contraintes::calculer() {
    const bool excentricite = avecExcentricite();
    m_efforts = effortsTapes();
    m_pointN.reset();
    for (const Champ c : {Mz, My}) {
        m_champs[c]->setReadOnly(excentricite);
    }
    if (excentricite) {
        const bool avant = std::exchange(m_enEcriture, true);
        m_champs[Mz]->setText(std::isfinite(m_efforts.Mz) ? plateforme::texteNombre(m_efforts.Mz)
                                                          : QString());
        m_champs[My]->setText(std::isfinite(m_efforts.My) ? plateforme::texteNombre(m_efforts.My)
                                                          : QString());
        m_enEcriture = avant;
        const auto lu = [this](Champ c) {
            return plateforme::lireCoordonneeEnFrappe(m_champs[c]->text()).value_or(0.0);
        };
        m_pointN = PointZY{m_section.Zg + lu(Ez), m_section.Yg + lu(Ey)};
    }
    m_etude = modele::etudier(m_section, m_efforts);
    for (const contraintes::Ligne& l : contraintes::Lignes) {
        montrer(l);
    }
    const std::optional<modele::Contraintes>& c = m_etude.contraintes;
    QString message = QString::fromStdString(m_etude.raison);
    if (c && !c->axe) {
        message = rapport::sansAxe(*c);
    }
    m_plan.get<Etiquette>(u"Message"_s)->setText(message);
    double igzy = 0.0;
    try {
        igzy = modele::analyser(m_section).Igzy;
    } catch (const plateforme::FauteArithmetique&) {
    }
    m_etapes = c ? rapport::etapesContraintes(m_section, igzy, m_efforts, *c, rapport::EcritureFenetre)
                 : std::vector<rapport::Etape>{};
    for (int k = 1; k <= NombreEtapes; ++k) {
        const rapport::Etape e = k <= static_cast<int>(m_etapes.size())
                                     ? m_etapes[static_cast<std::size_t>(k - 1)]
                                     : rapport::Etape{};
        const QString prefixe = u"Etape%1"_s.arg(k);
        m_plan.get<Etiquette>(prefixe + u"Nom"_s)->setText(e.nom);
        m_plan.get<Etiquette>(prefixe + u"Formule"_s)->setText(e.formule);
        m_plan.get<Etiquette>(prefixe + u"Valeurs"_s)->setText(e.valeurs);
        m_plan.get<Etiquette>(prefixe + u"Termes"_s)->setText(e.termes);
        m_plan.get<Etiquette>(prefixe + u"Resultat"_s)->setText(contraintes::resultat(e));
    }
    m_dessin->update();
}

void Contraintes::montrer(const contraintes::Ligne& l) {
    const QString nom = QString::fromUtf16(l.nom);
    const std::optional<modele::Contraintes>& c = m_etude.contraintes;
    std::optional<double> v;
    if (c) {
        v = l.valeur(*c);
    }
    auto* valeur = m_plan.get<Etiquette>(nom + u"Valeur"_s);
    const bool degres = QStringView(l.unite) == u"°";
    m_plan.get<Etiquette>(nom + u"Unite"_s)->setVisible(v.has_value());
    if (degres) {
        valeur->setText(v ? plateforme::texteNombre(plateforme::arrondir(*v, 2)) : QString());
    } else if (v) {
        affichage::notation(valeur, m_plan.get<Etiquette>(u"E"_s + nom),
                            m_plan.get<Etiquette>(nom + u"Puissance"_s), *v);
    } else {
        valeur->clear();
        m_plan.get<Etiquette>(u"E"_s + nom)->hide();
        m_plan.get<Etiquette>(nom + u"Puissance"_s)->hide();
    }
    if (l.point != nullptr) {
        const std::optional<PointZY> point = c ? *c.*l.point : std::nullopt;
        m_plan.get<Etiquette>(nom + u"Point"_s)
            ->setText(point ? u"en "_s + contraintes::point(*point) + u" mm"_s : QString());
    }
}
