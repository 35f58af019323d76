#include "ui/aux/choix_profil.h"

#include "model/analyse.h"
#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/qt/locale.h"
#include "platform/qt/police.h"
#include "rapport/resultats.h"
#include "ui/aux/dessin_section.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace modele;

using namespace Qt::StringLiterals;

ChoixProfil::ChoixProfil(QWidget* parent)
    : QDialog(parent), m_series(new QListWidget(this)), m_filtre(new QLineEdit(this)),
      m_tailles(new QListWidget(this)), m_dimensions(new QLabel(this)), m_croquis(new DessinSection(this)),
      m_masse(new QLabel(this)) {
    setObjectName(u"ChoixProfil"_s);
    setWindowTitle(u"Nouveau à partir d'un profilé"_s);
    setFont(plateforme::police());
    m_series->setObjectName(u"Series"_s);
    m_series->setAccessibleName(u"Séries"_s);
    m_filtre->setObjectName(u"Filtre"_s);
    m_filtre->setAccessibleName(u"Filtre des tailles"_s);
    m_filtre->setPlaceholderText(u"Taille…"_s);
    m_tailles->setObjectName(u"Tailles"_s);
    m_tailles->setAccessibleName(u"Tailles"_s);
    m_dimensions->setObjectName(u"Dimensions"_s);
    m_dimensions->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_croquis->setObjectName(u"Croquis"_s);
    m_croquis->setAccessibleName(u"Croquis du profilé"_s);
    m_croquis->setFixedSize(220, 220);
    m_masse->setObjectName(u"MasseLineique"_s);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->setObjectName(u"Boutons"_s);

    auto* grille = new QGridLayout(this);
    grille->addWidget(new QLabel(u"Série"_s, this), 0, 0);
    grille->addWidget(new QLabel(u"Taille"_s, this), 0, 1);
    grille->addWidget(m_series, 1, 0, 2, 1);
    grille->addWidget(m_filtre, 1, 1);
    grille->addWidget(m_tailles, 2, 1);
    grille->addWidget(m_croquis, 0, 2, 3, 1);
    grille->addWidget(m_dimensions, 0, 3, 3, 1);
    grille->addWidget(m_masse, 3, 2, 1, 2);
    grille->addWidget(boutons, 4, 0, 1, 4);
    m_series->setFixedWidth(70);
    m_tailles->setFixedWidth(130);
    m_dimensions->setMinimumWidth(110);

    for (const std::string& serie : seriesProfils()) {
        m_series->addItem(QString::fromStdString(serie));
    }
    connect(m_series, &QListWidget::currentRowChanged, this, &ChoixProfil::remplirTailles);
    connect(m_filtre, &QLineEdit::textChanged, this, &ChoixProfil::remplirTailles);
    connect(m_tailles, &QListWidget::currentRowChanged, this, &ChoixProfil::montrerProfil);
    connect(m_tailles, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_filtre->installEventFilter(this);
    m_series->setCurrentRow(0);
    m_filtre->setFocus();
}

bool ChoixProfil::eventFilter(QObject* objet, QEvent* e) {
    if (objet == m_filtre && e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Up || touche == Qt::Key_Down || touche == Qt::Key_PageUp ||
            touche == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_tailles, e);
            return true;
        }
    }
    return QDialog::eventFilter(objet, e);
}

const Profil* ChoixProfil::profil() const {
    const QListWidgetItem* item = m_tailles->currentItem();
    return item != nullptr ? trouverProfil(item->text().toStdString()) : nullptr;
}

void ChoixProfil::remplirTailles() {
    const QListWidgetItem* serie = m_series->currentItem();
    m_tailles->clear();
    if (serie == nullptr) {
        return;
    }
    const QString prefixe = serie->text() + u' ';
    for (const Profil& p : catalogueProfils()) {
        const QString nom = QString::fromStdString(p.nom);
        if (p.serie == serie->text().toStdString() &&
            nom.mid(prefixe.size()).startsWith(m_filtre->text().trimmed())) {
            m_tailles->addItem(nom);
        }
    }
    m_tailles->setCurrentRow(0);
    montrerProfil();
}

void ChoixProfil::montrerProfil() {
    const Profil* p = profil();
    findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->setEnabled(p != nullptr);
    if (p == nullptr) {
        m_dimensions->clear();
        m_masse->clear();
        m_croquis->dessiner(Section{}, std::nullopt, std::nullopt);
        return;
    }
    QStringList lignes{QString::fromStdString(p->nom)};
    const std::vector<std::string_view> noms = nomsDimensions(p->famille);
    for (std::size_t i = 0; i < noms.size(); ++i) {
        lignes.append(QString::fromUtf8(noms[i].data(), static_cast<qsizetype>(noms[i].size())) + u" = "_s +
                      plateforme::texteNombre(p->dimensions.at(i)) + u" mm"_s);
    }
    m_dimensions->setText(lignes.join(u'\n'));
    try {
        const Section s = construireProfil(*p);
        m_masse->setText(u"Masse linéique : "_s +
                         plateforme::texteNombre(plateforme::arrondir(
                             rapport::masseLineique(s, {p->nom, MasseVolumiqueAcier}), 2)) +
                         u" kg/m (acier, 7850 kg/m³)"_s);
        m_croquis->dessiner(s, std::nullopt, std::nullopt);
    } catch (const plateforme::FauteArithmetique&) {
        m_masse->clear();
    }
}
