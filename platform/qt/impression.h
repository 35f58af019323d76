#pragma once

// Printing: the platform's print dialog, then the pages painted on the printer chosen.

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace plateforme {

// Shows the print dialog; when the user prints, `peindre` paints the pages on the printer. True when
// something was printed.
bool imprimer(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& peindre);

// For tests (there may be no printer): while set, imprimer() shows no dialog and prints to a PDF file
// at that path.
void definirSortieImpression(const QString& cheminPdf);

} // namespace plateforme
