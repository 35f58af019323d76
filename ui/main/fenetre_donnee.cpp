#include "ui/main/fenetre_donnee.h"

#include "document/fichier_section.h"
#include "model/catalogue.h"
#include "model/constats.h"
#include "model/profils.h"
#include "model/verification.h"
#include "platform/qt/controles.h"
#include "platform/qt/fichiers.h"
#include "platform/qt/impression.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/presse_papiers.h"
#include "rapport/donnees.h"
#include "rapport/note.h"
#include "rapport/resultats.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/choix_profil.h"
#include "ui/aux/contraintes.h"
#include "ui/aux/recapitulatif.h"
#include "ui/aux/zoom_forme.h"
#include "ui/commun/affichage.h"
#include "ui/commun/croquis.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/fichiers_recents.h"
#include "ui/main/plan_donnee.h"
#include "ui/main/textes_donnee.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPalette>
#include <QUndoCommand>
#include <QVBoxLayout>
#include <functional>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::afficherMessage;

namespace {

// The detail window that each button of the results panel opens.
template <class W> void ouvrir(plateforme::Registre& fenetres, const Section& section) {
    fenetres.ouvrir<W>(section);
}

struct Detail {
    QStringView bouton;
    void (*ouvrir)(plateforme::Registre&, const Section&);
};

constexpr Detail Details[] = {
    {u"AireTotaleBoutton", &ouvrir<DetailAire>}, {u"ZgBoutton", &ouvrir<DetailZg>},
    {u"YgBoutton", &ouvrir<DetailYg>},           {u"IgzBoutton", &ouvrir<DetailIGZ>},
    {u"IgyBoutton", &ouvrir<DetailIGY>},
};

// The section with what travels with it, as one step of the history keeps it.
struct Etat {
    Section section;
    Document document;
};

// One step of the history: the section before and after an action, each put back whole (its totals
// as they were stored, nothing recomputed). The action itself was done before the step is kept.
class Etape final : public QUndoCommand {
public:
    Etape(const Etat& avant, const Etat& apres, std::function<void(const Etat&)> remettre)
        : m_avant(avant), m_apres(apres), m_remettre(std::move(remettre)) {}

    void undo() override { m_remettre(m_avant); }
    void redo() override {
        if (m_faite) {
            m_remettre(m_apres);
        }
        m_faite = true;
    }

private:
    Etat m_avant;
    Etat m_apres;
    std::function<void(const Etat&)> m_remettre;
    bool m_faite = false;
};

} // namespace

FenetreDonnee::FenetreDonnee(Section& section, plateforme::Registre& fenetres)
    : QWidget(nullptr), m_section(section), m_fenetres(fenetres), m_zone(new QWidget(this)), m_plan(m_zone) {
    setObjectName(u"FenetreDonnee"_s);
    setWindowTitle(donnee::titre({}));
    setWindowIcon(QIcon(u":/icone.svg"_s));
    setFont(plateforme::police());
    m_zone->setObjectName(u"ZoneClient"_s);
    m_zone->setAccessibleName(u"Données de la section"_s);
    plateforme::dimensionner(m_zone, donnee::LargeurFenetre, donnee::HauteurFenetre);
    auto* cadre = new QVBoxLayout(this);
    cadre->setContentsMargins({});
    cadre->setSpacing(0);
    cadre->addWidget(m_zone);
    m_plan.ajouter(donnee::plan());
    plateforme::incruster(m_plan, donnee::incrustations());

    m_nbrElementAffich = m_plan.get<QLabel>(u"NbrElementAffich"_s);
    m_numElement = m_plan.get<QLabel>(u"NumElement"_s);
    m_listeForme = m_plan.get<QListWidget>(u"ListeForme"_s);
    m_dimSection1Texte = m_plan.get<QLabel>(u"DimSection1Texte"_s);
    m_dimSection2Texte = m_plan.get<QLabel>(u"DimSection2Texte"_s);
    m_uniteDimSection2 = m_plan.get<QLabel>(u"UniteDimSection2"_s);
    m_dimSection1 = m_plan.get<QLineEdit>(u"DimSection1"_s);
    m_dimSection2 = m_plan.get<QLineEdit>(u"DimSection2"_s);
    m_zg = m_plan.get<QLineEdit>(u"ZG"_s);
    m_yg = m_plan.get<QLineEdit>(u"YG"_s);
    m_additionner = m_plan.get<plateforme::BoutonOption>(u"ButtonAdditionner"_s);
    m_soustraire = m_plan.get<plateforme::BoutonOption>(u"BouttonSoustraire"_s);
    m_avertissement = m_plan.get<plateforme::Etiquette>(u"AvertissementVerification"_s);
    m_saisieNonAppliquee = m_plan.get<plateforme::Etiquette>(u"SaisieNonAppliquee"_s);
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        m_croquis[i] = m_plan.get<plateforme::Image>(Croquis[i].image.toString());
    }

    construireMenus();
    relier();
    initialiser();
    m_fenetres.definirPrincipale(this);
}

