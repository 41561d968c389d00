#include "cluster/ui/ClusterOpener.h"

#include <QWidget>

namespace brivant {

ClusterOpener::ClusterOpener(AppState& state, QWidget& mainWindow, ClusterHooks hooks, ClusterServices services)
    : QObject(&mainWindow),
      state_(state),
      mainWindow_(mainWindow),
      hooks_(std::move(hooks)),
      services_(std::move(services)) {}

Cluster* ClusterOpener::cluster() const { return cluster_; }

void ClusterOpener::ClusterHF_Click() {
  if (!cluster_) {
    cluster_ = new Cluster(state_, &mainWindow_, hooks_, services_);
    cluster_->Form_Load();
  }
  cluster_->show();
  cluster_->raise();
  cluster_->activateWindow();
}

}  // namespace brivant
