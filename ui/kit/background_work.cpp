#include "ui/kit/background_work.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "ui/kit/user_action.h"

namespace telqor {
namespace {

struct Controls {
  QPointer<QProgressBar> progress;
  QPointer<QAbstractButton> stop;
};

Controls& WorkControls() {
  static Controls controls;
  return controls;
}

class WorkerUi;
WorkerUi* running = nullptr;  // the work running now; user-interface thread only

// The Ui the work sees. Status and progress are kept for the user-interface thread to show;
// questions and messages go to that thread and wait there.
class WorkerUi : public Ui {
 public:
  WorkerUi(Ui& shown, bool stoppable) : shown_(shown), stoppable_(stoppable) {}

  void ShowStatus(std::string_view text) override {
    std::lock_guard lock(statusLock_);
    status_ = text;
    statusPending_ = true;
  }
  void Progress(int64_t done, int64_t total) override {
    // The total first: the reader takes done only with a total it has.
    total_.store(total, std::memory_order_relaxed);
    done_.store(done, std::memory_order_release);
  }
  bool Cancelled() override { return stopRequested_.load(std::memory_order_acquire); }
  bool AskYesNo(std::string_view question) override {
    bool yes = false;
    RunOnUiThread([&] {
      ShowPending();
      yes = shown_.AskYesNo(question);
    });
    return yes;
  }
  void Inform(std::string_view message) override {
    RunOnUiThread([&] {
      ShowPending();
      shown_.Inform(message);
    });
  }
  void OpenFolder(const std::filesystem::path& folder) override {
    RunOnUiThread([&] {
      ShowPending();
      shown_.OpenFolder(folder);
    });
  }

  // User-interface thread: shows the latest status text and the progress.
  void ShowPending() {
    std::string text;
    bool pending = false;
    {
      std::lock_guard lock(statusLock_);
      std::swap(pending, statusPending_);
      if (pending) text.swap(status_);
    }
    if (pending) shown_.ShowStatus(text);
    ShowProgress();
  }
  bool Stoppable() const { return stoppable_; }
  void RequestStop() { stopRequested_.store(true, std::memory_order_release); }

 private:
  void ShowProgress() {
    QProgressBar* bar = WorkControls().progress;
    if (!bar) return;
    const int64_t done = done_.load(std::memory_order_acquire);
    const int64_t total = total_.load(std::memory_order_relaxed);
    if (total > 0 && done < total) {
      bar->setRange(0, 1000);
      bar->setValue(static_cast<int>(done * 1000 / total));
    } else {
      bar->setRange(0, 0);  // no measure of the work: a busy bar
    }
    bar->show();
  }

  Ui& shown_;
  const bool stoppable_;
  std::mutex statusLock_;
  std::string status_;
  bool statusPending_ = false;
  std::atomic<int64_t> done_{0};
  std::atomic<int64_t> total_{0};
  std::atomic<bool> stopRequested_{false};
};

}  // namespace

void SetBackgroundControls(QProgressBar* progress, QAbstractButton* stop) {
  WorkControls() = {progress, stop};
  if (stop) {
    // The button works while the action that runs the work waits; it is no action itself.
    AcceptInputDuringActions(stop);
    QObject::connect(stop, &QAbstractButton::clicked, stop, [] { RequestBackgroundStop(); });
    stop->hide();
  }
}

bool BackgroundWorkRunning() { return running != nullptr; }

bool RequestBackgroundStop() {
  if (!running || !running->Stoppable()) return false;
  running->RequestStop();
  return true;
}

void RunOnUiThread(const std::function<void()>& fn) {
  if (QThread::currentThread() == qApp->thread()) return fn();
  std::exception_ptr error;
  QMetaObject::invokeMethod(
      qApp,
      [&] {
        try {
          fn();
        } catch (...) {
          error = std::current_exception();
        }
      },
      Qt::BlockingQueuedConnection);
  if (error) std::rethrow_exception(error);
}

void RunInBackground(Ui& shown, std::initializer_list<NumberList*> changed, const std::function<void(Ui&)>& work,
                     Stoppable stoppable) {
  WorkerUi ui(shown, stoppable == Stoppable::kYes);
  // A view must not read a list while the work changes it: held from before the work starts
  // until after it has ended, whatever the work's own frames do meanwhile.
  for (NumberList* list : changed) list->SetSuspended(true);
  WorkerUi* outer = running;
  running = &ui;
  Controls& controls = WorkControls();
  if (controls.stop && ui.Stoppable()) {
    controls.stop->setEnabled(true);
    controls.stop->show();
  }
  KeepPainting();  // the busy cursor

  QEventLoop loop;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &loop, [&ui] { ui.ShowPending(); });
  tick.start(50);
  std::exception_ptr error;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    try {
      work(ui);
    } catch (...) {
      error = std::current_exception();
    }
    done.store(true, std::memory_order_release);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // The quit may come before exec starts; then exec would wait for nothing.
  if (!done.load(std::memory_order_acquire)) loop.exec();
  while (!done.load(std::memory_order_acquire)) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  worker.join();
  tick.stop();

  running = outer;
  ui.ShowPending();
  if (controls.stop) controls.stop->hide();
  if (controls.progress) {
    controls.progress->hide();
    controls.progress->reset();
  }
  for (NumberList* list : changed) {
    list->SetSuspended(false);
    list->RefreshView();
  }
  if (error) std::rethrow_exception(error);
}

}  // namespace telqor
