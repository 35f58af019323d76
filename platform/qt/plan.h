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
#include <span>

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

class OrdreLecture;

class Plan {
public:
    explicit Plan(QWidget* fenetre) : m_fenetre(fenetre) {}

    QWidget* ajouter(const Controle& c);
    void ajouter(std::span<const Controle> controles);

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
