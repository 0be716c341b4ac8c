// NumberList: one of the main window's three number lists (workspace, source, target) with
// its view-suspend flag and the refresh of its view; NumberLists: the three with the scratch
// and filter lists the operations borrow.
//
// While an operation changes the items it sets the suspend flag, so that the view answers no
// row text; afterwards RefreshView tells the view the new count (the GUI installs the refresh;
// without one it does nothing). Owned by the main window; changed by one thread at a time: the
// user-interface thread, or a background work while that thread waits for it.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "core/lists/item_list.h"
#include "core/program/ui.h"

namespace telqor {

enum class ListRole { Workspace, Source, Target };

class NumberList {
 public:
  explicit NumberList(ListRole role) : role_(role) {}
  NumberList(const NumberList&) = delete;
  NumberList& operator=(const NumberList&) = delete;

  ListRole Role() const { return role_; }
  ItemList& Items() { return items_; }
  const ItemList& Items() const { return items_; }
  // Suspensions nest: the view reads again once each one has ended. A view may read the flag
  // on another thread than the one that changes the list.
  bool Suspended() const { return suspensions_.load(std::memory_order_acquire) > 0; }
  void SetSuspended(bool value) { suspensions_.fetch_add(value ? 1 : -1, std::memory_order_acq_rel); }

  void SetOnRefresh(std::function<void()> refresh) { onRefresh_ = std::move(refresh); }
  void RefreshView() {
    if (onRefresh_) onRefresh_();
  }
  // The group caption: "号码整理框:", "【原始号码】:" or "【目标号码】:" followed by the count.
  std::string Caption() const;

 private:
  ListRole role_;
  ItemList items_;
  std::atomic<int> suspensions_{0};
  std::function<void()> onRefresh_;
};

// The lists of the main window for the whole run.
struct NumberLists {
  NumberList workspace{ListRole::Workspace};
  NumberList source{ListRole::Source};
  NumberList target{ListRole::Target};
  ItemList scratch;  // clipboard text and rows picked for copying
  ItemList filter;   // the files of a filter-out
};

// The frame of an operation that changes a list: start message (when given), suspend, the
// work, resume and refresh (also when the work fails, so the view shows what the list holds),
// completion message (when given). A failing work skips the completion message and propagates
// its error.
template <typename Work>
void ChangeList(NumberList& list, Ui& ui, const char* start, const char* done, Work&& work) {
  if (start) ui.ShowStatus(start);
  list.SetSuspended(true);
  try {
    work(list.Items());
  } catch (...) {
    list.SetSuspended(false);
    list.RefreshView();
    throw;
  }
  list.SetSuspended(false);
  list.RefreshView();
  if (done) ui.ShowStatus(done);
}

}  // namespace telqor
