// Background work: a long list operation on a thread of its own while the window stays alive.
//
// RunInBackground runs the work on a new thread and waits for it inside the user action that
// asked for it, in a local event loop: the window repaints, the status line shows the work's
// latest text and the progress bar its progress every 50 ms (a busy bar while it reports none),
// and the action rule keeps every other operation from starting. The work talks to the user
// through a Ui of its own: its questions, messages and folder openings run on the
// user-interface thread while the work waits for the answer. An error of the work is raised
// again on the user-interface thread, where the error hook shows it.
//
// The lists the work changes are named: their views show no rows until the work has ended, and
// each refresh the work asks for runs on the user-interface thread (RunOnUiThread). A stoppable
// work shows the status bar's "停止" button, and its Ui's Cancelled() turns true when the button
// is clicked or the window asks to close. User-interface thread only, except RunOnUiThread.
#pragma once

#include <functional>
#include <initializer_list>

#include "core/program/ui.h"
#include "workspace/number_list.h"

class QAbstractButton;
class QProgressBar;

namespace telqor {

enum class Stoppable { kNo, kYes };

// The status bar's controls the work shows: the progress bar and the "停止" button (hidden
// while no stoppable work runs). The main window sets them while it lives.
void SetBackgroundControls(QProgressBar* progress, QAbstractButton* stop);

// Runs work(ui) on a thread of its own and returns when it has ended (see above). shown is the
// Ui the user sees (the status line); changed are the lists the work changes.
void RunInBackground(Ui& shown, std::initializer_list<NumberList*> changed, const std::function<void(Ui&)>& work,
                     Stoppable stoppable = Stoppable::kNo);

// Whether a background work runs now, and asks it to stop when it may (the window's close box).
bool BackgroundWorkRunning();
bool RequestBackgroundStop();

// Runs fn on the user-interface thread: at once there, else queued to it, waiting until it has
// run; an error of fn is raised again in the caller.
void RunOnUiThread(const std::function<void()>& fn);

}  // namespace telqor
