#include "platform/qt/plan.h"

#include "platform/qt/controles.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

// Controls that take a value from the user and so need a caption of their own.
bool saisie(Genre g) {
    return g == Genre::Champ || g == Genre::Liste || g == Genre::Toupie;
}

// How far the ink of a caption rises above its baseline (negative) and sinks below it, in pixels, with
// the digits, "E" and "-" of the numbers it may show later, as QFontMetricsF::tightBoundingRect gives
// them for the whole line. A line of glyphs reaches as high and as low as its highest and lowest glyph
// (and its bottom is never above the baseline), so each character's glyph box is read once per font and
// a caption takes the extremes of its own characters, with no shaping. A caption with a character that
// may not be drawn as its glyph alone (a control or format character, a combining mark, a surrogate
// pair, a script that joins its letters) is measured whole.
struct Encre {
    qreal haut = std::numeric_limits<qreal>::max();
    qreal bas = 0.0;
};

Encre encre(const QFont& police, const QString& texte) {
    static const QString Nombres = u"0123456789E-"_s;
    struct Mesures {
        QFontMetricsF fm;
        QHash<char16_t, Encre> caracteres;
    };
    static QHash<QFont, Mesures> polices;
    auto it = polices.find(police);
    if (it == polices.end()) {
        it = polices.insert(police, {QFontMetricsF(police), {}});
    }
    Mesures& m = it.value();
    const auto seul = [](QChar c) {
        const QChar::Script s = c.script();
        return c.isPrint() && !c.isMark() && !c.isSurrogate() &&
               (s == QChar::Script_Common || s == QChar::Script_Latin || s == QChar::Script_Greek);
    };
    if (!std::all_of(texte.cbegin(), texte.cend(), seul)) {
        const QRectF r = m.fm.tightBoundingRect(texte + Nombres);
        return {r.top(), r.bottom()};
    }
    Encre e;
    for (const QString& t : {texte, Nombres}) {
        for (const QChar c : t) {
            auto car = m.caracteres.constFind(c.unicode());
            if (car == m.caracteres.cend()) {
                const QRectF r = m.fm.boundingRect(c);
                car = m.caracteres.insert(c.unicode(), {r.top(), r.bottom()});
            }
            e.haut = std::min(e.haut, car->haut);
            e.bas = std::max(e.bas, car->bas);
        }
    }
    return e;
}

// A label draws its first line from its top with the font's ascent above the baseline, but this
// Tahoma's capitals and digits rise a pixel or two higher (more in bold), and a box of one line may
// be lower than the letters: its box grows by what it lacks, upwards with its text kept in place
// (downwards once it reaches the top of its parent), so every glyph shows whole. The glyphs counted
// are those of its caption and the digits and "E" of the numbers it may show later.
void logerLesGlyphes(QLabel* l) {
    const QFontMetricsF fm(l->font());
    const Encre e = encre(l->font(), l->text());
    QRect r = l->geometry();
    const int manqueHaut = std::max(0, static_cast<int>(std::ceil(-(fm.ascent() + e.haut))));
    const int monte = std::min(manqueHaut, r.top());
    r.setTop(r.top() - monte);
    if (r.height() < 2 * fm.lineSpacing()) {
        const int bas = manqueHaut + static_cast<int>(std::ceil(fm.ascent() + e.bas));
        r.setHeight(std::max(r.height(), bas));
    }
    l->setContentsMargins(0, manqueHaut, 0, 0);
    l->setGeometry(r);
}

} // namespace

// The controls of a window in the order of its table. Each time the window is shown, the keyboard
// focus chain is laid in that order over the controls that take the focus then: a control that
// starts answering the keyboard once the window is wired (a clickable picture) finds its place.
class OrdreLecture final : public QObject {
public:
    explicit OrdreLecture(QWidget* fenetre) : QObject(fenetre) { fenetre->installEventFilter(this); }
    void ajouter(QWidget* w) { m_controles.append(w); }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Show && objet == parent()) {
            enchainer();
        }
        return false;
    }

private:
    void enchainer() const {
        QWidget* precedent = nullptr;
        for (const QPointer<QWidget>& w : m_controles) {
            if (w.isNull() || (w->focusPolicy() & Qt::TabFocus) == 0) {
                continue;
            }
            if (precedent != nullptr) {
                QWidget::setTabOrder(precedent, w);
            }
            precedent = w;
        }
    }

    QList<QPointer<QWidget>> m_controles;
};

