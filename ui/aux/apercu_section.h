#pragma once

#include "model/analyse.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace plateforme {
class Etiquette;
}

// The section drawn to scale: solids in red, holes cut out with a dashed outline, element numbers,
// the origin O with Z to the left and Y up, G with its centroidal axes, the principal axes when the
// product of inertia is not 0, and a scale bar in mm.
class DessinSection final : public QWidget {
    Q_OBJECT
public:
    explicit DessinSection(QWidget* parent = nullptr);
    void dessiner(const Section& section, const std::optional<Analyse>& analyse);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Trace {
        int numero = 0;
        bool solide = true;
        std::vector<QPointF> contour; // (Z, Y) in mm
        QPointF centre;
    };
    std::vector<Trace> m_traces;
    QPointF m_g;
    bool m_aG = false;
    std::optional<double> m_alpha; // degrees, when the principal axes differ from Gz, Gy
};

// "Aperçu de la section": the drawing, the product of inertia, the principal moments and axes, the
// extreme fibres, the elastic section moduli, the polar moment and a check of the section's
// consistency. Rebuilt at each activation, and by the main window after each change while it is open.
class ApercuSection final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit ApercuSection(const Section& section);
    void activer() override;

private:
    struct Ligne {
        const char* nom; // Igzy, I1, ...: the controls are <nom>Texte, <nom>Valeur, E<nom>, <nom>Puissance
        const char* legende;     // caption
        double Analyse::*valeur; // the quantity
        int puissanceUnite;      // 1, 3 or 4 (mm, mm³, mm⁴); 0 for degrees
        const char* explication; // the lines of its explanation, joined by "\r\n"
    };
    static const Ligne Lignes[];

    void montrerUnites(const Ligne& ligne) const;

    const Section& m_section;
    plateforme::Plan m_plan;
    DessinSection* m_dessin;
    std::optional<Analyse> m_analyse;
};
