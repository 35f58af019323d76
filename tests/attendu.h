#pragma once

// Golden files: a whole expected output kept in tests/attendus/<nom> and compared byte for byte.
// When an output changes on purpose, run the tests with BRIVANE_ATTENDUS=ecrire: each compared file is
// rewritten with what the program now gives, and `git diff tests/attendus` shows the change to review.
//   GoogleTest: EXPECT_EQ(attendu::ecart("fichier/aide.brivane", texte), "");
//   Qt Test:    QCOMPARE_ATTENDU("note/aide.html", texte);

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#ifdef QT_CORE_LIB
#include <QByteArray>
#include <QString>
#endif

namespace attendu {

// Empty when `obtenu` is the file's content, else the file, the first line that differs and both
// versions of it. With BRIVANE_ATTENDUS=ecrire, writes `obtenu` as the file's content instead.
inline std::string ecart(const std::string& nom, std::string_view obtenu) {
    const std::filesystem::path chemin = std::filesystem::path(BRIVANE_DOSSIER_ATTENDUS) / nom;
    if (const char* mode = std::getenv("BRIVANE_ATTENDUS");
        mode != nullptr && std::string_view(mode) == "ecrire") {
        std::filesystem::create_directories(chemin.parent_path());
        std::ofstream(chemin, std::ios::binary) << obtenu;
        return {};
    }
    std::ifstream f(chemin, std::ios::binary);
    if (!f) {
        return chemin.string() + " is missing (BRIVANE_ATTENDUS=ecrire writes it)";
    }
    const std::string lu((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (lu == obtenu) {
        return {};
    }
    // The line of the first difference: from the line end before it to the next one.
    const auto p =
        std::size_t(std::mismatch(lu.begin(), lu.end(), obtenu.begin(), obtenu.end()).first - lu.begin());
    const std::size_t fin = p == 0 ? std::string::npos : lu.rfind('\n', p - 1);
    const std::size_t d = fin == std::string::npos ? 0 : fin + 1;
    const auto ligne = [d](std::string_view t) {
        return std::string(t.substr(std::min(d, t.size()), t.find('\n', d) - d));
    };
    return chemin.string() + ":" +
           std::to_string(std::count(lu.begin(), lu.begin() + std::ptrdiff_t(d), '\n') + 1) +
           ": expected \"" + ligne(lu) + "\", got \"" + ligne(obtenu) +
           "\" (BRIVANE_ATTENDUS=ecrire rewrites the file when the change is meant)";
}

#ifdef QT_CORE_LIB
inline std::string ecart(const std::string& nom, const QByteArray& obtenu) {
    return ecart(nom, std::string_view(obtenu.constData(), std::size_t(obtenu.size())));
}
inline std::string ecart(const std::string& nom, const QString& obtenu) {
    return ecart(nom, obtenu.toUtf8());
}
#endif

} // namespace attendu

// Qt Test's form: fails the test function with the difference.
#define QCOMPARE_ATTENDU(nom, obtenu)                                                                        \
    do {                                                                                                     \
        const std::string ecart_ = attendu::ecart(nom, obtenu);                                              \
        QVERIFY2(ecart_.empty(), ecart_.c_str());                                                            \
    } while (false)
