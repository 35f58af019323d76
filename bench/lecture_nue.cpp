// The floor of "brivane --calculer": a bare program on the same Qt libraries that reads a section file
// and parses its JSON, then writes one figure (the sum of its elements' first dimensions) so that the
// work cannot be skipped. No checks, no totals, no text of results.
//
//   bench_lecture_nue FICHIER

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: bench_lecture_nue FICHIER\n");
        return 2;
    }
    QFile fichier(arguments.at(1));
    if (!fichier.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QJsonDocument document = QJsonDocument::fromJson(fichier.readAll());
    double somme = 0.0;
    const QJsonArray elements = document.object().value(QStringLiteral("elements")).toArray();
    for (const QJsonValue element : elements) {
        somme += element.toObject().value(QStringLiteral("dimension1")).toDouble();
    }
    std::puts(QByteArray::number(somme).constData());
    return document.isObject() ? 0 : 1;
}
