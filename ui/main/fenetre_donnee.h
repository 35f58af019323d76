#pragma once

// The main window: the element count, the input zone of the current element and the results panel.
// It keeps no data of its own: it shows the section and hands every change to the engine.

#include "model/calcul.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;

namespace plateforme {
class BoutonOption;
class Etiquette;
class Image;
} // namespace plateforme

namespace donnee {
struct LigneResultat;
}

class FenetreDonnee final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FenetreDonnee)
public:
    FenetreDonnee(modele::Section& section, plateforme::Registre& fenetres);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void relier();
    void initialiser();

    void changerNombreElements(int sens);
    void changerElementCourant(int sens);
    void ListeForme_Change();
    void ListeForme_Click();
    // A coordinate field also lets a lone "-" stand while a negative number is being typed.
    void verifierSaisie(QLineEdit* champ, bool coordonnee);
    void BouttonAppliquer_Click();
    void convertirUnite(const donnee::LigneResultat& ligne);

    // Fills the input zone from the current element.
    void ActualiserAffichageDonnees();
    // Writes the seven totals into the results panel.
    void AffichageResultats();
    // After an action on the section: its warning or its failure, then the totals as they now are.
    void rendreCompte(const modele::CompteRendu& compteRendu);
    void montrerHauteur(bool visible);

    modele::Section& m_section;
    plateforme::Registre& m_fenetres;
    plateforme::Plan m_plan;

    QLabel* m_nbrElementAffich = nullptr;
    QLabel* m_numElement = nullptr;
    QListWidget* m_listeForme = nullptr;
    QLabel* m_dimSection1Texte = nullptr;
    QLabel* m_dimSection2Texte = nullptr;
    QLabel* m_uniteDimSection2 = nullptr;
    QLineEdit* m_dimSection1 = nullptr;
    QLineEdit* m_dimSection2 = nullptr;
    QLineEdit* m_zg = nullptr;
    QLineEdit* m_yg = nullptr;
    plateforme::BoutonOption* m_additionner = nullptr;
    plateforme::BoutonOption* m_soustraire = nullptr;
    std::array<plateforme::Image*, 11> m_croquis{}; // in catalogue order
};
