#pragma once

// Copying a window's table into other programs: the table as tab-separated text and as an HTML
// table on the clipboard, from Ctrl+C anywhere in the window or from "Copier" in its context menu.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace plateforme {

// A table as it is copied: its rows, the header row first, each cell as plain text.
using Tableau = QList<QStringList>;

// Cells joined by tabs, each row ended by "\n"; a tab or a line end inside a cell becomes a space.
QString texteTabule(const Tableau& tableau);
// One HTML table, the first row as header cells, every text escaped.
QString texteHtml(const Tableau& tableau);
// Both, as text/plain and text/html; the caller owns it.
QMimeData* donneesTableau(const Tableau& tableau);
// Puts the table on the clipboard.
void copierTableau(const Tableau& tableau);

// Makes `fenetre` copy the table `tableau` builds at that moment: Ctrl+C (the platform's copy key)
// anywhere in the window, except in a text field that holds a selection, which copies its selection
// as usual; and "Copier" in the context menu of the window's labels. For the text fields the window
// already has.
void rendreCopiable(QWidget* fenetre, std::function<Tableau()> tableau);

// The text fields `fenetre` already has let the copy key through to the window's own copy while they
// hold no selection; with a selection, they copy it as usual.
void cederCopieSansSelection(QWidget* fenetre);

} // namespace plateforme
