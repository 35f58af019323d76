#pragma once

// The files last opened or saved, kept in the user's settings (organisation and application
// "Brivane"): up to Maximum absolute paths, the latest first, each once.

#include <QString>
#include <QStringList>

namespace donnee {

inline constexpr int MaximumRecents = 8;

QStringList fichiersRecents();
// Puts `chemin` first.
void retenirFichier(const QString& chemin);
// Takes `chemin` out of the list.
void oublierFichier(const QString& chemin);

} // namespace donnee