void FenetreDonnee::construireMenus() {
    auto* barre = new QMenuBar(this);
    barre->setObjectName(u"BarreMenus"_s);
    barre->setAccessibleName(u"Menus"_s);
    for (const donnee::Menu& m : donnee::menus()) {
        QMenu* menu = barre->addMenu(m.texte.toString());
        menu->setObjectName(m.nom.toString());
        for (const donnee::EntreeMenu& e : m.entrees) {
            if (e.nom.isEmpty()) {
                menu->addSeparator();
            } else if (e.sousMenu) {
                menu->addMenu(e.texte.toString())->setObjectName(e.nom.toString());
            } else {
                QAction* action = menu->addAction(e.texte.toString());
                action->setObjectName(e.nom.toString());
                action->setShortcut(QKeySequence(e.raccourci.toString()));
            }
        }
    }
    layout()->setMenuBar(barre);
    // The window grows by the bar's height.
    setFixedSize(m_zone->width(), m_zone->height() + barre->sizeHint().height());

    auto action = [this](QStringView nom) { return findChild<QAction*>(nom.toString()); };
    connect(action(u"ActionNouveau"), &QAction::triggered, this, &FenetreDonnee::nouveau);
    connect(action(u"ActionNouveauProfil"), &QAction::triggered, this, &FenetreDonnee::choisirProfil);
    connect(action(u"ActionOuvrir"), &QAction::triggered, this, &FenetreDonnee::ouvrir);
    connect(action(u"ActionEnregistrer"), &QAction::triggered, this, &FenetreDonnee::enregistrer);
    connect(action(u"ActionEnregistrerSous"), &QAction::triggered, this, &FenetreDonnee::enregistrerSous);
    connect(action(u"ActionExporterNote"), &QAction::triggered, this, &FenetreDonnee::exporterNote);
    connect(action(u"ActionExporterDonnees"), &QAction::triggered, this, &FenetreDonnee::exporterDonnees);
    connect(action(u"ActionImprimer"), &QAction::triggered, this, &FenetreDonnee::imprimer);
    connect(action(u"ActionCopier"), &QAction::triggered, this, &FenetreDonnee::copier);
    connect(action(u"ActionApercu"), &QAction::triggered, this, &FenetreDonnee::ouvrirApercu);
    connect(action(u"ActionContraintes"), &QAction::triggered, this, &FenetreDonnee::ouvrirContraintes);
    connect(action(u"ActionQuitter"), &QAction::triggered, this, &QWidget::close);
    m_recents = findChild<QMenu*>(u"MenuRecents"_s);
    m_recents->setToolTipsVisible(true);
    connect(findChild<QMenu*>(u"MenuFichier"_s), &QMenu::aboutToShow, this, &FenetreDonnee::remplirRecents);
    remplirRecents();

    // The texts stay "Annuler" and "Rétablir", whatever the step.
    QAction* annuler = action(u"ActionAnnuler");
    QAction* retablir = action(u"ActionRetablir");
    // The platform's other undo and redo keys too (Ctrl+Y), which the fields give way to as well.
    for (auto [a, cle] : {std::pair{annuler, QKeySequence::Undo}, std::pair{retablir, QKeySequence::Redo}}) {
        QList<QKeySequence> raccourcis{a->shortcut()};
        for (const QKeySequence& k : QKeySequence::keyBindings(cle)) {
            if (!raccourcis.contains(k)) {
                raccourcis.append(k);
            }
        }
        a->setShortcuts(raccourcis);
        a->setEnabled(false);
    }
    connect(annuler, &QAction::triggered, &m_historique, &QUndoStack::undo);
    connect(retablir, &QAction::triggered, &m_historique, &QUndoStack::redo);
    connect(&m_historique, &QUndoStack::canUndoChanged, annuler, &QAction::setEnabled);
    connect(&m_historique, &QUndoStack::canRedoChanged, retablir, &QAction::setEnabled);
    // The marker shows only in a title with the file's name.
    connect(&m_historique, &QUndoStack::cleanChanged, this, &FenetreDonnee::montrerTitre);
}

