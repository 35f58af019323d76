#pragma once

#include "model/contraintes.h"
#include "model/document.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"
#include "ui/aux/textes_contraintes.h"

#include <array>
#include <optional>

class QLineEdit;

// « Contraintes normales »: the loads N, Mz and My (or N and its eccentricities, which set the moments),
// a sketch of their signs, the stresses at G and at the extreme fibres with their points, the neutral
// axis, the drawing of the stresses and the central kern, and a table of the steps. The stresses follow
// the typed text at each keystroke; a field left (or Entrée) hands the loads to the owner of the
// document, which keeps them as a step of its history and rebuilds the window. A section the stresses
// cannot be computed for says why, with no figures.
class Contraintes final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    // `document` holds the loads shown at each rebuild (none: no loads).
    explicit Contraintes(const modele::Section& section, const modele::Document* document = nullptr);
    ~Contraintes() override;
    Contraintes(const Contraintes&) = delete;
    Contraintes& operator=(const Contraintes&) = delete;
    Contraintes(Contraintes&&) = delete;
    Contraintes& operator=(Contraintes&&) = delete;

    // Rebuilt from the section and the document's loads (a field whose text already reads as the
    // load keeps it, the eccentricities kept while they still give the moments).
    void activer() override;

    // The rows of the step table.
    static constexpr int NombreEtapes = 8;

Q_SIGNALS:
    // The loads typed, when they differ from the document's, for the owner of the document to keep.
    void effortsSaisis(const modele::Efforts& efforts);

private:
    enum Champ { N, Mz, My, Ez, Ey, NombreChamps };

    // A field's text changed: a text that is no number (nor a lone "-") is answered by the main
    // window's message and the field's last number put back; then the stresses of the typed loads.
    void saisieChangee(Champ champ);
    void saisieTerminee();
    // The loads the fields now give (the moments from N and its eccentricities when one is typed).
    modele::Efforts effortsTapes() const;
    bool avecExcentricite() const;
    void calculer();
    void montrer(const contraintes::Ligne& ligne);
    void ecrire(Champ champ, double valeur);

    const modele::Section& m_section;
    const modele::Document* m_document;
    plateforme::Plan m_plan;
    std::array<QLineEdit*, NombreChamps> m_champs{};
    std::array<QString, NombreChamps> m_derniers; // each field's last text that was a number
    modele::Efforts m_efforts;
    modele::Etude m_etude;
    std::vector<rapport::Etape> m_etapes; // the steps shown (none when the section has no stresses)
    std::optional<modele::PointZY> m_pointN;
    bool m_enEcriture = false; // the program writes the fields
    class Dessin;
    Dessin* m_dessin;
};
