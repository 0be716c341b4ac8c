#include "ui/kit/qt_env.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "ui/kit/gbk_text.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
namespace {

// What an exit status of xdg-open means.
QString XdgOpenFailure(int status) {
  if (status == 3) return u"系统没有设置用来显示文件夹的程序(xdg-open没有找到可用的文件管理器)"_s;
  if (status == 4) return u"显示文件夹的程序运行失败"_s;
  return u"xdg-open出错(状态%1)"_s.arg(status);
}

}  // namespace
#endif

std::string QtEnv::OpenFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return "文件夹不存在";
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const QString program = QStandardPaths::findExecutable(u"xdg-open"_s);
  if (program.isEmpty()) return "没有安装xdg-open(软件包xdg-utils)";
  // Not parented: a file manager that xdg-open runs in the foreground lives on after the
  // program ends, and the object is deleted when xdg-open ends.
  auto* process = new QProcess;
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  const QString shown = FolderToQString(folder);
  QObject::connect(process, &QProcess::finished, process, [process, shown](int status, QProcess::ExitStatus how) {
    if (how != QProcess::NormalExit || status != 0)
      ReportError(u"无法打开文件夹\"%1\": %2"_s.arg(shown, XdgOpenFailure(how == QProcess::NormalExit ? status : -1)));
    process->deleteLater();
  });
  process->start(program, {PathToQString(folder)});
  if (!process->waitForStarted(5000)) {
    std::string why = process->errorString().toStdString();
    delete process;
    return why;
  }
  return {};
#else
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(folder)))) return "无法启动资源管理器";
  return {};
#endif
}

}  // namespace telqor