void FenetreDonnee::relier() {
    using plateforme::Toupie;
    auto* compte = m_plan.get<Toupie>(u"SpinButton1"_s);
    connect(compte, &Toupie::spinUp, this, [this] { changerNombreElements(+1); });
    connect(compte, &Toupie::spinDown, this, [this] { changerNombreElements(-1); });
    auto* element = m_plan.get<Toupie>(u"SpinButton2"_s);
    connect(element, &Toupie::spinUp, this, [this] { changerElementCourant(+1); });
    connect(element, &Toupie::spinDown, this, [this] { changerElementCourant(-1); });

    // A selection made by the program also sets the captions: the filling procedure sets them too,
    // and keyboard choices in the list then behave as mouse choices.
    connect(m_listeForme, &QListWidget::currentRowChanged, this, [this] {
        ListeForme_Change();
        ListeForme_Click();
    });
    connect(m_listeForme, &QListWidget::itemClicked, this, [this] { ListeForme_Click(); });

    connect(m_dimSection1, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_dimSection1, false); });
    connect(m_dimSection2, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_dimSection2, false); });
    connect(m_zg, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_zg, true); });
    connect(m_yg, &QLineEdit::textChanged, this, [this] { verifierSaisie(m_yg, true); });
    // The typing not applied yet, said as it happens.
    for (QLineEdit* champ : {m_dimSection1, m_dimSection2, m_zg, m_yg}) {
        connect(champ, &QLineEdit::textChanged, this, &FenetreDonnee::montrerSaisieEnAttente);
    }
    connect(m_listeForme, &QListWidget::currentRowChanged, this, &FenetreDonnee::montrerSaisieEnAttente);
    connect(m_additionner, &QAbstractButton::toggled, this, &FenetreDonnee::montrerSaisieEnAttente);

    using plateforme::Bouton;
    auto* appliquer = m_plan.get<Bouton>(u"BouttonAppliquer"_s);
    plateforme::surClic(appliquer, this, [this] { BouttonAppliquer_Click(); });
    // Entrée in a field of the input zone applies the element, as the button does.
    // Ctrl+Z in a field undoes the last change of the section, not the field's typing.
    for (QLineEdit* champ : {m_dimSection1, m_dimSection2, m_zg, m_yg}) {
        connect(champ, &QLineEdit::returnPressed, appliquer, &Bouton::click);
        plateforme::cederAnnulation(champ);
    }
    // Ctrl+C copies the results, but a field's selection when there is one.
    plateforme::cederCopieSansSelection(this);
    plateforme::surClic(m_plan.get<Bouton>(u"AideBoutton"_s), this,
                        [this] { m_fenetres.ouvrir<Aide>(m_fenetres); });
    plateforme::surClic(m_plan.get<Bouton>(u"BouttonRecapitulatif"_s), this,
                        [this] { m_fenetres.ouvrir<Recapitulatif>(std::as_const(m_section)); });
    plateforme::surClic(m_plan.get<Bouton>(u"BouttonApercu"_s), this, [this] { ouvrirApercu(); });
    // The check's warning: red, a stop of the Tab key, clicked by Space or Entrée, named by its text.
    m_avertissement->setCliquable(true);
    m_avertissement->setFocusPolicy(Qt::StrongFocus);
    QPalette rouge = m_avertissement->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    m_avertissement->setPalette(rouge);
    m_saisieNonAppliquee->setPalette(rouge);
    m_saisieNonAppliquee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_saisieNonAppliquee->setAccessibleName(m_saisieNonAppliquee->text());
    plateforme::surClic(m_avertissement, this, [this] { ouvrirApercu(); });

    for (plateforme::Image* image : m_croquis) {
        image->setCursor(Qt::SizeAllCursor);
        plateforme::surClic(image, this, [this] { m_fenetres.ouvrir<ZoomForme>(std::as_const(m_section)); });
    }
    auto* icone = m_plan.get<plateforme::Image>(u"Image1"_s);
    icone->setFondBlanc(false);
    plateforme::surDoubleClic(icone, this, [this] { afficherMessage(this, donnee::noteDeVersion()); });

    for (const donnee::LigneResultat& ligne : donnee::lignesResultats()) {
        auto* unite = m_plan.get<plateforme::Etiquette>(ligne.unite.toString());
        unite->setCliquable(true);
        if (ligne.convertible()) {
            plateforme::surClic(unite, this, [this, &ligne] { convertirUnite(ligne); });
        } else {
            // The pointer shows over it, but a click does nothing.
            unite->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        }
    }
    for (const Detail& d : Details) {
        plateforme::surClic(m_plan.get<Bouton>(d.bouton.toString()), this,
                            [this, &d] { d.ouvrir(m_fenetres, m_section); });
    }

    for (const QString& nom : donnee::controlesExpliques()) {
        plateforme::surDoubleClic(m_plan.widget(nom), this, [this, nom] {
            afficherMessage(this, donnee::explication(nom, m_section));
        });
    }
}

