#include "workspace/number_list.h"

namespace telqor {

std::string NumberList::Caption() const {
  const char* prefix = role_ == ListRole::Workspace ? "号码整理框:"
                       : role_ == ListRole::Source  ? "【原始号码】:"
                                                    : "【目标号码】:";
  return prefix + std::to_string(items_.Count());
}

}  // namespace telqor
