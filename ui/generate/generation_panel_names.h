// The object names of GenerationPanel's controls (group "号码段◇号码扩展"), each named for what the
// control does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::generation {

inline const QString kGenerationPanel = QStringLiteral("GenerationPanel");
inline const QString kGenerationGroup = QStringLiteral("GroupBox10");  // 号码段◇号码扩展
inline const QString kStartEdit = QStringLiteral("EditStartNo_");      // 开始号码
inline const QString kEndEdit = QStringLiteral("EditEndNo_");          // 结束号码
inline const QString kLengthEdit = QStringLiteral("EditHMLEN");        // 长度
inline const QString kLengthUpDown = QStringLiteral("UpDown1");
inline const QString kStepEdit = QStringLiteral("EditHMStep");  // 步進
inline const QString kStepUpDown = QStringLiteral("UpDown2");
inline const QString kBaseCombo = QStringLiteral("CBBaseNo");                   // 基础号码
inline const QString kExtendModeCombo = QStringLiteral("CBExtendMode");         // 扩展模式: 全部, 1/2 … 1/5
inline const QString kExtendDirectionCombo = QStringLiteral("CBExtendStep");    // 扩展模式: 双向, 向前, 向后
inline const QString kExtendCountCombo = QStringLiteral("CBExtendNum");         // 数量
inline const QString kGenerateToFileButton = QStringLiteral("SBHmExSave");      // 生成保存到文件
inline const QString kGenerateToWorkspaceButton = QStringLiteral("SBHmExOut");  // 生成到号码整理框

}  // namespace telqor::names::generation
