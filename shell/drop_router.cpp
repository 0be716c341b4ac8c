#include "shell/drop_router.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "core/program/ui.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/user_action.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> LocalPaths(const QMimeData* data) {
  std::vector<fs::path> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.push_back(PathFromQString(url.toLocalFile()));
  return paths;
}

}  // namespace

DropRouter::DropRouter(Ui& ui, QObject* parent) : QObject(parent), ui_(ui) {}

DropRouter::~DropRouter() {
  for (const DropSite& site : sites_) {
    site.widget->removeEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(site.widget)) area->viewport()->removeEventFilter(this);
  }
}

void DropRouter::Register(const DropSites& sites) {
  for (const DropSite& site : sites) {
    sites_.push_back(site);
    site.widget->setAcceptDrops(true);
    site.widget->installEventFilter(this);
    // Item views receive drops on their viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(site.widget)) {
      area->viewport()->setAcceptDrops(true);
      area->viewport()->installEventFilter(this);
    }
  }
}

const DropSite* DropRouter::SiteOf(QObject* watched) const {
  for (const DropSite& site : sites_) {
    if (site.widget == watched) return &site;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(site.widget); area && area->viewport() == watched) return &site;
  }
  return nullptr;
}

bool DropRouter::eventFilter(QObject* watched, QEvent* event) {
  QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  const DropSite* site = SiteOf(watched);
  auto* drop = static_cast<QDropEvent*>(event);  // drag enter and drag move events are drop events
  std::vector<fs::path> entries = LocalPaths(drop->mimeData());
  if (!site || entries.empty()) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    // Handled after the drop returns, so that the drag source is released before the
    // question is asked.
    QTimer::singleShot(
        0, this, Guarded([this, target = site->widget, entries = std::move(entries)] { DropFiles(target, entries); }));
  }
  return true;
}

void DropRouter::DropFiles(QWidget* target, const std::vector<fs::path>& entries) {
  auto site = std::find_if(sites_.begin(), sites_.end(), [&](const DropSite& s) { return s.widget == target; });
  if (site == sites_.end()) return;
  droppedFiles_.Clear();
  for (const fs::path& entry : entries) droppedFiles_.AddDropped(entry);

  DropDelivery delivery = DropDeliveryFor(site->target);
  switch (delivery.kind) {
    case DropDelivery::Kind::kAppendAll: {
      QStringList items;
      for (const fs::path& path : droppedFiles_.Paths()) items << PathToQString(path);
      qobject_cast<QListWidget*>(target)->addItems(items);
      break;
    }
    case DropDelivery::Kind::kFirstPath: {
      std::vector<fs::path> paths = droppedFiles_.Paths();
      if (!paths.empty()) qobject_cast<QLineEdit*>(target)->setText(PathToQString(paths.front()));
      break;
    }
    case DropDelivery::Kind::kConfirmThenPending:
      if (ui_.AskYesNo(kDropImportQuestion)) pendingAction_ = delivery.pendingAction;
      break;
  }
}

int DropRouter::TakePendingAction() { return std::exchange(pendingAction_, kDropNone); }

}  // namespace telqor
