#pragma once
// Opens the cluster window from the main window's ClusterHF button, or brings
// the open one forward.

#include <QObject>
#include <QPointer>

#include "cluster/ui/Cluster.h"
#include "core/AppState.h"

class QWidget;

namespace brivant {

class ClusterOpener final : public QObject {
  Q_OBJECT

 public:
  // A child of mainWindow; the window opens as a window of its own over it
  // (its child, closed with it).
  ClusterOpener(AppState& state, QWidget& mainWindow, ClusterHooks hooks, ClusterServices services = {});

  // The window while it is open (nullptr once closed).
  Cluster* cluster() const;

 public slots:
  void ClusterHF_Click();

 private:
  AppState& state_;
  QWidget& mainWindow_;
  ClusterHooks hooks_;
  ClusterServices services_;
  QPointer<Cluster> cluster_;
};

}  // namespace brivant