void FenetreDonnee::initialiser() {
    m_section.Reinitialiser();
    m_nbrElementAffich->setText(plateforme::texteEntier(int{m_section.NbrElement}));
    m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
    m_listeForme->clear();
    for (const FormeCatalogue& forme : Catalogue) {
        m_listeForme->addItem(QString::fromUtf8(forme.nom));
    }
    m_section.FormeSelectionnee = "Rectangle";
    ActualiserAffichageDonnees();
    AffichageResultats();
}

void FenetreDonnee::closeEvent(QCloseEvent* e) {
    if (!peutAbandonner()) {
        e->ignore();
        return;
    }
    m_fenetres.fermerTout();
    QWidget::closeEvent(e);
}

bool FenetreDonnee::ouvrirFichier(const QString& chemin) {
    const document::Lecture lecture = document::ouvrir(chemin);
    if (!lecture.section) {
        afficherMessage(this, lecture.message);
        return false;
    }
    remettre(*lecture.section, lecture.document);
    m_historique.clear();
    donnee::retenirFichier(chemin);
    montrerFichier(chemin);
    if (lecture.aireNegative) {
        afficherMessage(this, donnee::messageAireNegative());
    }
    return true;
}

void FenetreDonnee::nouveau() {
    if (!peutAbandonner()) {
        return;
    }
    Section neuve;
    neuve.Reinitialiser();
    remettre(neuve, {});
    m_historique.clear();
    montrerFichier({});
}

void FenetreDonnee::choisirProfil() {
    ChoixProfil choix(this);
    if (choix.exec() == QDialog::Accepted && choix.profil() != nullptr) {
        nouveauProfil(*choix.profil());
    }
}

bool FenetreDonnee::nouveauProfil(const Profil& profil) {
    if (!peutAbandonner()) {
        return false;
    }
    Section section;
    try {
        section = construireProfil(profil);
    } catch (const plateforme::FauteArithmetique&) {
        afficherMessage(this, donnee::messageCalculImpossible());
        return false;
    }
    remettre(section, {profil.nom, MasseVolumiqueAcier, std::nullopt});
    m_historique.clear();
    montrerFichier({});
    return true;
}

void FenetreDonnee::ouvrir() {
    if (!peutAbandonner()) {
        return;
    }
    const QString chemin = plateforme::choisirFichier(this, plateforme::Choix::Ouvrir,
                                                      QFileInfo(proposition(u"brivane"_s)).absolutePath(),
                                                      donnee::filtresSection());
    if (!chemin.isEmpty()) {
        ouvrirFichier(chemin);
    }
}

void FenetreDonnee::ouvrirRecent(const QString& chemin) {
    if (!peutAbandonner()) {
        return;
    }
    if (!ouvrirFichier(chemin) && !QFileInfo::exists(chemin)) {
        donnee::oublierFichier(chemin);
        remplirRecents();
    }
}

bool FenetreDonnee::enregistrer() {
    return m_chemin.isEmpty() ? enregistrerSous() : ecrireFichier(m_chemin);
}

bool FenetreDonnee::enregistrerSous() {
    const QString chemin = plateforme::choisirFichier(this, plateforme::Choix::Enregistrer,
                                                      proposition(u"brivane"_s), donnee::filtresSection());
    return !chemin.isEmpty() && ecrireFichier(chemin);
}

