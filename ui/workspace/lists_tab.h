// ListsTab: the tab "号码生成㈡": the source list "【原始号码】" and the target list "【目标号码】"
// with their tool bars and menus, the moves between them, and the group "【导出号码】".
//
// The main window owns the lists, the context and the count dialog; the tab owns its controls
// and their handlers. The controls whose work belongs to the segment subsystems (segment import
// and input, moves by feature and type, exports by region and carrier) ask for it with a
// request signal, which the shell hands on. User-interface thread only.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "segments/region_export.h"
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

 signals:
  // "全部导出号码" by region and carrier: list is the one the radio buttons choose, empty or not.
  void ExportRequested(ExportKind kind, const NumberList& list);
  // "号码统计" and "归属地查询表" of a list's "其它操作" menu; sent for an empty list too.
  void StatsRequested(const NumberList& list);
  void LookupTableRequested(const NumberList& list);
  // "组合特征": the numbers of from that the patterns chosen in the feature dialog match go to
  // to; towards the target only the checked patterns count, back every pattern.
  void MoveByFeatureRequested(NumberList& from, NumberList& to, bool checkedOnly);
  // "号码类型": the numbers of from of the carriers or range chosen in the type dialog go to to.
  void MoveByTypeRequested(NumberList& from, NumberList& to);
  // "输入号段" and "导入号段": the source list gets the numbers of typed or chosen segments.
  void InputSegmentsRequested();
  void ImportSegmentsRequested();

 private:
  void BuildSource();
  void BuildMoves();
  void BuildTarget();
  void BuildExport();
  void Connect();
  void FilterOutFromFiles(NumberList& list, const char* loadingPrefix);
  // Runs work on list off the window's thread.
  void ChangeInBackground(NumberList& list, const std::function<void(NumberList&, Ui&)>& work);
  // The list the export group works on, as the radio buttons choose.
  NumberList& ChosenList();

  // Handlers: the source list.
  void InputSegmentsClicked();
  void ImportSegmentsClicked();
  void ImportSourceFilesClicked();
  void PasteSourceClicked();
  void ClearSourceClicked();
  void SortSourceClicked();
  void ShuffleSourceClicked();
  void DedupeSourceClicked();
  void FilterOutSourceClicked();
  void KeepSourceMobileClicked();
  void KeepSourceNonMobileClicked();
  void NormalizeSourceClicked();
  void CopyAllSourceClicked();
  void CopySourceSelectionClicked();
  void DeleteSourceSelectionClicked();
  // The target list.
  void SortTargetClicked();
  void ShuffleTargetClicked();
  void DedupeTargetClicked();
  void FilterOutTargetClicked();
  void CopyAllTargetClicked();
  void CopyTargetSelectionClicked();
  void DeleteTargetSelectionClicked();
  void ClearTargetClicked();
  void NormalizeTargetClicked();
  // Moves and export.
  void FeatureToTargetClicked();
  void FeatureToSourceClicked();
  void TypeToTargetClicked();
  void TypeToSourceClicked();
  void AllToTargetClicked();
  void AllToSourceClicked();
  void BatchExportClicked();
  void ExportAllClicked();
  void ExportByKindClicked(ExportKind kind);
  void ExportFolderClicked();

  AppContext& context_;
  NumberLists& lists_;
  SaveCountDialog* countDialog_;
  std::unique_ptr<NumberListBox> sourceBox_;
  std::unique_ptr<NumberListBox> targetBox_;

  QGroupBox* sourceGroup_;               // "GBRawData" 【原始号码】
  QToolButton* importSegmentsButton_;    // "ToolButton2" 导入号段
  QToolButton* inputSegmentsButton_;     // "ToolButton1" 输入号段
  QToolButton* importFilesButton_;       // "ToolButton3" 导入文件
  QToolButton* pasteSourceButton_;       // "ToolButton5" 粘贴
  QToolButton* clearSourceButton_;       // "ToolButton6" 清空
  QToolButton* sortSourceButton_;        // "ToolButton16" 号码排序
  QToolButton* shuffleSourceButton_;     // "ToolButton18" 号码乱序
  QToolButton* dedupeSourceButton_;      // "ToolButton20" 去除重号
  QToolButton* filterOutSourceButton_;   // "ToolButton43" 滤除号码
  QToolButton* moreSourceButton_;        // "ToolButton23" 其它操作
  QTableView* sourceView_;               // "lv1"
  QMenu* sourceMenu_;                    // "PopupMenu5"
  QAction* keepSourceMobileItem_;        // "N25" 保留手机号码
  QAction* keepSourceNonMobileItem_;     // "N26" 保留非手机号码
  QAction* normalizeSourceItem_;         // "NNormalize1" 号码规范化
  QAction* copyAllSourceItem_;           // "N55" 复制所有号码
  QAction* copySourceSelectionItem_;     // "N58" 复制选择的号码
  QAction* deleteSourceSelectionItem_;   // "N57" 删除选择的号码
  QAction* statsSourceItem_;             // "NStats1" 号码统计
  QAction* lookupTableSourceItem_;       // "NLookupTable1" 归属地查询表
  QFrame* movesPanel_;                   // "Panel4"
  QToolButton* featureToTargetButton_;   // "SpeedButton13" 组合特征 →
  QToolButton* featureToSourceButton_;   // "SpeedButton14" 组合特征 ←
  QToolButton* typeToTargetButton_;      // "SpeedButton15" 号码类型 →
  QToolButton* typeToSourceButton_;      // "SpeedButton16" 号码类型 ←
  QToolButton* allToTargetButton_;       // "SpeedButton17" 全部号码 →
  QToolButton* allToSourceButton_;       // "SpeedButton18" 全部号码 ←
  QGroupBox* targetGroup_;               // "GBDestData" 【目标号码】
  QToolButton* sortTargetButton_;        // "ToolButton30" 号码排序
  QToolButton* shuffleTargetButton_;     // "ToolButton32" 号码乱序
  QToolButton* dedupeTargetButton_;      // "ToolButton34" 去除重号
  QToolButton* filterOutTargetButton_;   // "ToolButton36" 滤除号码
  QToolButton* moreTargetButton_;        // "ToolButton44" 其它操作
  QTableView* targetView_;               // "lv2"
  QMenu* targetMenu_;                    // "PopupMenu9"
  QAction* normalizeTargetItem_;         // "NNormalize2" 号码规范化
  QAction* copyAllTargetItem_;           // "N59" 复制所有号码
  QAction* copyTargetSelectionItem_;     // "N60" 复制选择的号码
  QAction* deleteTargetSelectionItem_;   // "N61" 删除选择的号码
  QAction* clearTargetItem_;             // "N52" 清空号码
  QAction* statsTargetItem_;             // "NStats2" 号码统计
  QAction* lookupTableTargetItem_;       // "NLookupTable2" 归属地查询表
  QGroupBox* exportGroup_;               // "GroupBox3" 【导出号码】
  QRadioButton* exportSourceRadio_;      // "RBRaw" 原始号码
  QRadioButton* exportTargetRadio_;      // "RBDest" 目标号码
  QPushButton* batchExportButton_;       // "SpeedButton23" 分批导出号码
  QPushButton* exportButton_;            // "SpeedButton24" 全部导出号码
  QPushButton* exportFolderButton_;      // "SpeedButton2" 浏览导出目录
  QMenu* exportMenu_;                    // "PopupMenu10"
  QAction* exportAllItem_;               // "N46" 全部导出号码
  QAction* byRegionItem_;                // "N48" 按地区导出
  QAction* byCarrierItem_;               // "N49" 按号码类型(移动,联通等)导出
  QAction* byRegionCarrierItem_;         // "N63" 按地区和号码类型(移动,联通等)导出
  QAction* byRegionCarrierSegmentItem_;  // "N75" 按地区/号码类型/号段保存号码
};

}  // namespace telqor
