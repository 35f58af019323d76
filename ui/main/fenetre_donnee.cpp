#include "ui/main/fenetre_donnee.h"

#include "model/catalogue.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/recapitulatif.h"
#include "ui/aux/zoom_forme.h"
#include "ui/commun/affichage.h"
#include "ui/commun/croquis.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/plan_donnee.h"
#include "ui/main/textes_donnee.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::afficherMessage;

namespace {

// The detail window that each button of the results panel opens.
template <class W> void ouvrir(plateforme::Registre& fenetres, const Section& section) {
    fenetres.ouvrir<W>(section);
}

struct Detail {
    QStringView bouton;
    void (*ouvrir)(plateforme::Registre&, const Section&);
};

constexpr Detail Details[] = {
    {u"AireTotaleBoutton", &ouvrir<DetailAire>}, {u"ZgBoutton", &ouvrir<DetailZg>},
    {u"YgBoutton", &ouvrir<DetailYg>},           {u"IgzBoutton", &ouvrir<DetailIGZ>},
    {u"IgyBoutton", &ouvrir<DetailIGY>},
};

} // namespace

FenetreDonnee::FenetreDonnee(Section& section, plateforme::Registre& fenetres)
    : QWidget(nullptr), m_section(section), m_fenetres(fenetres), m_plan(this) {
    setObjectName(u"FenetreDonnee"_s);
    setWindowTitle(u"Brivane des sections - Données"_s);
    setWindowIcon(QIcon(u":/icone.svg"_s));
    setFont(plateforme::police());
    plateforme::dimensionner(this, donnee::LargeurFenetre, donnee::HauteurFenetre);
    m_plan.ajouter(donnee::plan());
    plateforme::incruster(m_plan, donnee::incrustations());

    m_nbrElementAffich = m_plan.get<QLabel>(u"NbrElementAffich"_s);
    m_numElement = m_plan.get<QLabel>(u"NumElement"_s);
    m_listeForme = m_plan.get<QListWidget>(u"ListeForme"_s);
    m_dimSection1Texte = m_plan.get<QLabel>(u"DimSection1Texte"_s);
    m_dimSection2Texte = m_plan.get<QLabel>(u"DimSection2Texte"_s);
    m_uniteDimSection2 = m_plan.get<QLabel>(u"UniteDimSection2"_s);
    m_dimSection1 = m_plan.get<QLineEdit>(u"DimSection1"_s);
    m_dimSection2 = m_plan.get<QLineEdit>(u"DimSection2"_s);
    m_zg = m_plan.get<QLineEdit>(u"ZG"_s);
    m_yg = m_plan.get<QLineEdit>(u"YG"_s);
    m_additionner = m_plan.get<plateforme::BoutonOption>(u"ButtonAdditionner"_s);
    m_soustraire = m_plan.get<plateforme::BoutonOption>(u"BouttonSoustraire"_s);
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        m_croquis[i] = m_plan.get<plateforme::Image>(Croquis[i].image.toString());
    }

    relier();
    initialiser();
}

