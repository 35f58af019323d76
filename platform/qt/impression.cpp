#include "platform/qt/impression.h"

#include <QPrintDialog>
#include <QPrinter>

namespace plateforme {

namespace {

QString& sortieImpression() {
    static QString chemin = QString();
    return chemin;
}

} // namespace

bool imprimer(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& peindre) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    if (!sortieImpression().isEmpty()) {
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(sortieImpression());
    } else {
        QPrintDialog dialogue(&imprimante, parent);
        if (dialogue.exec() != QDialog::Accepted) {
            return false;
        }
    }
    peindre(imprimante);
    return true;
}

void definirSortieImpression(const QString& cheminPdf) {
    sortieImpression() = cheminPdf;
}

} // namespace plateforme
