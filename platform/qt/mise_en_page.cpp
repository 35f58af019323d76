#include "platform/qt/mise_en_page.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace plateforme {

namespace {

// The line height the layout tables were made for: 1.2 times the size of the letters.
int lignesDeLaBoite(const QLabel* l) {
    const double ligne = 1.2 * QFontInfo(l->font()).pixelSize();
    return std::max(1, static_cast<int>(l->contentsRect().height() / ligne));
}

int lignesDuTexte(const QString& texte, const QFont& police, double largeur) {
    QTextLayout mise(texte, police);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    mise.setTextOption(option);
    mise.beginLayout();
    int n = 0;
    for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
        ligne.setLineWidth(largeur);
        ++n;
    }
    mise.endLayout();
    return n;
}

// The width a one-line caption draws on, the overhang of its last letter included.
int largeurSurUneLigne(const QString& texte, const QFont& police) {
    const QFontMetricsF fm(police);
    return static_cast<int>(
        std::ceil(std::max(fm.horizontalAdvance(texte), fm.tightBoundingRect(texte).right())));
}

bool tient(const QLabel* l, const QFont& police, int lignes) {
    if (lignes == 1) {
        return largeurSurUneLigne(l->text(), police) <= l->width();
    }
    return lignesDuTexte(l->text(), police, l->width()) <= lignes;
}

} // namespace

void ajusterLegendes(QWidget* fenetre) {
    for (QLabel* l : fenetre->findChildren<QLabel*>()) {
        const int lignes = lignesDeLaBoite(l);
        l->setWordWrap(lignes > 1);
        if (lignes == 1) {
            const int place = l->parentWidget()->width() - l->x();
            const int largeur = largeurSurUneLigne(l->text(), l->font());
            if (largeur > l->width()) {
                l->resize(std::max(l->width(), std::min(largeur, place)), l->height());
            }
        }
        QFont serree = l->font();
        for (int serrage = 99; !tient(l, serree, lignes) && serrage >= 94; --serrage) {
            serree.setLetterSpacing(QFont::PercentageSpacing, serrage);
        }
        if (tient(l, serree, lignes)) {
            l->setFont(serree);
        }
    }
}

void incruster(const Plan& plan, std::span<const Incrustation> incrustations) {
    for (const Incrustation& i : incrustations) {
        auto* dessus = plan.get<QLabel>(i.dessus);
        auto* dessous = plan.get<QLabel>(i.dessous);
        const QString& texte = dessous->text();
        Q_ASSERT_X(texte.startsWith(i.avant), "incruster", qPrintable(i.dessous));

        qsizetype fin = i.avant.size();
        while (fin < texte.size() && texte.at(fin) == QLatin1Char(' ')) {
            ++fin;
        }
        const qsizetype espaces = fin - i.avant.size();
        const double mot = QFontMetricsF(dessus->font()).horizontalAdvance(dessus->text());
        // A blank with more text after it must hold the overlaid word and a pixel of air: its spaces
        // widen by what it lacks, and the box by as much. (An overlay of several words, indices set
        // apart by spaces of their own, runs on over the text after the blank.)
        if (espaces > 0 && fin < texte.size() && !dessus->text().contains(QLatin1Char(' '))) {
            const double manque =
                mot + 1.0 -
                QFontMetricsF(dessous->font()).horizontalAdvance(texte.mid(i.avant.size(), espaces));
            if (manque > 0.0) {
                QFont elargie = dessous->font();
                elargie.setWordSpacing(elargie.wordSpacing() + std::ceil(manque / double(espaces)));
                dessous->setFont(elargie);
                const int largeur = largeurSurUneLigne(texte, elargie);
                if (largeur > dessous->width()) {
                    dessous->resize(largeur, dessous->height());
                }
            }
        }

        const QFontMetricsF fm(dessous->font());
        double x = fm.horizontalAdvance(i.avant);
        if (i.place == Incrustation::Place::AuCentre) {
            x += (fm.horizontalAdvance(texte.left(fin)) - x - mot) / 2.0;
        }
        dessus->move(dessous->x() + static_cast<int>(std::ceil(x)), dessus->y());
    }
}

} // namespace plateforme