void FenetreDonnee::relier() {
    using plateforme::Toupie;
    auto* compte = m_plan.get<Toupie>(u"SpinButton1"_s);
    connect(compte, &Toupie::spinUp, this, [this] { changerNombreElements(+1); });
    connect(compte, &Toupie::spinDown, this, [this] { changerNombreElements(-1); });
    auto* element = m_plan.get<Toupie>(u"SpinButton2"_s);
    connect(element, &Toupie::spinUp, this, [this] { changerElementCourant(+1); });
    connect(element, &Toupie::spinDown, this, [this] { changerElementCourant(-1); });

    // A selection made by the program also sets the captions: the filling procedure sets them too,
    // and keyboard choices in the list then behave as mouse choices.
    connect(m_listeForme, &QListWidget::currentRowChanged, this, [this] {
        ListeForme_Change();
        ListeForme_Click();
    });
    connect(m_listeForme, &QListWidget::itemClicked, this, [this] { ListeForme_Click(); });

    connect(m_dimSection1, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_dimSection1, false); });
    connect(m_dimSection2, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_dimSection2, false); });
    connect(m_zg, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_zg, true); });
    connect(m_yg, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_yg, true); });

    using plateforme::Bouton;
    auto* appliquer = m_plan.get<Bouton>(u"BouttonAppliquer"_s);
    plateforme::surClic(appliquer, this, [this] { BouttonAppliquer_Click(); });
    // Entrée in a field of the input zone applies the element, as the button does.
    for (QLineEdit* champ : {m_dimSection1, m_dimSection2, m_zg, m_yg}) {
        connect(champ, &QLineEdit::returnPressed, appliquer, &Bouton::click);
    }
    plateforme::surClic(m_plan.get<Bouton>(u"AideBoutton"_s), this,
                        [this] { m_fenetres.ouvrir<Aide>(m_fenetres); });
    plateforme::surClic(m_plan.get<Bouton>(u"BouttonRecapitulatif"_s), this,
                        [this] { m_fenetres.ouvrir<Recapitulatif>(std::as_const(m_section)); });
    plateforme::surClic(m_plan.get<Bouton>(u"BouttonApercu"_s), this,
                        [this] { m_fenetres.ouvrir<ApercuSection>(std::as_const(m_section)); });

    for (plateforme::Image* image : m_croquis) {
        image->setCursor(Qt::SizeAllCursor);
        plateforme::surClic(image, this, [this] { m_fenetres.ouvrir<ZoomForme>(std::as_const(m_section)); });
    }
    auto* icone = m_plan.get<plateforme::Image>(u"Image1"_s);
    icone->setFondBlanc(false);
    plateforme::surDoubleClic(icone, this, [this] { afficherMessage(this, donnee::noteDeVersion()); });

    for (const donnee::LigneResultat& ligne : donnee::lignesResultats()) {
        auto* unite = m_plan.get<plateforme::Etiquette>(ligne.unite.toString());
        unite->setCliquable(true);
        if (ligne.convertible()) {
            plateforme::surClic(unite, this, [this, &ligne] { convertirUnite(ligne); });
        } else {
            // The pointer shows over it, but a click does nothing.
            unite->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        }
    }
    for (const Detail& d : Details) {
        plateforme::surClic(m_plan.get<Bouton>(d.bouton.toString()), this,
                            [this, &d] { d.ouvrir(m_fenetres, m_section); });
    }

    for (const QString& nom : donnee::controlesExpliques()) {
        plateforme::surDoubleClic(m_plan.widget(nom), this, [this, nom] {
            afficherMessage(this, donnee::explication(nom, m_section));
        });
    }
}

void FenetreDonnee::initialiser() {
    m_section.Reinitialiser();
    m_nbrElementAffich->setText(plateforme::texteEntier(int{m_section.NbrElement}));
    m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
    m_listeForme->clear();
    for (const FormeCatalogue& forme : Catalogue) {
        m_listeForme->addItem(QString::fromUtf8(forme.nom));
    }
    m_section.FormeSelectionnee = "Rectangle";
    ActualiserAffichageDonnees();
    AffichageResultats();
}

void FenetreDonnee::closeEvent(QCloseEvent* e) {
    m_fenetres.fermerTout();
    QWidget::closeEvent(e);
}

void FenetreDonnee::changerNombreElements(int sens) {
    const auto courantAvant = m_section.ElementCourant;
    const CompteRendu compteRendu = modele::changerNombreElements(m_section, sens);
    m_nbrElementAffich->setText(plateforme::texteEntier(int{m_section.NbrElement}));
    if (m_section.ElementCourant != courantAvant) {
        m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
        ActualiserAffichageDonnees();
    }
    rendreCompte(compteRendu);
}

void FenetreDonnee::changerElementCourant(int sens) {
    if (modele::changerElementCourant(m_section, sens)) {
        m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
        ActualiserAffichageDonnees();
    }
}

void FenetreDonnee::ListeForme_Change() {
    const QListWidgetItem* item = m_listeForme->currentItem();
    if (item == nullptr) {
        return;
    }
    m_section.FormeSelectionnee = item->text().toStdString();
    const FormeCatalogue* forme = trouverForme(m_section.FormeSelectionnee);
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        m_croquis[i]->setVisible(forme == &Catalogue[i]);
    }
}

