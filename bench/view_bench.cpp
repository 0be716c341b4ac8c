// How long a number view takes to show a list of ten million items: the model reset that
// follows every change, and scrolling to the end and back (offscreen).
//   QT_QPA_PLATFORM=offscreen telqor_view_bench [COUNT]
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <cstdio>
#include <cstdlib>

#include "ui/kit/number_view.h"
#include "ui/kit/number_list_model.h"
#include "workspace/number_list.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int count = argc > 1 ? std::atoi(argv[1]) : 10000000;
  telqor::NumberList list(telqor::ListRole::Workspace);
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(13800000000LL + i) + "\r\n";
  list.Items().SetText(text);
  telqor::NumberListModel model(&list);
  QTableView view;
  telqor::ConfigureNumberView(&view);
  view.setModel(&model);
  view.resize(400, 600);
  view.show();
  QApplication::processEvents();

  QElapsedTimer t;
  t.start();
  model.Reset();
  view.repaint();
  std::printf("reset and repaint of %d rows: %lld ms\n", count, static_cast<long long>(t.restart()));
  view.scrollToBottom();
  view.repaint();
  std::printf("scroll to the end: %lld ms\n", static_cast<long long>(t.restart()));
  view.scrollToTop();
  view.repaint();
  std::printf("scroll to the start: %lld ms\n", static_cast<long long>(t.restart()));
  return 0;
}
