#pragma once

// The main window: the menu bar, and below it the element count, the input zone of the current element
// and the results panel. It keeps no data of its own: it shows the section, hands every change to the
// engine, keeps each change in its undo history, and reads and writes the section's file.

#include "model/calcul.h"
#include "model/document.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

#include <QUndoStack>
#include <QWidget>
#include <array>
#include <optional>

class QAction;
class QLabel;
class QMenu;
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

    // Opens the section file at `chemin` in place of the section, with no question asked: the file's
    // message when it cannot be used (then nothing changes), else the section shown from element 1, a
    // clean history and the file's name in the title. True when the file was opened.
    bool ouvrirFichier(const QString& chemin);
    // « Nouveau » with a rolled profile: the unsaved-changes question, then the profile's section, never
    // saved, unchanged, with an empty history. True when the profile took the section's place.
    bool nouveauProfil(const modele::Profil& profil);

public Q_SLOTS:
    // « Contraintes normales »: the stresses window, its loads kept in the document.
    void ouvrirContraintes();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void construireMenus();
    void relier();
    void initialiser();

    // The menu's actions.
    void nouveau();
    void choisirProfil();
    void ouvrir();
    void ouvrirRecent(const QString& chemin);
    bool enregistrer();
    bool enregistrerSous();
    bool ecrireFichier(const QString& chemin);
    void exporterNote();
    void exporterDonnees();
    void imprimer();
    // The results panel's seven lines onto the clipboard, as the command line prints them.
    void copier() const;
    // Where a file dialog starts: the section's file with that suffix, else "section.<suffixe>" in the
    // folder of the latest recent file or the home folder.
    QString proposition(const QString& suffixe) const;
    // The name of the section's file; empty for a section never saved.
    QString nomFichier() const;
    // True when the section may be dropped: the typing pending applied or let go, then nothing unsaved,
    // or the user saved or chose not to.
    bool peutAbandonner();
    void remplirRecents();
    void montrerFichier(const QString& chemin);

    // Keeps the action that turned `avant` into the current section as one step of the history, when
    // it changed the section.
    // A change of the elements drops the profile's name; undoing it brings the name back.
    void retenirEtape(const modele::Section& avant, modele::Document documentAvant);
    // Puts `etat` in place of the section (an undo, a redo, a file, "Nouveau") and shows it all: the
    // count, the current element, the input zone, the results and the open preview.
    void remettre(const modele::Section& etat, const modele::Document& document);
    // The file's name, else the profile's, in the title, with the marker of unsaved changes.
    void montrerTitre();
    void ouvrirApercu();
    void changerMasseVolumique(double masseVolumique);
    // The loads typed in the stresses window, one step of the history.
    void changerEfforts(const modele::Efforts& efforts);
    void montrerSection();

    void changerNombreElements(int sens);
    void changerElementCourant(int sens);
    void ListeForme_Change();
    void ListeForme_Click();
    // A coordinate field also lets a lone "-" stand while a negative number is being typed.
    void verifierSaisie(QLineEdit* champ, bool coordonnee);
    // True when the capture was made (the section stored, whether it changed or not).
    bool BouttonAppliquer_Click();
    void convertirUnite(const donnee::LigneResultat& ligne);

    // Fills the input zone from the current element.
    void ActualiserAffichageDonnees();

    // What the input zone shows: the shape's row, the four fields' texts, solid or hole.
    struct Saisie {
        int forme = -1;
        QString dimension1, dimension2, zg, yg;
        bool plein = true;
        bool operator==(const Saisie&) const = default;
    };
    Saisie saisieAffichee() const;
    // The input zone as a refill or a capture last left it; typing that differs from it is pending.
    void retenirSaisie();
    bool saisieEnAttente() const;
    void montrerSaisieEnAttente();
    // Writes the seven totals into the results panel.
    void AffichageResultats();
    // After an action on the section: its warning or its failure, then the totals as they now are.
    void rendreCompte(const modele::CompteRendu& compteRendu);
    void montrerHauteur(bool visible);
    void actualiserApercu();
    // The check's warning below the preview's button, shown while the check finds something.
    void montrerAvertissement();

    modele::Section& m_section;
    // What travels with the section: its profile, its material's density and its loads.
    modele::Document m_document;
    plateforme::Registre& m_fenetres;
    // Below the menu bar: the controls of the layout table, placed from its top-left corner.
    QWidget* m_zone = nullptr;
    plateforme::Plan m_plan;
    QUndoStack m_historique;
    QString m_chemin; // the section's file, empty for a section never saved
    QMenu* m_recents = nullptr;

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
    plateforme::Etiquette* m_avertissement = nullptr;
    plateforme::Etiquette* m_saisieNonAppliquee = nullptr;
    Saisie m_saisieRetenue;
    std::array<plateforme::Image*, 11> m_croquis{}; // in catalogue order
};
