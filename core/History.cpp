#include "core/History.h"

#include <array>

#include "core/Language.h"

#ifndef BRIVANT_VERSION
#error "BRIVANT_VERSION comes from project(VERSION) (core/CMakeLists.txt)"
#endif

namespace brivant {

constexpr std::string_view RevisionText = " " BRIVANT_VERSION;

std::string historyText() {
  static constexpr std::array<std::string_view, 17> Entries{
      "V1.0.0   le 14/04/2005 creation a partir de Morvex",
      "V1.1.0   le 17/04/2005 Ajout selection par bande",
      "V1.2.0   le 20/04/2005 Ajout visualisation avant impression",
      "V1.3.0   le 26/04/2005 Modification comptage des points",
      "V1.4.0   le 04/05/2005 sauvegarde prefixe a 'QSO suivant' et verif DFCF/Prefixe",
      "V1.5.0   le 03/06/2005 Sauter No du chateau si QSO",
      "V1.6.1   le 19/06/2006 gestion erreur 53 ",
      "V1.6.2   le 20/07/2006 Correction absence affichage nb points dans récapitulatif ",
      "V1.6.3   le 28/07/2006 Ajout impression etiquettes pour QSL ",
      "V1.6.6   le 18/12/2007 Suppression session VHF",
      "V1.6.7   le 13/05/2008 Forcage BDR en session HF",
      "V1.6.9   le 20/05/2008 Ajout MAJ fichiers départements et prefixes a partir du log",
      "V1.7.0   le 20/05/2009 Ajout affichage QSO par departement + new cluster",
      "V1.7.1   le 04/06/2009 Ajout langue Anglaise",
      "V1.7.2   le 08/07/2009 refonte de l'algorithme de calcul des points",
      "V1.7.4   le 25/10/2011 La ZIV devient Journée Nationale des Ruziduza (JNC)",
      "V1.7.5   le 01/01/2014 Modification du règlement",
  };
  std::string text;
  for (std::string_view entry : Entries) {
    text += entry;
    text += "\r\n";
  }
  return text;
}

QString mainWindowTitle(bool french) {
  return pick(french, "Journée Nationale des Ruziduza Revision ", "Ravuzore Ruruzav Evu ") +
         QString::fromLatin1(RevisionText.data(), static_cast<qsizetype>(RevisionText.size()));
}

}  // namespace brivant
