#pragma once

#include "model/analyse.h"
#include "model/document.h"
#include "model/plastique.h"
#include "model/section.h"
#include "model/signification.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

#include <optional>

class DessinSection;

namespace plateforme {
class Defilement;
class Etiquette;
} // namespace plateforme

// "Aperçu de la section": the drawing, the product of inertia, the principal moments and axes, the
// extreme fibres, the elastic section moduli, the polar moment and a check of the section's
// consistency. Rebuilt at each activation, and by the main window after each change while it is open.
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

Q_SIGNALS:
    // A density typed in its field (kg/m³, a number above 0), for the owner of the document to keep.
    void masseVolumiqueSaisie(double masseVolumique);

public:
    // What the rows show: the analysis, none when it could not be computed; the plastic moduli, none
    // when the total area is not above 0; a row whose result is lost in the rounding stays blank.
    struct Grandeurs {
        std::optional<modele::Analyse> analyse;
        std::optional<modele::Plastique> plastique;
        modele::Signification signification;
    };

private:
    struct Ligne {
        const char* nom; // Igzy, I1, ...: the controls are <nom>Texte, <nom>Valeur, E<nom>, <nom>Puissance
        modele::Quantite quantite;
        const char* legende;                               // caption
        std::optional<double> (*valeur)(const Grandeurs&); // the quantity, none for a blank row
        int puissanceUnite;      // 1, 3 or 4 (mm, mm³, mm⁴); 0 for degrees; -1 for a plain number
        const char* explication; // the lines of its explanation, joined by "\r\n"
    };
    static const Ligne Lignes[];

    void montrerUnites(const Ligne& ligne) const;

    void saisirMasseVolumique();

    const modele::Section& m_section;
    const modele::Document* m_document;
    plateforme::Plan m_plan;
    DessinSection* m_dessin;
    plateforme::Defilement* m_verification = nullptr;
    Grandeurs m_grandeurs;
};
