#include "cluster/ClusterTexts.h"

#include "core/Language.h"

namespace brivant {

ClusterCaptions clusterCaptions(bool french) {
  ClusterCaptions c;
  c.bandLabel1 = pick(french, "Bande N°&1", "Band N°&1");
  c.bandLabel2 = pick(french, "Bande N°&2", "Band N°&2");
  c.label2 = pick(french, "Page mise a jour toutes les minutes, la dernière à ", "Page updated every minute, last at ");
  c.afficher = pick(french, "&Afficher", "Di&splay");
  c.patientez = pick(french, "Patientez", "Wait");
  c.text2 = pick(french, "Remarques", "remarks");
  c.check1 = pick(french, "&Filtre stations Françaises", "&Filter stations Françaises");
  c.check2 = pick(french, "Filtre p&réfixe ou Indicatif", "Filter p&réfix or callsign");
  c.check3 = pick(french, "Avec a&lerte", "With a&lert");
  c.transceiverLabel = QStringLiteral("&Transceiver");
  c.menuPort = QStringLiteral("&Port Com");
  c.menuBaud = QStringLiteral("&Baud");
  // "U": the "O" goes to "Spot…", whose other letters the window uses.
  c.menuSource = QStringLiteral("So&urce");
  c.sourcePages = pick(french, "Page &web", "&Web page");
  c.sourceTelnet = QStringLiteral("Cluster &telnet");
  c.telnetNode = pick(french, "&Nœud telnet…", "Telnet &node…");
  c.menuServer = pick(french, "Ser&veur…", "Ser&ver…");
  c.announce = pick(french, "A&nnoncer…", "Sp&ot…");
  c.noPort = QStringLiteral("&Sans");
  return c;
}

QString noAnswerMessage(bool french) {
  return pick(french, "Pas de reponse du site vérifiez votre liaison internet",
              "No response from site check your internet connection") +
         QStringLiteral("\r\n") + QString(12, QLatin1Char(' ')) +
         pick(french, "Appuyez de nouveau sur Afficher", "Press again the button display");
}

QString enterCallsignMessage(bool french) { return pick(french, "Entrez un indicatif", "enter a callsign"); }

QString missingPortMessage(bool french, const QString& port) {
  return pick(french, "Le port %1 n'existe pas", "The port %1 does not exist").arg(port);
}

QString noSpotServerMessage(bool french) {
  return pick(french, "Aucun serveur de spots n'est choisi : indiquez-le par le menu Serveur…",
              "No spot server is set: give it with the menu Server…");
}

QString spotServerQuestion(bool french) {
  return pick(french, "Serveur des pages de spots (nom, suivi de :port s'il le faut) :",
              "Server of the spot pages (name, followed by :port if needed):");
}

QString badSpotServerMessage(bool french) {
  return pick(french, "Nom de serveur incorrect : un nom sans blanc ni /, par exemple dxc.exemple.org",
              "Incorrect server name: a name without blank or /, for example dxc.example.org");
}

QString telnetNodeQuestion(bool french) {
  return pick(french, "Nœud telnet du cluster (nom:port) :", "Telnet cluster node (name:port):");
}

QString badTelnetNodeMessage(bool french) {
  return pick(french, "Nœud incorrect : écrivez nom:port, par exemple dxc.exemple.org:7300",
              "Incorrect node: write name:port, for example dxc.example.org:7300");
}

QString feedStateText(bool french, ClusterFeed::State state, const QString& node, int retrySeconds) {
  switch (state) {
    case ClusterFeed::State::Connecting:
      return pick(french, "Telnet : connexion à %1…", "Telnet: connecting to %1…").arg(node);
    case ClusterFeed::State::Connected:
      return pick(french, "Telnet : connecté à %1", "Telnet: connected to %1").arg(node);
    case ClusterFeed::State::LoggedIn:
      return pick(french, "Telnet : connecté à %1, spots reçus", "Telnet: connected to %1, receiving spots").arg(node);
    case ClusterFeed::State::Waiting:
      return pick(french, "Telnet : pas de liaison avec %1, nouvel essai dans %2 s",
                  "Telnet: no link with %1, next try in %2 s")
          .arg(node)
          .arg(retrySeconds);
    case ClusterFeed::State::Stopped:
    default:
      return pick(french, "Telnet : arrêté", "Telnet: stopped");
  }
}

}  // namespace brivant
