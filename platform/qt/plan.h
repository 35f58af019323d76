#pragma once

// Builds a window from a table of controls, each given by kind, name, caption, position and size in
// millimetres, font, and the frame it belongs to. Every control gets its name as objectName, so
// tests and tools find it by name. Controls are stacked in the order of the table (later on top).
// The order of the table is also the reading order: the keyboard focus moves through the controls
// in that order, and each field, list or spin button is named, for screen readers, by the caption
// laid out before it in the same frame (or by the frame's caption when it has none).

#include "platform/qt/geometrie.h"
#include "platform/qt/police.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace plateforme {

enum class Genre {
    Etiquette, // plateforme::Etiquette
    Champ,     // QLineEdit
    Liste,     // QListWidget, single selection
    Option,    // plateforme::BoutonOption
    Bouton,    // plateforme::Bouton
    Cadre,     // plateforme::Cadre
    Image,     // plateforme::Image (the caption is the SVG resource path)
    Toupie,    // plateforme::Toupie
};

struct Controle {
    Genre genre = Genre::Etiquette;
    QString nom;
    QString texte;
    RectMm rect;
    Police police = {};
    QString parent = {}; // name of a frame listed earlier; empty for the window itself
};

// One control of each row of a family: its name and caption, where %1 stands for the row's number
// (or %1, %2 ... for the row's own values), its left edge, its offset below the row's top, its size
// and its font.
struct Colonne {
    QString nom;
    QString texte;
    double gauche = 0.0;
    double decalage = 0.0;
    double largeur = 0.0;
    double hauteur = 0.0;
    Police police = {};
};

// The pitch of the tables' rows, in mm.
inline constexpr double PasLigne = 4.233;

// Rows 1 to `nombre`, row k with its top at haut + (k - 1) x pas, in the frame `parent` (empty: the
// window). Laid row by row, each row's controls in the order of `colonnes`: that order is also the
// stacking and the focus order. Rows that are not told apart by their number give their own values
// (one list per row): a control whose name comes out empty is not in that row.
struct Famille {
    std::span<const Colonne> colonnes;
    double haut = 0.0;
    double pas = PasLigne;
    int nombre = 0;
    QString parent = {};
    std::span<const QStringList> valeurs = {};

    // The labels of the family, in that order.
    std::vector<Controle> controles() const;
};

class OrdreLecture;

class Plan {
public:
    explicit Plan(QWidget* fenetre) : m_fenetre(fenetre) {}

    QWidget* ajouter(const Controle& c);
    void ajouter(std::span<const Controle> controles);
    // The labels of a family, in its order.
    std::vector<QWidget*> ajouter(const Famille& famille);

    // The control of that name, or nullptr.
    QWidget* widget(const QString& nom) const { return m_controles.value(nom, nullptr); }
    // The control of that name as T; it must exist and be a T.
    template <class T> T* get(const QString& nom) const {
        T* w = qobject_cast<T*>(widget(nom));
        Q_ASSERT_X(w != nullptr, "Plan::get", qPrintable(nom));
        return w;
    }

private:
    void legender(QWidget* w, const QString& parent);

    QWidget* m_fenetre;
    QHash<QString, QWidget*> m_controles;
    OrdreLecture* m_ordre = nullptr; // owned by the window
    // Per frame (empty name: the window), the captions laid out since its last input control.
    QHash<QString, QList<QLabel*>> m_legendes;
};

// Fixes the client area of a window to that size in millimetres.
void dimensionner(QWidget* fenetre, double largeurMm, double hauteurMm);

} // namespace plateforme
