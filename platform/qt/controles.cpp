#include "platform/qt/controles.h"

#include "platform/qt/geometrie.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QToolButton>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

// One parsed renderer per picture file for the whole run: a sketch is parsed once, however often
// and wherever it is drawn.
QSvgRenderer* rendu(const QString& fichier) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(fichier);
    if (it == cache.end()) {
        it = cache.insert(fichier, std::make_shared<QSvgRenderer>(fichier));
    }
    return it.value().get();
}

// The title of a drawing: the text of the first <title> of the SVG file, or empty.
QString lireTitre(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QXmlStreamReader xml(&f);
    while (xml.readNextStartElement()) {
        if (xml.name() == u"title") {
            return xml.readElementText().simplified();
        }
        if (xml.name() != u"svg") {
            xml.skipCurrentElement();
        }
    }
    return {};
}

// Read once per file for the whole run, however many windows show the drawing (the zoom shows the
// main window's eleven sketches again).
QString titreDessin(const QString& fichier) {
    static QHash<QString, QString> titres;
    auto it = titres.constFind(fichier);
    if (it == titres.constEnd()) {
        it = titres.insert(fichier, lireTitre(fichier));
    }
    return it.value();
}

bool toucheDeClic(const QKeyEvent* e) {
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

// ---- Clic

Clic::Clic(QWidget* controle, Focus focus) : QObject(controle), m_controle(controle), m_focus(focus) {}

Clic* Clic::de(const QWidget* controle) {
    return controle->findChild<Clic*>(QString(), Qt::FindDirectChildrenOnly);
}

void Clic::connectNotify(const QMetaMethod& signal) {
    const bool clic = signal == QMetaMethod::fromSignal(&Clic::clicked);
    if (clic || signal == QMetaMethod::fromSignal(&Clic::doubleClicked)) {
        m_controle->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
    if (clic && m_focus == Focus::SiCliquable) {
        m_controle->setFocusPolicy(Qt::StrongFocus);
    }
}

void Clic::appui(QMouseEvent* e) {
    m_appuye = e->button() == Qt::LeftButton;
    e->accept();
}

void Clic::relache(QMouseEvent* e) {
    const bool clic =
        m_appuye && e->button() == Qt::LeftButton && m_controle->rect().contains(e->position().toPoint());
    m_appuye = false;
    e->accept();
    if (clic) {
        Q_EMIT clicked();
    }
}

bool Clic::touche(QKeyEvent* e) {
    if (m_controle->focusPolicy() == Qt::NoFocus || !toucheDeClic(e) || e->isAutoRepeat()) {
        return false;
    }
    e->accept();
    Q_EMIT clicked();
    return true;
}

void Clic::doubleClic(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton) {
        m_appuye = false;
        Q_EMIT doubleClicked();
    }
}

void Clic::marquerDouble(const QMouseEvent* e) {
    m_double = e->button() == Qt::LeftButton;
}

void Clic::apresRelache() {
    if (m_double) {
        m_double = false;
        Q_EMIT doubleClicked();
    }
}

// ---- Etiquette

Etiquette::Etiquette(QWidget* parent) : QLabel(parent), m_clic(new Clic(this)) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Etiquette::setCliquable(bool cliquable) {
    if (cliquable) {
        setCursor(Qt::UpArrowCursor);
    } else {
        unsetCursor();
    }
}

namespace {

// The lines of a label's text laid out in `largeur`, at the spacing they are drawn with; a "\n" starts a
// line, as QLabel's own drawing does.
struct Lignes {
    std::unique_ptr<QTextLayout> mise;
    int nombre = 0;
    qreal pas = 0.0;
};

Lignes mettreEnLignes(const QLabel& l, qreal largeur) {
    QString texte = l.text();
    texte.replace(u'\n', QChar::LineSeparator);
    Lignes r{std::make_unique<QTextLayout>(texte, l.font())};
    QTextOption option(l.alignment());
    option.setWrapMode(QTextOption::WordWrap);
    r.mise->setTextOption(option);
    r.pas = std::max(QFontMetricsF(l.font()).lineSpacing(), 1.2 * QFontInfo(l.font()).pixelSize());
    r.mise->beginLayout();
    for (QTextLine ligne = r.mise->createLine(); ligne.isValid(); ligne = r.mise->createLine()) {
        ligne.setLineWidth(largeur);
        ligne.setPosition({0.0, r.nombre * r.pas});
        ++r.nombre;
    }
    r.mise->endLayout();
    return r;
}

} // namespace

int Etiquette::hauteurTexte(int largeur) const {
    const Lignes l = mettreEnLignes(*this, largeur);
    return static_cast<int>(std::ceil(l.nombre * l.pas));
}

void Etiquette::paintEvent(QPaintEvent* e) {
    if (!wordWrap() || text().isEmpty()) {
        QLabel::paintEvent(e);
        return;
    }
    const QRectF cadre = contentsRect();
    const Lignes lignes = mettreEnLignes(*this, cadre.width());
    if (lignes.nombre < 2) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    lignes.mise->draw(&p, cadre.topLeft());
}

void Etiquette::mousePressEvent(QMouseEvent* e) {
    m_clic->appui(e);
}

void Etiquette::mouseReleaseEvent(QMouseEvent* e) {
    m_clic->relache(e);
}

void Etiquette::mouseDoubleClickEvent(QMouseEvent* e) {
    m_clic->doubleClic(e);
}

void Etiquette::keyPressEvent(QKeyEvent* e) {
    if (!m_clic->touche(e)) {
        QLabel::keyPressEvent(e);
    }
}

// ---- Defilement

Defilement::Defilement(Etiquette* etiquette)
    : QScrollArea(etiquette->parentWidget()), m_etiquette(etiquette) {
    setGeometry(etiquette->geometry());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Window); // the window's own background
    viewport()->setAutoFillBackground(true);
    setWidget(etiquette);
    etiquette->setAutoFillBackground(false); // which setWidget() sets
}

