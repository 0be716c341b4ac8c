// ListsTab: the tab "号码生成㈡": the source list "【原始号码】" and the target list "【目标号码】"
// with their tool bars and menus, the moves between them, and the group "【导出号码】".
//
// The main window owns the lists, the context and the count dialog; the tab owns its controls
// and their handlers. The controls whose work belongs to higher subsystems (segment import and
// input, moves by feature and type, exports by region and carrier) are wired from there.
// User-interface thread only.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"
#include "workspace/number_list.h"

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace telqor {

class NumberListBox;
class SaveCountDialog;

class ListsTab : public QWidget {
  Q_OBJECT
 public:
  ListsTab(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent = nullptr);
  ~ListsTab() override;

  DropSites Drops() const;
  // The list the export group works on: source (RBRaw) or target (RBDest).
  NumberList& ExportList();

  // Handlers: the source list.
  void ToolButton3Click();
  void ToolButton5Click();
  void ToolButton6Click();
  void ToolButton16Click();
  void ToolButton18Click();
  void ToolButton20Click();
  void ToolButton43Click();
  void N25Click();
  void N26Click();
  void NNormalize1Click();
  void N55Click();
  void N58Click();
  void N57Click();
  // The target list.
  void ToolButton30Click();
  void ToolButton32Click();
  void ToolButton34Click();
  void ToolButton36Click();
  void N59Click();
  void N60Click();
  void N61Click();
  void N52Click();
  void NNormalize2Click();
  // Moves and export.
  void SpeedButton17Click();
  void SpeedButton18Click();
  void SpeedButton23Click();
  void N46Click();
  void SpeedButton2Click();

 private:
  void BuildSource();
  void BuildMoves();
  void BuildTarget();
  void BuildExport();
  void Connect();
  void FilterOutFromFiles(NumberList& list, const char* loadingPrefix);

  AppContext& context_;
  NumberLists& lists_;
  SaveCountDialog* countDialog_;
  std::unique_ptr<NumberListBox> sourceBox_;
  std::unique_ptr<NumberListBox> targetBox_;

  QGroupBox* GBRawData;
  QToolButton* ToolButton2;
  QToolButton* ToolButton1;
  QToolButton* ToolButton3;
  QToolButton* ToolButton5;
  QToolButton* ToolButton6;
  QToolButton* ToolButton16;
  QToolButton* ToolButton18;
  QToolButton* ToolButton20;
  QToolButton* ToolButton43;
  QToolButton* ToolButton23;
  QTableView* lv1;
  QMenu* PopupMenu5;
  QAction* N25;
  QAction* N26;
  QAction* NNormalize1;  // "号码规范化"
  QAction* N55;
  QAction* N58;
  QAction* N57;
  QFrame* Panel4;
  QToolButton* SpeedButton13;
  QToolButton* SpeedButton14;
  QToolButton* SpeedButton15;
  QToolButton* SpeedButton16;
  QToolButton* SpeedButton17;
  QToolButton* SpeedButton18;
  QGroupBox* GBDestData;
  QToolButton* ToolButton30;
  QToolButton* ToolButton32;
  QToolButton* ToolButton34;
  QToolButton* ToolButton36;
  QToolButton* ToolButton44;
  QTableView* lv2;
  QMenu* PopupMenu9;
  QAction* N59;
  QAction* N60;
  QAction* N61;
  QAction* N52;
  QAction* NNormalize2;  // "号码规范化"
  QGroupBox* GroupBox3;
  QRadioButton* RBRaw;
  QRadioButton* RBDest;
  QPushButton* SpeedButton23;
  QPushButton* SpeedButton24;
  QPushButton* SpeedButton2;
  QMenu* PopupMenu10;
  QAction* N46;
  QAction* N48;
  QAction* N49;
  QAction* N63;
  QAction* N75;
};

}  // namespace telqor
