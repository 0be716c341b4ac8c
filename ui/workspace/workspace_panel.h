// WorkspacePanel: the group "号码整理框" of the first tab: the workspace list with its buttons
// and menus (list operations, kind filters, clipboard, saving) and the editors panel under it
// (pattern replacement; prefixes and suffixes).
//
// The main window owns the lists, the context and the count dialog; the panel owns its
// controls and their handlers. The items of the "保存" menu that export by region and carrier
// belong to the segment database and are wired from there. User-interface thread only.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"
#include "workspace/number_list.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace telqor {

class NumberListBox;
class SaveCountDialog;

class WorkspacePanel : public QWidget {
  Q_OBJECT
 public:
  WorkspacePanel(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent = nullptr);
  ~WorkspacePanel() override;

  DropSites Drops() const;

  // Handlers.
  void SBLoadDataClick();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton8Click();
  void SpeedButton34Click();
  void N23Click();
  void N24Click();
  void N43Click();
  void N44Click();
  void N45Click();
  void N40Click();
  void NNormalize0Click();
  void N56Click();
  void ii1Click();
  void N73Click();
  void N27Click();
  void N18Click();
  void N30Click();
  void N31Click();
  void SpeedButton22Click();
  void SpeedButton35Click();

 private:
  void BuildList();
  void BuildEditors();
  void Connect();

  AppContext& context_;
  NumberLists& lists_;
  SaveCountDialog* countDialog_;
  std::unique_ptr<NumberListBox> box_;

  QGroupBox* GroupBoxHmInfo;
  QTableView* lv0;
  QPushButton* SpeedButton5;
  QPushButton* SpeedButton6;
  QPushButton* SpeedButton8;
  QPushButton* SpeedButton7;
  QPushButton* SpeedButton9;
  QPushButton* SpeedButton34;
  QPushButton* SBLoadData;
  QMenu* PopupMenu3;
  QMenu* MenuDataKindFilter;  // "数据类型过滤"
  QAction* N23;
  QAction* N24;
  QAction* N43;
  QAction* N44;
  QAction* N45;
  QAction* N40;
  QAction* NNormalize0;  // "号码规范化"
  QAction* N56;
  QAction* ii1;
  QAction* N73;
  QAction* N27;
  QAction* N18;
  QMenu* PopupMenu6;
  QAction* N30;
  QAction* N31;
  QAction* N50;
  QAction* N53;
  QAction* N64;
  QAction* N74;
  QFrame* Panelhmprex;
  QGroupBox* GroupBox5;
  QComboBox* CBA;
  QLabel* Label8;
  QComboBox* CBB;
  QPushButton* SpeedButton22;
  QGroupBox* GroupBox9;
  QLabel* Label13;
  QComboBox* CBDataLen;
  QLabel* Label12;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QPushButton* SpeedButton35;
};

}  // namespace telqor