// The caption of an input control is the last caption label ("...Texte") laid out before it in the
// same frame since the previous input control, or else the last label there. A label made its buddy
// names it for screen readers and follows its text when the program changes it; with no label, the
// frame's caption names it.
void Plan::legender(QWidget* w, const QString& parent) {
    QList<QLabel*> legendes = m_legendes.take(parent);
    QLabel* legende = nullptr;
    for (QLabel* l : legendes) {
        if (l->objectName().endsWith(u"Texte")) {
            legende = l;
        }
    }
    if (legende == nullptr && !legendes.isEmpty()) {
        legende = legendes.last();
    }
    // Qt's list takes no name from a buddy label or its frame: it gets the caption as it is now.
    const bool liste = qobject_cast<QListWidget*>(w) != nullptr;
    if (legende == nullptr) {
        if (auto* cadre = qobject_cast<Cadre*>(w->parentWidget()); cadre != nullptr && liste) {
            w->setAccessibleName(cadre->title());
        }
        return;
    }
    legende->setBuddy(w);
    if (liste) {
        w->setAccessibleName(legende->text());
    }
    if (auto* t = qobject_cast<Toupie*>(w)) {
        t->setLibelle(legende->text());
    }
}

QWidget* Plan::ajouter(const Controle& c) {
    QWidget* parent = c.parent.isEmpty() ? m_fenetre : widget(c.parent);
    Q_ASSERT_X(parent != nullptr, "Plan::ajouter", qPrintable(c.parent));
    QWidget* w = nullptr;
    switch (c.genre) {
    case Genre::Etiquette: {
        auto* e = new Etiquette(parent);
        e->setText(c.texte);
        w = e;
        break;
    }
    case Genre::Champ: {
        auto* e = new QLineEdit(parent);
        e->setText(c.texte);
        w = e;
        break;
    }
    case Genre::Liste: {
        auto* l = new QListWidget(parent);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        w = l;
        break;
    }
    case Genre::Option: {
        auto* o = new BoutonOption(parent);
        o->setText(c.texte);
        w = o;
        break;
    }
    case Genre::Bouton: {
        auto* b = new Bouton(parent);
        b->setText(c.texte);
        w = b;
        break;
    }
    case Genre::Cadre: {
        auto* f = new Cadre(parent);
        f->setTitle(c.texte);
        w = f;
        break;
    }
    case Genre::Image: {
        auto* i = new Image(parent);
        i->setSource(c.texte);
        w = i;
        break;
    }
    case Genre::Toupie:
        w = new Toupie(parent);
        break;
    }
    w->setObjectName(c.nom);
    w->setFont(police(c.police));
    QRect r = rectangle(c.rect);
    if (qobject_cast<Cadre*>(parent) != nullptr) {
        r.translate(Cadre::origine());
    }
    w->setGeometry(r);
    if (c.genre == Genre::Etiquette) {
        logerLesGlyphes(static_cast<QLabel*>(w));
    }
    w->raise();
    m_controles.insert(c.nom, w);
    if (c.genre == Genre::Etiquette) {
        m_legendes[c.parent].append(static_cast<QLabel*>(w));
    } else if (saisie(c.genre)) {
        legender(w, c.parent);
    }
    if (m_ordre == nullptr) {
        m_ordre = new OrdreLecture(m_fenetre);
    }
    m_ordre->ajouter(w);
    return w;
}

void Plan::ajouter(std::span<const Controle> controles) {
    for (const Controle& c : controles) {
        ajouter(c);
    }
}

std::vector<Controle> Famille::controles() const {
    Q_ASSERT(valeurs.empty() || valeurs.size() == static_cast<std::size_t>(nombre));
    std::vector<Controle> lignes;
    lignes.reserve(colonnes.size() * static_cast<std::size_t>(std::max(nombre, 0)));
    for (int k = 1; k <= nombre; ++k) {
        const double hautLigne = haut + (k - 1) * pas;
        const QStringList propres =
            valeurs.empty() ? QStringList{QString::number(k)} : valeurs[static_cast<std::size_t>(k - 1)];
        // Captions without a value ("E") stay as they are; the values hold no "%".
        const auto remplir = [&propres](QString s) {
            for (qsizetype i = propres.size(); i >= 1; --i) { // %10 before %1
                s.replace(u'%' + QString::number(i), propres[i - 1]);
            }
            return s;
        };
        for (const Colonne& c : colonnes) {
            QString nom = remplir(c.nom);
            if (nom.isEmpty()) {
                continue;
            }
            lignes.push_back({Genre::Etiquette,
                              std::move(nom),
                              remplir(c.texte),
                              {c.gauche, hautLigne + c.decalage, c.largeur, c.hauteur},
                              c.police,
                              parent});
        }
    }
    return lignes;
}

std::vector<QWidget*> Plan::ajouter(const Famille& famille) {
    std::vector<QWidget*> widgets;
    for (const Controle& c : famille.controles()) {
        widgets.push_back(ajouter(c));
    }
    return widgets;
}

void dimensionner(QWidget* fenetre, double largeurMm, double hauteurMm) {
    fenetre->setFixedSize(mm(largeurMm), mm(hauteurMm));
}

} // namespace plateforme
