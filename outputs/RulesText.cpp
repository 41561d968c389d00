#include "outputs/RulesText.h"

#include "core/Language.h"

namespace brivant {

QStringList rulesLines(const QString& corrector) {
  const QString trimmed = corrector.trimmed();
  const QString line34 =
      trimmed.isEmpty()
          ? QStringLiteral("Envoi du compte rendu avant le 30/06/13 au correcteur de la JNC.")
          : QStringLiteral("Envoi du compte rendu avant le 30/06/13 au correcteur ") + trimmed + QStringLiteral(".");
  const QString line62 = trimmed.isEmpty() ? QStringLiteral("Correcteur: voir l'annonce de la JNC.")
                                           : QStringLiteral("Correcteur: ") + trimmed;
  return {
      QStringLiteral("BUT : Pour promouvoir les diplômes des châteaux Français et contribuer à la connaissance de "
                     "notre patrimoine."),
      QString(),
      QStringLiteral("DATE : 19 mai 2013 de 06h00 à 16h00 UTC."),
      QString(),
      QStringLiteral("MODE: SSB et CW."),
      QString(),
      QStringLiteral("BANDES : 80 à 10m, (sauf bandes WARC)."),
      QString(),
      QStringLiteral("CATEGORIE:"),
      QStringLiteral(
          "A- Opérateur de château. Une seule activité, demande de référence obligatoire avant le 10/05/2013 auprès "),
      QStringLiteral("   du correspondant départemental ou le DFCF Manager."),
      QStringLiteral("   Une seule bande à la fois le multi opérateurs multi bandes n'est pas autorisé."),
      QStringLiteral("B- Opérateurs de château résidents."),
      QStringLiteral("C- Autres opérateurs et SWL."),
      QString(),
      QStringLiteral("ECHANGE:"),
      QStringLiteral("Opérateur de château, RST + Référence."),
      QStringLiteral("Opérateur individuel français RST + N° de département et surtout pas de N° de série!"),
      QStringLiteral("Opérateur individuel étranger RST + N° de serie."),
      QString(),
      QStringLiteral("points QSO:"),
      QStringLiteral("80 - 40m = 1 point"),
      QStringLiteral("20m = 3 points"),
      QStringLiteral("15m = 4 points"),
      QStringLiteral("10m = 5 points"),
      QString(),
      QStringLiteral("MULTIPLICATEURS:"),
      QStringLiteral("10 pour un château français."),
      QStringLiteral("1 par département."),
      QStringLiteral("1 par pays DXCC."),
      QString(),
      QStringLiteral("Total = points QSO x ( Multis châteaux + Multis départements + Multis Pays DXCC)"),
      QString(),
      line34,
      QStringLiteral(
          "Le log doit contenir l'heure UTC, l'indicatif du correspondant, la bande, les RS envoyés et reçus."),
      QStringLiteral(
          "Une feuille récapitulative, contenant vos nom, prénom, adresse, la catégorie,le nom de la commune "),
      QStringLiteral("du château (pour les activeurs) le nombre de QSO et liste des multis par bandes et mode."),
      QString(),
      QStringLiteral("NOTE : "),
      QStringLiteral("- Un même château contacté en CW et SSB, compte pour deux multis château sur chaque bande."),
      QStringLiteral("- La France compte pour un multiplicateur."),
      QStringLiteral("- Il doit y avoir un minimum de 30mn entre un QSO SSB et CW avec une même station."),
      QStringLiteral("- Les logueurs sur les activités châteaux peuvent être comptés comme qso et non comme "
                     "multiplicateur château."),
      QString(),
      QStringLiteral("A compter du 01 janvier 2014"),
      QStringLiteral(
          "Chaque activation en HF devra toujours comporter 100 QSO mais avec au moins 75 indicatifs différents."),
      QStringLiteral("50 QSO pour une réactivation avec au moins 40 indicatifs différents."),
      QString(),
      QStringLiteral(
          "Afin de ne pas pénaliser les stations en /P les OM résidents auront un classement spécifique ' Resident'."),
      QStringLiteral("Précision sur les stations portables: Une station portable doit être autonome et en exterieur. "),
      QStringLiteral("A l'interieur d'un site avec ou sans electricité est considéré comme résident."),
      QString(),
      QStringLiteral("Récompenses:"),
      QStringLiteral(
          "Deux coupes (ou plus suivant participation) pour la catégorie opérateur de château HF en portable."),
      QStringLiteral("Une coupe pour la catégorie opérateur de château résident."),
      QStringLiteral("Deux coupes pour la catégorie opérateur individuel.."),
      QStringLiteral("Une coupe pour la catégorie SWL."),
      QStringLiteral("Nouveau, une coupe au meilleur château en mono bande."),
      QString(),
      QStringLiteral("Coupes attribuées si au moins 5 logs par catégorie."),
      QString(),
      line62,
      QString(),
  };
}

QString aboutText(bool french, std::string_view revisionText) {
  return QStringLiteral("Journée Européenne des Ruziduza\r\n") + QString(16, u' ') + QStringLiteral("revision ") +
         QString::fromLatin1(revisionText.data(), static_cast<qsizetype>(revisionText.size())) +
         QStringLiteral("\r\n\r\n") +
         pick(french, "Brivant, logiciel libre pour la JNC", "Brivant, free software for the JNC");
}

std::filesystem::path helpDocumentPath(const std::filesystem::path& programDir) {
  return programDir / std::string(HelpDocumentName);
}

QString missingHelpMessage(bool french, const std::filesystem::path& document) {
  const QString path = QString::fromStdString(document.string());
  return pick(french, "Le mode d'emploi %1 est introuvable.", "The operating manual %1 cannot be found.").arg(path);
}

}  // namespace brivant