QString FenetreDonnee::proposition(const QString& suffixe) const {
    if (!m_chemin.isEmpty()) {
        const QFileInfo f(m_chemin);
        return f.absolutePath() + u'/' + f.completeBaseName() + u'.' + suffixe;
    }
    const QStringList recents = donnee::fichiersRecents();
    const QString dossier =
        recents.isEmpty() ? QDir::homePath() : QFileInfo(recents.constFirst()).absolutePath();
    return dossier + u"/section."_s + suffixe;
}

void FenetreDonnee::exporterNote() {
    const QString chemin = plateforme::choisirFichier(this, plateforme::Choix::Enregistrer,
                                                      proposition(u"pdf"_s), donnee::filtresNote());
    if (chemin.isEmpty()) {
        return;
    }
    if (const std::optional<QString> erreur =
            rapport::exporterNote(chemin, m_section, nomFichier(), m_chemin, m_document)) {
        afficherMessage(this, *erreur);
    }
}

void FenetreDonnee::exporterDonnees() {
    const QString chemin = plateforme::choisirFichier(this, plateforme::Choix::Enregistrer,
                                                      proposition(u"csv"_s), donnee::filtresDonnees());
    if (chemin.isEmpty()) {
        return;
    }
    if (const std::optional<QString> erreur = rapport::exporterDonnees(chemin, m_section, m_chemin)) {
        afficherMessage(this, *erreur);
    }
}

void FenetreDonnee::imprimer() {
    plateforme::imprimer(this, [this](QPagedPaintDevice& pages) {
        rapport::imprimerNote(pages, m_section, nomFichier(), QDate::currentDate(), m_document);
    });
}

void FenetreDonnee::copier() const {
    QGuiApplication::clipboard()->setText(rapport::texteResultatsPrincipaux(m_section));
}

QString FenetreDonnee::nomFichier() const {
    return m_chemin.isEmpty() ? QString() : QFileInfo(m_chemin).fileName();
}

bool FenetreDonnee::ecrireFichier(const QString& chemin) {
    if (const std::optional<QString> erreur = document::enregistrer(chemin, m_section, m_document)) {
        afficherMessage(this, *erreur);
        return false;
    }
    m_historique.setClean();
    donnee::retenirFichier(chemin);
    montrerFichier(chemin);
    return true;
}

bool FenetreDonnee::peutAbandonner() {
    if (saisieEnAttente()) {
        switch (plateforme::demanderApplication(this, donnee::questionAppliquer(m_section.ElementCourant))) {
        case plateforme::Reponse::Appliquer:
            if (!BouttonAppliquer_Click()) {
                return false;
            }
            break;
        case plateforme::Reponse::Ignorer:
            break;
        case plateforme::Reponse::Annuler:
            return false;
        }
    }
    if (m_historique.isClean()) {
        return true;
    }
    switch (plateforme::demanderEnregistrement(this, donnee::questionEnregistrer())) {
    case plateforme::Reponse::Enregistrer:
        return enregistrer();
    case plateforme::Reponse::NePasEnregistrer:
        return true;
    case plateforme::Reponse::Annuler:
        break;
    }
    return false;
}

void FenetreDonnee::montrerFichier(const QString& chemin) {
    m_chemin = chemin;
    montrerTitre();
    remplirRecents();
}

void FenetreDonnee::montrerTitre() {
    const QString nom = m_chemin.isEmpty() ? QString::fromStdString(m_document.profil) : nomFichier();
    setWindowModified(false); // while the title may still have its marker
    setWindowTitle(donnee::titre(nom));
    setWindowModified(!m_historique.isClean());
}

void FenetreDonnee::ouvrirApercu() {
    auto& apercu = m_fenetres.ouvrir<ApercuSection>(std::as_const(m_section), &m_document);
    connect(&apercu, &ApercuSection::masseVolumiqueSaisie, this, &FenetreDonnee::changerMasseVolumique,
            Qt::UniqueConnection);
    connect(&apercu, &ApercuSection::contraintesDemandees, this, &FenetreDonnee::ouvrirContraintes,
            Qt::UniqueConnection);
}

void FenetreDonnee::ouvrirContraintes() {
    auto& contraintes = m_fenetres.ouvrir<::Contraintes>(std::as_const(m_section), &m_document);
    connect(&contraintes, &::Contraintes::effortsSaisis, this, &FenetreDonnee::changerEfforts,
            Qt::UniqueConnection);
}

void FenetreDonnee::changerEfforts(const Efforts& efforts) {
    if (m_document.efforts.value_or(Efforts{}) == efforts) {
        return;
    }
    const Document avant = m_document;
    m_document.efforts = efforts;
    m_historique.push(new Etape({m_section, avant}, {m_section, m_document},
                                [this](const Etat& etat) { remettre(etat.section, etat.document); }));
    actualiserApercu();
}