void Defilement::afficher(const QString& texte) {
    m_etiquette->setText(texte);
    int largeur = width();
    // The bar shown or hidden at once, not at the next layout pass.
    const bool defile = m_etiquette->hauteurTexte(largeur) > height();
    setVerticalScrollBarPolicy(defile ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (defile) {
        largeur -= verticalScrollBar()->sizeHint().width();
    }
    m_etiquette->resize(largeur, std::max(m_etiquette->hauteurTexte(largeur), height()));
}

// ---- Cadre

Cadre::Cadre(QWidget* parent) : QGroupBox(parent), m_clic(new Clic(this)) {
    // The caption sits on the top border, as frames of the period drew it; the border starts half a
    // caption below the frame's top, so the children placed from origine() fall inside it.
    setStyleSheet(u"plateforme--Cadre { border: 1px solid #a0a0a0; border-radius: 0px; margin-top: 6px; }"
                  "plateforme--Cadre::title { subcontrol-origin: margin; subcontrol-position: top left;"
                  " left: 6px; padding: 0px 2px; }"_s);
}

QPoint Cadre::origine() {
    return {mm(0.5), mm(2.6)};
}

void Cadre::mouseDoubleClickEvent(QMouseEvent* e) {
    m_clic->doubleClic(e);
}

// ---- Bouton

Bouton::Bouton(QWidget* parent) : QPushButton(parent), m_clic(new Clic(this)) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, m_clic, &Clic::clicked);
}

void Bouton::mouseDoubleClickEvent(QMouseEvent* e) {
    m_clic->marquerDouble(e);
    QPushButton::mouseDoubleClickEvent(e); // pressed again: the release clicks
}

void Bouton::mouseReleaseEvent(QMouseEvent* e) {
    QPushButton::mouseReleaseEvent(e);
    m_clic->apresRelache();
}

// ---- BoutonOption

BoutonOption::BoutonOption(QWidget* parent) : QRadioButton(parent), m_clic(new Clic(this)) {
    connect(this, &QRadioButton::clicked, m_clic, &Clic::clicked);
}

