#include "workspace/number_list.h"

namespace telqor {

std::string NumberList::Caption() const {
  const char* prefix = kind_ == ListKind::Workspace ? "号码整理框:"
                       : kind_ == ListKind::Source  ? "【原始号码】:"
                                                    : "【目标号码】:";
  return prefix + std::to_string(items_.Count());
}

}  // namespace telqor