void FenetreDonnee::changerMasseVolumique(double masseVolumique) {
    if (masseVolumique == m_document.masseVolumique) {
        return;
    }
    const Document avant = m_document;
    m_document.masseVolumique = masseVolumique;
    m_historique.push(new Etape({m_section, avant}, {m_section, m_document},
                                [this](const Etat& etat) { remettre(etat.section, etat.document); }));
    actualiserApercu();
}

void FenetreDonnee::remplirRecents() {
    m_recents->clear();
    const QStringList recents = donnee::fichiersRecents();
    for (qsizetype i = 0; i < recents.size(); ++i) {
        const QString& chemin = recents[i];
        QString nom = QFileInfo(chemin).fileName();
        nom.replace(u'&', u"&&"_s);
        QAction* action = m_recents->addAction(u"&%1 %2"_s.arg(QString::number(i + 1), nom));
        action->setToolTip(chemin);
        connect(action, &QAction::triggered, this, [this, chemin] { ouvrirRecent(chemin); });
    }
    m_recents->setEnabled(!recents.isEmpty());
}

void FenetreDonnee::retenirEtape(const Section& avant, Document documentAvant) {
    if (avant == m_section) {
        return;
    }
    m_document.profil.clear();
    m_historique.push(new Etape({avant, std::move(documentAvant)}, {m_section, m_document},
                                [this](const Etat& etat) { remettre(etat.section, etat.document); }));
    montrerTitre();
}

void FenetreDonnee::remettre(const Section& etat, const Document& document) {
    m_document = document;
    m_section.remplacer(etat);
    montrerSection();
    montrerTitre();
}

void FenetreDonnee::montrerSection() {
    m_nbrElementAffich->setText(plateforme::texteEntier(int{m_section.NbrElement}));
    m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
    ActualiserAffichageDonnees();
    AffichageResultats();
    actualiserApercu();
}

void FenetreDonnee::changerNombreElements(int sens) {
    const Section avant = m_section;
    const auto courantAvant = m_section.ElementCourant;
    const CompteRendu compteRendu = modele::changerNombreElements(m_section, sens);
    m_nbrElementAffich->setText(plateforme::texteEntier(int{m_section.NbrElement}));
    if (m_section.ElementCourant != courantAvant) {
        m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
        ActualiserAffichageDonnees();
    }
    rendreCompte(compteRendu);
    retenirEtape(avant, m_document);
}

void FenetreDonnee::changerElementCourant(int sens) {
    if (modele::changerElementCourant(m_section, sens)) {
        m_numElement->setText(plateforme::texteEntier(int{m_section.ElementCourant}));
        ActualiserAffichageDonnees();
    }
}

void FenetreDonnee::ListeForme_Change() {
    const QListWidgetItem* item = m_listeForme->currentItem();
    if (item == nullptr) {
        return;
    }
    m_section.FormeSelectionnee = item->text().toStdString();
    const FormeCatalogue* forme = trouverForme(m_section.FormeSelectionnee);
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        m_croquis[i]->setVisible(forme == &Catalogue[i]);
    }
}

void FenetreDonnee::ListeForme_Click() {
    const QListWidgetItem* item = m_listeForme->currentItem();
    if (item == nullptr) {
        return;
    }
    const FormeCatalogue* forme = trouverForme(item->text().toStdString());
    montrerHauteur(forme != nullptr && forme->aHauteur());
}

void FenetreDonnee::montrerHauteur(bool visible) {
    m_dimSection2Texte->setVisible(visible);
    m_dimSection2->setVisible(visible);
    m_uniteDimSection2->setVisible(visible);
    m_dimSection1Texte->setText(visible ? u"Base ="_s : u"Rayon ="_s);
}

void FenetreDonnee::verifierSaisie(QLineEdit* champ, bool coordonnee) {
    const QString t = champ->text();
    if (t.isEmpty() ||
        (coordonnee ? plateforme::lireCoordonneeEnFrappe(t) : plateforme::lireNombre(t)).has_value()) {
        return;
    }
    afficherMessage(this, donnee::messageSaisieNonNumerique());
    champ->setText(u"0"_s); // runs this check again, which "0" passes
}

