#pragma once

#include "model/profils.h"

#include <QDialog>

class DessinSection;
class QLabel;
class QLineEdit;
class QListWidget;

// « Nouveau à partir d'un profilé… »: the series, its sizes filtered as the user types the start of a
// size (« 2 » lists IPE 200, IPE 220, IPE 240 …), the chosen profile's dimensions, a small sketch and
// its mass per metre in steel.
class ChoixProfil final : public QDialog {
    Q_OBJECT
public:
    explicit ChoixProfil(QWidget* parent = nullptr);

    // The profile chosen, none while no size is selected.
    const modele::Profil* profil() const;

protected:
    // Up and Down in the filter move through the sizes, as in a combo box.
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void remplirTailles();
    void montrerProfil();

    QListWidget* m_series;
    QLineEdit* m_filtre;
    QListWidget* m_tailles;
    QLabel* m_dimensions;
    DessinSection* m_croquis;
    QLabel* m_masse;
};
