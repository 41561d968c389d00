#pragma once
// The captions and messages of the cluster window in both languages.  A "&"
// marks a control's Alt letter; it is not shown.

#include <QString>

#include "platform/ClusterFeed.h"

namespace brivant {

struct ClusterCaptions {
  QString bandLabel1;  // label of Bande_CL
  QString bandLabel2;  // label of Bande_CL2
  QString label2;      // before QTR
  QString afficher;
  QString patientez;
  QString text2;  // the remarks heading
  QString check1;
  QString check2;
  QString check3;
  QString transceiverLabel;
  QString menuPort;
  QString menuBaud;
  QString menuSource;
  QString sourcePages;
  QString sourceTelnet;
  QString telnetNode;
  QString menuServer;
  QString announce;  // the self-spot on the telnet node
  QString noPort;    // the "Sans" item of the port menu
};
ClusterCaptions clusterCaptions(bool french);

// The captions and tool tips that are the same in both languages.
namespace ClusterFixedTexts {
inline constexpr const char* Title = "CLUSTER (DXCluster)";
inline constexpr const char* TriDate = "&Date QTR(TU)";
inline constexpr const char* TriDx = "D&X              ";
inline constexpr const char* TriQrg = "&QRG";
inline constexpr const char* Text1 = "Spotter";
inline constexpr const char* TipDate = "Un click pour un tri par date";
inline constexpr const char* TipDx = "Un click pour un tri par DX";
inline constexpr const char* TipQrg = "Un click pour un tri par QRG";
inline constexpr const char* Bauds = "Bauds";
inline constexpr const char* Com = "Com";
}  // namespace ClusterFixedTexts

// No text from the spot server: the two messages on two lines, the second
// indented by 12 blanks.
QString noAnswerMessage(bool french);
QString enterCallsignMessage(bool french);
// A serial port that cannot be opened, by its name.
QString missingPortMessage(bool french, const QString& port);
QString noSpotServerMessage(bool french);
QString spotServerQuestion(bool french);
QString badSpotServerMessage(bool french);
QString telnetNodeQuestion(bool french);
QString badTelnetNodeMessage(bool french);
// What the window shows of the telnet connection.
QString feedStateText(bool french, ClusterFeed::State state, const QString& node, int retrySeconds);

}  // namespace brivant