bool FenetreDonnee::BouttonAppliquer_Click() {
    SaisieElement saisie;
    if (const QListWidgetItem* item = m_listeForme->currentItem()) {
        saisie.forme = item->text().toStdString();
    }
    saisie.dimension1 = m_dimSection1->text().toStdString();
    saisie.dimension2 = m_dimSection2->text().toStdString();
    saisie.zg = m_zg->text().toStdString();
    saisie.yg = m_yg->text().toStdString();
    saisie.additionner = m_additionner->isChecked();
    const Section avant = m_section;
    const CompteRendu compteRendu = appliquer(m_section, saisie, plateforme::formatLocal());
    if (compteRendu.nonNumerique) {
        afficherMessage(this, donnee::messageValeursNonNumeriques());
        return false;
    }
    rendreCompte(compteRendu);
    retenirEtape(avant, m_document);
    if (!compteRendu.accepte()) {
        return false; // nothing stored
    }
    retenirSaisie();
    return true;
}

void FenetreDonnee::rendreCompte(const CompteRendu& compteRendu) {
    if (compteRendu.faute) {
        afficherMessage(this, donnee::messageCalculImpossible());
    } else if (compteRendu.aireNegative) {
        afficherMessage(this, donnee::messageAireNegative());
    }
    AffichageResultats();
    actualiserApercu();
}

void FenetreDonnee::actualiserApercu() {
    // The preview follows the section while it is open.
    if (ApercuSection* apercu = m_fenetres.trouver<ApercuSection>();
        apercu != nullptr && apercu->isVisible()) {
        apercu->activer();
    }
    if (::Contraintes* contraintes = m_fenetres.trouver<::Contraintes>();
        contraintes != nullptr && contraintes->isVisible()) {
        contraintes->activer();
    }
}

void FenetreDonnee::ActualiserAffichageDonnees() {
    const ElementSection& element = m_section.elementCourant();
    if (const FormeCatalogue* forme = trouverForme(element.Forme)) {
        montrerHauteur(forme->aHauteur());
        if (forme->aHauteur()) {
            m_dimSection2Texte->setText(u"Hauteur ="_s);
        }
        const int rang = static_cast<int>(forme - Catalogue.data());
        if (m_listeForme->currentRow() != rang) {
            m_listeForme->setCurrentRow(rang);
        }
    }
    // Each write runs the field's check, which a number always passes.
    m_dimSection1->setText(plateforme::texteNombre(element.Dimension1));
    m_dimSection2->setText(plateforme::texteNombre(element.Dimension2));
    m_zg->setText(plateforme::texteNombre(element.Zg));
    m_yg->setText(plateforme::texteNombre(element.Yg));
    (element.Signe == 1.0 ? m_additionner : m_soustraire)->setChecked(true);
    retenirSaisie();
}

FenetreDonnee::Saisie FenetreDonnee::saisieAffichee() const {
    return {
        m_listeForme->currentRow(), m_dimSection1->text(), m_dimSection2->text(), m_zg->text(), m_yg->text(),
        m_additionner->isChecked()};
}

void FenetreDonnee::retenirSaisie() {
    m_saisieRetenue = saisieAffichee();
    montrerSaisieEnAttente();
}

bool FenetreDonnee::saisieEnAttente() const {
    return saisieAffichee() != m_saisieRetenue;
}

void FenetreDonnee::montrerSaisieEnAttente() {
    m_saisieNonAppliquee->setVisible(saisieEnAttente());
}

void FenetreDonnee::AffichageResultats() {
    for (const donnee::LigneResultat& ligne : donnee::lignesResultats()) {
        affichage::notation(m_plan.get<QLabel>(ligne.valeur.toString()), m_plan.widget(ligne.e.toString()),
                            m_plan.get<QLabel>(ligne.puissance.toString()), m_section.*ligne.total);
    }
    montrerAvertissement();
}

void FenetreDonnee::montrerAvertissement() {
    const int constats = nombreConstats(m_section);
    const QString texte = constats > 0 ? donnee::avertissementVerification(constats) : QString();
    m_avertissement->setText(texte);
    m_avertissement->setAccessibleName(texte);
    m_avertissement->setVisible(constats > 0);
}

void FenetreDonnee::convertirUnite(const donnee::LigneResultat& ligne) {
    afficherMessage(this, affichage::troisUnites(ligne.prefixe.toString(), ligne.prefixeSuite.toString(),
                                                 m_section.*ligne.total, ligne.puissanceUnite));
}