void BoutonOption::mouseDoubleClickEvent(QMouseEvent* e) {
    m_clic->marquerDouble(e);
    QRadioButton::mouseDoubleClickEvent(e);
}

void BoutonOption::mouseReleaseEvent(QMouseEvent* e) {
    QRadioButton::mouseReleaseEvent(e);
    m_clic->apresRelache();
}

// ---- Toupie

Toupie::Toupie(QWidget* parent)
    : QWidget(parent), m_haut(new QToolButton(this)), m_bas(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    const auto preparer = [](QToolButton* b, Qt::ArrowType fleche, const QString& nom) {
        b->setObjectName(nom);
        b->setArrowType(fleche);
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(80);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize({6, 6});
    };
    preparer(m_haut, Qt::UpArrow, u"haut"_s);
    preparer(m_bas, Qt::DownArrow, u"bas"_s);
    setLibelle({});
    connect(m_haut, &QToolButton::clicked, this, &Toupie::spinUp);
    connect(m_bas, &QToolButton::clicked, this, &Toupie::spinDown);
}

void Toupie::setLibelle(const QString& libelle) {
    QString l = libelle.trimmed();
    if (l.endsWith(u':')) {
        l.chop(1);
    }
    l = l.trimmed();
    const QString prefixe = l.isEmpty() ? QString() : l + u" : "_s;
    m_haut->setAccessibleName(prefixe + u"augmenter"_s);
    m_bas->setAccessibleName(prefixe + u"diminuer"_s);
}

void Toupie::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int moitie = height() / 2;
    m_haut->setGeometry(0, 0, width(), moitie);
    m_bas->setGeometry(0, moitie, width(), height() - moitie);
}

void Toupie::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up) {
        Q_EMIT spinUp();
    } else if (e->key() == Qt::Key_Down) {
        Q_EMIT spinDown();
    } else {
        QWidget::keyPressEvent(e);
    }
}

// ---- Image

Image::Image(QWidget* parent) : QWidget(parent), m_clic(new Clic(this, Clic::Focus::SiCliquable)) {}

void Image::setSource(const QString& fichier) {
    m_source = fichier;
    setAccessibleName(titreDessin(fichier));
    update();
}

void Image::keyPressEvent(QKeyEvent* e) {
    if (!m_clic->touche(e)) {
        QWidget::keyPressEvent(e);
    }
}

void Image::setFondBlanc(bool blanc) {
    m_fondBlanc = blanc;
    update();
}

void Image::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_fondBlanc) {
        p.fillRect(rect(), Qt::white);
    }
    if (m_source.isEmpty()) {
        return;
    }
    QSvgRenderer* r = rendu(m_source);
    if (!r->isValid()) {
        return;
    }
    QSizeF taille = r->defaultSize();
    taille.scale(size(), Qt::KeepAspectRatio);
    const QRectF cible((width() - taille.width()) / 2.0, (height() - taille.height()) / 2.0, taille.width(),
                       taille.height());
    r->render(&p, cible);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void Image::mousePressEvent(QMouseEvent* e) {
    m_clic->appui(e);
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    m_clic->relache(e);
}

void Image::mouseDoubleClickEvent(QMouseEvent* e) {
    m_clic->doubleClic(e);
}

namespace {

// Lets the undo and redo keys through to the window's shortcuts, and keeps them from the field when no
// shortcut takes them (nothing to undo).
class CederAnnulation final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) {
            return QObject::eventFilter(objet, e);
        }
        auto* touche = static_cast<QKeyEvent*>(e);
        if (!touche->matches(QKeySequence::Undo) && !touche->matches(QKeySequence::Redo)) {
            return QObject::eventFilter(objet, e);
        }
        e->ignore();
        return true;
    }
};

} // namespace

void cederAnnulation(QWidget* champ) {
    champ->installEventFilter(new CederAnnulation(champ));
}

} // namespace plateforme
