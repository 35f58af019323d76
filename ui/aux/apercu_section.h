#pragma once

#include "model/analyse.h"
#include "model/contraintes.h"
#include "model/document.h"
#include "model/plastique.h"
#include "model/section.h"
#include "model/signification.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"
#include "torsion/torsion.h"

#include <QFutureWatcher>
#include <atomic>
#include <memory>
#include <optional>

class DessinSection;
class QCheckBox;

namespace plateforme {
class Defilement;
class Etiquette;
} // namespace plateforme

// "Aperçu de la section": the drawing with the central kern, then in titled groups the inertia (product
// of inertia, principal moments, axes and radii of gyration, polar moment), the moduli (extreme fibres,
// elastic moduli about Gz, Gy and the principal axes, plastic moduli, shape factors), the mass, the
// torsion and warping by finite elements (It, Iw, the shear centre), computed on a worker thread, the
// rows reading « calcul… » meanwhile, a change of the section superseding it; a check of the section's
// consistency below. Two columns of values beside the drawing, so that every figure shows at once.
// Rebuilt at each activation, and by the main window after each change while it is open.
class ApercuSection final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    // `document`, when given, is the profile and the density shown under the check.
    explicit ApercuSection(const modele::Section& section, const modele::Document* document = nullptr);
    ~ApercuSection() override;
    ApercuSection(const ApercuSection&) = delete;
    ApercuSection& operator=(const ApercuSection&) = delete;
    ApercuSection(ApercuSection&&) = delete;
    ApercuSection& operator=(ApercuSection&&) = delete;
    void activer() override;
    // Waits for the torsion computing on the worker thread, if any, and shows it now, without running
    // the event loop: for whoever needs the window settled (the tests' photographs of every window).
    void attendreTorsion();

Q_SIGNALS:
    // A density typed in its field (kg/m³, a number above 0), for the owner of the document to keep.
    void masseVolumiqueSaisie(double masseVolumique);
    // The button « Contraintes normales… » pressed: the owner opens the stresses' window.
    void contraintesDemandees();

public:
    // What the rows show: the analysis, none when it could not be computed; the plastic moduli, none
    // when the total area is not above 0; a row whose result is lost in the rounding stays blank.
    struct Grandeurs {
        std::optional<modele::Analyse> analyse;
        std::optional<modele::Plastique> plastique;
        modele::Signification signification;
        std::optional<torsion::Torsion> torsion; // none while it is computed
        std::optional<modele::Noyau> noyau;      // none when the section gets no kern (the check says why)
    };

private:
    struct Ligne {
        const char* nom; // Igzy, I1, ...: the controls are <nom>Texte, <nom>Valeur, E<nom>, <nom>Puissance
        std::optional<modele::Quantite> quantite;          // none for a row the rounding rule does not cover
        const char* legende;                               // caption
        std::optional<double> (*valeur)(const Grandeurs&); // the quantity, none for a blank row
        int puissanceUnite;      // 1, 3 or 4 (mm, mm³, mm⁴); 0 for degrees; -1 for a plain number
        const char* explication; // the lines of its explanation, joined by "\r\n"
    };
    static const Ligne Lignes[];
    static const Ligne LignesTorsion[];

    void montrerUnites(const Ligne& ligne) const;
    void afficher(const Ligne& ligne, bool enCalcul);
    // The torsion of the section as it is now: kept when the section has not changed since, else
    // computed again on a worker thread (the one running is told to stop).
    void lancerTorsion();
    void afficherTorsion();

    void saisirMasseVolumique();

    const modele::Section& m_section;
    const modele::Document* m_document;
    plateforme::Plan m_plan;
    DessinSection* m_dessin;
    plateforme::Defilement* m_verification = nullptr;
    Grandeurs m_grandeurs;
    QCheckBox* m_maillage;
    QFutureWatcher<torsion::Torsion> m_calcul;
    std::shared_ptr<std::atomic<bool>> m_abandon;
    std::optional<modele::Section> m_sectionTorsion; // the section the torsion shown or running is of
};