void FenetreDonnee::ListeForme_Click() {
    const QListWidgetItem* item = m_listeForme->currentItem();
    if (item == nullptr) {
        return;
    }
    const FormeCatalogue* forme = trouverForme(item->text().toStdString());
    montrerHauteur(forme != nullptr && forme->aHauteur());
}

void FenetreDonnee::montrerHauteur(bool visible) {
    m_dimSection2Texte->setVisible(visible);
    m_dimSection2->setVisible(visible);
    m_uniteDimSection2->setVisible(visible);
    m_dimSection1Texte->setText(visible ? u"Base ="_s : u"Rayon ="_s);
}

void FenetreDonnee::verifierSaisie(QLineEdit* champ, bool coordonnee) {
    const QString t = champ->text();
    if (t.isEmpty() ||
        (coordonnee ? plateforme::lireCoordonneeEnFrappe(t) : plateforme::lireNombre(t)).has_value()) {
        return;
    }
    afficherMessage(this, donnee::messageSaisieNonNumerique());
    champ->setText(u"0"_s); // runs this check again, which "0" passes
}

void FenetreDonnee::BouttonAppliquer_Click() {
    SaisieElement saisie;
    if (const QListWidgetItem* item = m_listeForme->currentItem()) {
        saisie.forme = item->text().toStdString();
    }
    saisie.dimension1 = m_dimSection1->text().toStdString();
    saisie.dimension2 = m_dimSection2->text().toStdString();
    saisie.zg = m_zg->text().toStdString();
    saisie.yg = m_yg->text().toStdString();
    saisie.additionner = m_additionner->isChecked();
    const CompteRendu compteRendu = appliquer(m_section, saisie, plateforme::formatLocal());
    if (compteRendu.nonNumerique) {
        afficherMessage(this, donnee::messageValeursNonNumeriques());
        return;
    }
    rendreCompte(compteRendu);
}

void FenetreDonnee::rendreCompte(const CompteRendu& compteRendu) {
    if (compteRendu.faute) {
        afficherMessage(this, donnee::messageCalculImpossible());
    } else if (compteRendu.aireNegative) {
        afficherMessage(this, donnee::messageAireNegative());
    }
    AffichageResultats();
    // The preview follows the section while it is open.
    if (ApercuSection* apercu = m_fenetres.trouver<ApercuSection>();
        apercu != nullptr && apercu->isVisible()) {
        apercu->activer();
    }
}

void FenetreDonnee::ActualiserAffichageDonnees() {
    const ElementSection& element = m_section.elementCourant();
    if (const FormeCatalogue* forme = trouverForme(element.Forme)) {
        montrerHauteur(forme->aHauteur());
        if (forme->aHauteur()) {
            m_dimSection2Texte->setText(u"Hauteur ="_s);
        }
        const int rang = static_cast<int>(forme - Catalogue.data());
        if (m_listeForme->currentRow() != rang) {
            m_listeForme->setCurrentRow(rang);
        }
    }
    // Each write runs the field's check, which a number always passes.
    m_dimSection1->setText(plateforme::texteNombre(element.Dimension1));
    m_dimSection2->setText(plateforme::texteNombre(element.Dimension2));
    m_zg->setText(plateforme::texteNombre(element.Zg));
    m_yg->setText(plateforme::texteNombre(element.Yg));
    (element.Signe == 1.0 ? m_additionner : m_soustraire)->setChecked(true);
}

void FenetreDonnee::AffichageResultats() {
    for (const donnee::LigneResultat& ligne : donnee::lignesResultats()) {
        affichage::notation(m_plan.get<QLabel>(ligne.valeur.toString()), m_plan.widget(ligne.e.toString()),
                            m_plan.get<QLabel>(ligne.puissance.toString()), m_section.*ligne.total);
    }
}

void FenetreDonnee::convertirUnite(const donnee::LigneResultat& ligne) {
    afficherMessage(this, affichage::troisUnites(ligne.prefixe.toString(), ligne.prefixeSuite.toString(),
                                                 m_section.*ligne.total, ligne.puissanceUnite));
}
